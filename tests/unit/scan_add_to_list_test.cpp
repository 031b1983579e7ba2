#include <gtest/gtest.h>

#include <string>

#include "fakes/scan_fixture.h"

namespace {

using platform::kCurrentUser;

class AddToListTest : public fakes::ScanFixture {
 protected:
  AddToListTest() {
    files.AddDrive('D', platform::kDriveCdRom);
    files.AddDrive('E', platform::kDriveRemovable);
    files.AddDrive('N', platform::kDriveNetwork);
  }

  void Add(const std::string& data) {
    engine.AddtoList(kCurrentUser, "software\\Vendor", "Tool", data, platform::kRegSz, "why");
  }
};

TEST_F(AddToListTest, RecordsOneRow) {
  engine.AddtoList(kCurrentUser, "software\\Vendor", "Tool", "C:\\x.exe", 2, "why");
  EXPECT_EQ(window.problems,
            (std::vector<scan::ProblemEntry>{{"HKEY_CURRENT_USER\\software\\Vendor", "Tool",
                                              "C:\\x.exe", "why", "2", ""}}));
  EXPECT_EQ(engine.ProblemCount(), 1);
  EXPECT_EQ(window.Calls("SetCountLabel"),
            (std::vector<std::string>{"SetCountLabel 1 Registry Errors or Problems Found"}));
  EXPECT_EQ(window.progress, (std::vector<int>{3}));

  engine.AddtoList(0x12345u, "a\\b", "", "", 4294967295u, "");
  EXPECT_EQ(window.problems[1].location, "\\a\\b") << "a root outside the table has no name";
  EXPECT_EQ(window.problems[1].reg_type, "4294967295");
}

struct FilterCase {
  bool skip_cd_lan;
  const char* data;
  bool listed;
};

TEST_F(AddToListTest, LeavesCdRomAndNetworkDrivesAloneWhenAsked) {
  const FilterCase cases[] = {
      {true, "D:\\setup.exe", false},           // CD-ROM
      {false, "D:\\setup.exe", true},
      {true, "N:\\share\\tool.exe", false},     // network
      {true, "d:\\setup.exe", true},            // no drive is written "d:\"
      {true, "\"D:\\setup.exe\" /s", true},     // a quoted path has no drive root
      {true, "Rundll32 D:\\x.dll,Run", true},
      {true, "E:\\tool.exe", true},             // removable
      {true, "C:\\tool.exe", true},             // fixed
      {true, "X:\\tool.exe", true},             // no such drive
      {true, "no drive", true},
  };
  for (const FilterCase& c : cases) {
    window.skip_cd_lan = c.skip_cd_lan;
    window.problems.clear();
    Add(c.data);
    EXPECT_EQ(window.problems.size(), c.listed ? 1u : 0u) << c.data << " " << c.skip_cd_lan;
  }
  EXPECT_EQ(engine.ProblemCount(), 8) << "only listed rows count";
}

TEST(Drives, NamesRootsAndDrives) {
  const std::pair<std::uint32_t, const char*> roots[] = {
      {0x80000000u, "HKEY_CLASSES_ROOT"},     {0x80000001u, "HKEY_CURRENT_USER"},
      {0x80000002u, "HKEY_LOCAL_MACHINE"},    {0x80000003u, "HKEY_USERS"},
      {0x80000004u, "HKEY_PERFORMANCE_DATA"}, {0x80000005u, "HKEY_CURRENT_CONFIG"},
      {0x80000006u, "HKEY_DYN_DATA"},         {0x80000007u, ""},
      {0x7FFFFFFFu, ""},                      {0u, ""},
  };
  for (const auto& [handle, name] : roots) EXPECT_EQ(scan::HkeyText(handle), name) << handle;

  const std::pair<const char*, const char*> stripped[] = {
      {"D:\\setup.exe", "D:\\"}, {"d:\\x", "d:\\"}, {"C:\\", "C:\\"},
      {"\"C:\\x\"", ""},         {"C:x", ""},       {"\\\\server\\share\\x", ""},
      {"", ""},
  };
  for (const auto& [text, root] : stripped) EXPECT_EQ(scan::DriveRootOf(text), root) << text;

  platform::MemoryFileSystem files;
  files.AddDrive('D', platform::kDriveCdRom);
  EXPECT_EQ(scan::DriveTypeOf(files, "D:\\"), platform::kDriveCdRom);
  EXPECT_EQ(scan::DriveTypeOf(files, "C:\\"), platform::kDriveFixed);
  EXPECT_EQ(scan::DriveTypeOf(files, "d:\\"), platform::kDriveUnknown);
  EXPECT_EQ(scan::DriveTypeOf(files, "D:"), platform::kDriveUnknown);
  EXPECT_EQ(scan::DriveTypeOf(files, "Q:\\"), platform::kDriveUnknown);
}

}  // namespace
