#include <gtest/gtest.h>

#include <string>

#include "platform/memory_file_system.h"
#include "scan/file_reference_check.h"

namespace {

class CheckValidTest : public ::testing::Test {
 protected:
  CheckValidTest() {
    files.AddDrive('D', platform::kDriveFixed);
    for (const char* path : {
             "C:\\WINDOWS\\notepad.exe",
             "C:\\WINDOWS\\system\\old.drv",
             "C:\\WINDOWS\\system32\\shell32.dll",
             "C:\\WINDOWS\\system32\\RunDll32.exe",
             "C:\\Program Files\\Vendor\\app.exe",
             "C:\\Program Files\\App 1.0\\app.exe",
             "C:\\Vendor\\a.exe",
             "D:\\Data\\b.dat",
         }) {
      files.AddFile(path);
    }
  }

  platform::MemoryFileSystem files;
  scan::FileReferenceCheck check{files};
};

struct Reference {
  const char* text;
  bool sound;
};

TEST_F(CheckValidTest, JudgesEachReading) {
  const Reference cases[] = {
      // As it stands: a file or a folder.
      {"C:\\WINDOWS\\notepad.exe", true},
      {"C:\\Program Files\\Vendor", true},
      {"C:\\WINDOWS\\missing.exe", false},
      // Quotes and switches, the Rundll32 forms.
      {"\"C:\\Program Files\\Vendor\\app.exe\" /s", true},
      {"\"C:\\Program Files\\Vendor\\missing.exe\" /s", false},
      {"Rundll32 C:\\WINDOWS\\system32\\shell32.dll,Control_RunDLL", true},
      {"C:\\WINDOWS\\system32\\RunDll32.exe shell32.dll,Control_RunDLL", false},
      {"C:\\Program Files\\App 1.0\\app.exe -x", true},
      {"C:\\Program Files\\Vendor\\app.exe;C:\\other", true},
      // No drive reference, or nothing before it.
      {"notepad.exe", false},
      {":\\WINDOWS\\notepad.exe", false},
      // Drives beyond T: are not judged; the letter's case does not matter.
      {"X:\\tool.exe", true},
      {"u:\\tool.exe", true},
      {"T:\\tool.exe", false},
      // Plain arguments: the reading up to three characters after the first dot.
      {"C:\\Program Files\\Vendor\\app.exe arg", true},
      {"C:\\Program Files\\App 1.0\\app.exe arg", false},
      // A second drive reference.
      {"C:\\Vendor\\a.exe D:\\Data\\b.dat", true},
      {"C:\\Vendor\\missing.exe D:\\Data\\b.dat", false},
      {"C:\\Vendor\\a.exe D:\\Data\\missing.dat", false},
      {"C:\\NoSuch D:\\Data\\b.dat", true},  // a head without "." is accepted
      {"C:\\NoSuch xD:\\Data\\b.dat", false},  // the second part starts one before its letter
      // %SYSTEMROOT% (exactly so) becomes the Windows folder; other "%" cut the text.
      {"C:\\NoSuch %SYSTEMROOT%\\notepad.exe", true},
      {"C:\\NoSuch %SystemRoot%\\notepad.exe", false},
      {"C:\\Vendor\\a.exe %1", true},
      {"C:\\WINDOWS\\system32\\@shell32.dll", true},
  };
  for (const Reference& reference : cases) {
    EXPECT_EQ(check.CheckValid(reference.text), reference.sound) << reference.text;
  }
}

TEST_F(CheckValidTest, WhatCannotBeExaminedIsSound) {
  files.AddUnreadable("C:\\Locked");
  EXPECT_TRUE(check.CheckValid("C:\\Locked\\tool.exe"));
  EXPECT_TRUE(check.CheckFolderExists("C:\\Locked\\tool.exe"));
}

TEST_F(CheckValidTest, BoundsItsQueries) {
  check.CheckValid("V:\\tool.exe");
  EXPECT_EQ(files.QueryCount(), 2) << "only the readings as it stands";

  for (const char* unsound : {"C:\\Vendor\\missing.exe D:\\Data\\b.dat",
                              "C:\\Program Files\\App 1.0\\app.exe arg",
                              "C:\\WINDOWS\\system32\\RunDll32.exe shell32.dll,Control_RunDLL"}) {
    const int before = files.QueryCount();
    EXPECT_FALSE(check.CheckValid(unsound));
    EXPECT_LE(files.QueryCount() - before, 12) << unsound;
  }
}

TEST_F(CheckValidTest, FindsFilesInTheSystemFolders) {
  const Reference cases[] = {
      {"notepad.exe", true},      // the Windows folder itself
      {"old.drv", true},          // system
      {"shell32.dll", true},      // system32
      {"missing.dll", false},
      {"C:notepad.exe", false},   // a name with ":" is not looked for in the Windows folder
      {"system32\\shell32.dll", true},
  };
  for (const Reference& reference : cases) {
    EXPECT_EQ(check.CheckInSysFolders(reference.text), reference.sound) << reference.text;
  }
}

TEST_F(CheckValidTest, FollowsTheWindowsFolder) {
  files.SetWindowsFolder("D:\\");
  files.AddFile("D:\\system32\\tool.dll");
  EXPECT_EQ(check.WinDir(), "D:\\");
  EXPECT_TRUE(check.CheckInSysFolders("tool.dll"));
}

TEST_F(CheckValidTest, ExistenceHelpers) {
  EXPECT_TRUE(check.CheckFolderExists("C:\\WINDOWS"));
  EXPECT_FALSE(check.CheckFolderExists("C:\\Nowhere"));
  EXPECT_FALSE(check.CheckFolderExists("\"C:\\WINDOWS\" /s"));
  EXPECT_TRUE(check.CheckFileExists("C:\\WINDOWS\\notepad.exe"));
  EXPECT_FALSE(check.CheckFileExists("C:\\WINDOWS"));

  files.SetSpecialFolder(0x14, "C:\\WINDOWS\\Fonts");
  EXPECT_EQ(check.SpecialFolderPath(0x14), "C:\\WINDOWS\\Fonts");
  EXPECT_EQ(check.SpecialFolderPath(0x26), "");
}

TEST(AddSlash, EndsWithOneBackslash) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"C:\\WINDOWS", "C:\\WINDOWS\\"},
      {"C:\\", "C:\\"},
      {"system32\\", "system32\\"},
  };
  for (const auto& [text, slashed] : cases) EXPECT_EQ(scan::addslash(text), slashed) << text;
}

}  // namespace
