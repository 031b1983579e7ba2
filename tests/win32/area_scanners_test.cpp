// The four special scan areas against the real registry and files of the
// test prefix: broken registrations seeded beside sound twins, scanned
// through the real platform and language library, then removed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "scan/kept_texts.h"
#include "scan/scan_engine.h"

#include <windows.h>

namespace {

using platform::kLocalMachine;
using Rows = std::vector<scan::ProblemEntry>;

// Fresh identifiers and names that no Wine registration can hold.
constexpr char kBrokenClass[] = "{1E455B7D-D5B2-4C77-89F6-DC9E7FA79BB1}";
constexpr char kSoundClass[] = "{559104BF-D46F-4B71-A05D-094B77BBCC26}";
constexpr char kMissingLibrary[] = "{2AF9B8F8-7A67-433E-B8AA-1A63C56C6FF4}";
constexpr char kSoundLibrary[] = "{64004DF6-63D1-45CE-A2AB-24567638A7CD}";
constexpr char kSoundProgId[] = "SuiteTest.Special.Registered";
constexpr char kBrokenExtension[] = ".suitetestbroken";
constexpr char kSoundExtension[] = ".suitetestsound";
constexpr char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
constexpr char kFonts[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// Files the sound twins name; C:\SuiteTestMissing never exists.
constexpr char kFolder[] = "C:\\SuiteTestSpecial";
constexpr char kPresentDll[] = "C:\\SuiteTestSpecial\\present.dll";
constexpr char kPresentExe[] = "C:\\SuiteTestSpecial\\present.exe";
constexpr char kPresentTlb[] = "C:\\SuiteTestSpecial\\present.tlb";
constexpr char kPresentFont[] = "C:\\SuiteTestSpecial\\present.ttf";
constexpr char kFontsFolderFont[] = "suitetest-present.ttf";

constexpr const char* kAreas[] = {"COM", "IFA", "DLL", "FONT"};

// The window side of a scan that runs to its end: the stop caption stays.
class PlainScanWindow : public scan::ScanWindow {
 public:
  explicit PlainScanWindow(std::string caption) : caption_(std::move(caption)) {}
  Rows rows;

  std::string ScanCaption() override { return caption_; }
  void SetScanCaption(const std::string& caption) override { caption_ = caption; }
  void SetScanLinkCaption(const std::string&) override {}
  void Yield() override {}
  void ClearProblems() override { rows.clear(); }
  void AppendProblem(const scan::ProblemEntry& entry) override { rows.push_back(entry); }
  void EnableProblemList(bool) override {}
  void SetCountLabel(const std::string&) override {}
  void SetStatusPanel(int, const std::string&) override {}
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
  void SetBusyCursor(bool) override {}
  void PlayClip(const std::string&) override {}
  void StopClip() override {}
  void EnableLink(int, bool) override {}
  int ShowMessage(const std::string&, const std::string&, unsigned) override { return scan::kIdOk; }
  bool SkipCdLan() override { return false; }
  std::vector<scan::ScanArea> ScanAreas() override { return {}; }
  const std::vector<scan::ExcludeRule>& ExcludeRules() override { return rules_; }
  std::string ProgramFolder() override { return {}; }

 private:
  std::string caption_;
  std::vector<scan::ExcludeRule> rules_;
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class SpecialScannersTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(kept.stop_caption.empty()) << "phrasebook.dll and its files beside the test";
    RemoveSeeds();
    fonts_folder = files.SpecialFolderPath(20);
    ASSERT_FALSE(fonts_folder.empty());
  }
  void TearDown() override { RemoveSeeds(); }

  // Rows of a scan of one area.
  Rows Scan(const std::string& area) {
    PlainScanWindow window(kept.stop_caption);
    scan::ScanEngine engine(registry, files, texts, window, kept);
    engine.ScanKey(area);
    return window.rows;
  }

  void SetString(std::uint32_t root, const std::string& path, const std::string& name,
                 const std::string& data) {
    platform::KeyHandle key = 0;
    ASSERT_EQ(registry.Create(root, path, &key), platform::kOk) << path;
    ASSERT_EQ(registry.SetValue(key, name, platform::kRegSz, data), platform::kOk);
    registry.Close(key);
  }
  void SetDword(const std::string& path, const std::string& name, std::uint32_t value) {
    platform::KeyHandle key = 0;
    ASSERT_EQ(registry.Create(kLocalMachine, path, &key), platform::kOk);
    const std::string bytes(reinterpret_cast<const char*>(&value), sizeof value);
    ASSERT_EQ(registry.SetValue(key, name, platform::kRegDword, bytes), platform::kOk);
    registry.Close(key);
  }
  void MakeFile(const std::string& path) {
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    CloseHandle(file);
  }

  void Seed() {
    const std::string classes = "Software\\Classes\\";
    // Classes: one broken in every way, its twin sound in every way.
    const std::string broken = classes + "CLSID\\" + kBrokenClass;
    SetString(kLocalMachine, broken + "\\InprocServer32", "", "C:\\SuiteTestMissing\\server.dll");
    SetString(kLocalMachine, broken + "\\ProgID", "", "SuiteTest.Special.Unregistered");
    SetString(kLocalMachine, broken + "\\TypeLib", "", kMissingLibrary);
    const std::string sound = classes + "CLSID\\" + kSoundClass;
    SetString(kLocalMachine, sound + "\\InprocServer32", "", kPresentDll);
    SetString(kLocalMachine, sound + "\\InprocServer32", "ThreadingModel", "Both");
    SetString(kLocalMachine, sound + "\\ProgID", "", kSoundProgId);
    SetString(kLocalMachine, sound + "\\TypeLib", "", kSoundLibrary);
    SetString(kLocalMachine, classes + kSoundProgId + "\\CLSID", "", kSoundClass);
    SetString(kLocalMachine, classes + "TypeLib\\" + kSoundLibrary + "\\1.0\\0\\win32", "",
              kPresentTlb);
    SetString(kLocalMachine, classes + "TypeLib\\" + kSoundLibrary + "\\1.1\\0\\win32", "",
              "C:\\SuiteTestMissing\\library.tlb");

    // Extensions whose open command names a program.
    SetString(kLocalMachine, classes + kBrokenExtension, "", "SuiteTest.BrokenFile");
    SetString(kLocalMachine, classes + kBrokenExtension + "\\shell\\open\\command", "",
              "\"C:\\SuiteTestMissing\\editor.exe\" \"%1\"");
    SetString(kLocalMachine, classes + kSoundExtension, "", "SuiteTest.SoundFile");
    SetString(kLocalMachine, classes + kSoundExtension + "\\shell\\open\\command", "",
              std::string("\"") + kPresentExe + "\" \"%1\"");

    SetDword(kSharedDlls, "C:\\SuiteTestMissing\\shared.dll", 1);
    SetDword(kSharedDlls, kPresentDll, 2);

    SetString(kLocalMachine, kFonts, "SuiteTest Missing (TrueType)", "suitetest-missing.ttf");
    SetString(kLocalMachine, kFonts, "SuiteTest Gone (TrueType)", "C:\\SuiteTestMissing\\gone.ttf");
    SetString(kLocalMachine, kFonts, "SuiteTest Present (TrueType)", kFontsFolderFont);
    SetString(kLocalMachine, kFonts, "SuiteTest Full Path (TrueType)", kPresentFont);

    CreateDirectoryW(Wide(kFolder).c_str(), nullptr);
    for (const char* file : {kPresentDll, kPresentExe, kPresentTlb, kPresentFont}) MakeFile(file);
    MakeFile(scan::addslash(fonts_folder) + kFontsFolderFont);
  }

  // Leaves the prefix as it was, also after a failed run.
  void RemoveSeeds() {
    const std::wstring classes = L"Software\\Classes\\";
    for (const std::string& key :
         {std::string("CLSID\\") + kBrokenClass, std::string("CLSID\\") + kSoundClass,
          std::string("TypeLib\\") + kSoundLibrary, std::string(kSoundProgId),
          std::string(kBrokenExtension), std::string(kSoundExtension)}) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (classes + Wide(key)).c_str());
    }
    for (const char* name : {"C:\\SuiteTestMissing\\shared.dll", kPresentDll}) {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Wide(kSharedDlls).c_str(), Wide(name).c_str());
    }
    DeleteIfEmpty(kSharedDlls);  // a fresh prefix has none
    for (const char* name : {"SuiteTest Missing (TrueType)", "SuiteTest Gone (TrueType)",
                             "SuiteTest Present (TrueType)", "SuiteTest Full Path (TrueType)"}) {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Wide(kFonts).c_str(), Wide(name).c_str());
    }
    for (const char* file : {kPresentDll, kPresentExe, kPresentTlb, kPresentFont}) {
      DeleteFileW(Wide(file).c_str());
    }
    RemoveDirectoryW(Wide(kFolder).c_str());
    if (!fonts_folder.empty()) {
      DeleteFileW(Wide(scan::addslash(fonts_folder) + kFontsFolderFont).c_str());
    }
  }

  static void DeleteIfEmpty(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return;
    }
    DWORD subkeys = 1, values = 1;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    if (subkeys == 0 && values == 0) RegDeleteKeyW(HKEY_LOCAL_MACHINE, Wide(path).c_str());
  }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::PhrasebookTexts texts;
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  std::string fonts_folder;
};

// Rows in a fixed order, to compare scans whose rows interleave.
Rows Sorted(Rows rows) {
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return std::tie(a.location, a.value_name) < std::tie(b.location, b.value_name);
  });
  return rows;
}

TEST_F(SpecialScannersTest, AFreshPrefixHasOnlyFontsMissingFromTheFontsFolder) {
  EXPECT_EQ(Scan("COM"), Rows{});
  EXPECT_EQ(Scan("IFA"), Rows{});
  EXPECT_EQ(Scan("DLL"), Rows{});
  // Wine lists a few of its bitmap fonts by bare name but keeps their files
  // in its own data folder, outside the prefix: not in the fonts folder.
  for (const scan::ProblemEntry& row : Scan("FONT")) {
    EXPECT_EQ(row.value_data.find(":\\"), std::string::npos) << row.value_data;
    EXPECT_FALSE(files.FileExists(scan::addslash(fonts_folder) + row.value_data))
        << row.value_data;
    EXPECT_EQ(row.reason, kept.reason[11]);
  }
}

TEST_F(SpecialScannersTest, ListsExactlyTheBrokenSeeds) {
  Rows before;
  for (const char* area : kAreas) {
    for (const scan::ProblemEntry& row : Scan(area)) before.push_back(row);
  }
  Seed();
  Rows after;
  for (const char* area : kAreas) {
    for (const scan::ProblemEntry& row : Scan(area)) after.push_back(row);
  }

  const std::string clsid = std::string("HKEY_LOCAL_MACHINE\\software\\classes\\CLSID\\") +
                            kBrokenClass + "\\";
  Rows expected = before;
  const Rows seeded = {
      {clsid + "InprocServer32", "", "C:\\SuiteTestMissing\\server.dll", kept.reason[0], "1", ""},
      {clsid + "ProgID", "", "SuiteTest.Special.Unregistered", kept.reason[6], "1", ""},
      {clsid + "TypeLib", "", kMissingLibrary, kept.reason[2], "1", ""},
      {std::string("HKEY_LOCAL_MACHINE\\software\\classes\\TypeLib\\") + kSoundLibrary +
           "\\1.1\\0\\win32",
       "", "C:\\SuiteTestMissing\\library.tlb", kept.reason[0], "1", ""},
      {std::string("HKEY_CLASSES_ROOT\\") + kBrokenExtension + "\\shell\\open\\command", "",
       "\"C:\\SuiteTestMissing\\editor.exe\" \"%1\"", kept.reason[0], "1", ""},
      {std::string("HKEY_LOCAL_MACHINE\\") + kSharedDlls, "C:\\SuiteTestMissing\\shared.dll", "1",
       kept.reason[10], "4", ""},
      {std::string("HKEY_LOCAL_MACHINE\\") + kFonts, "SuiteTest Gone (TrueType)",
       "C:\\SuiteTestMissing\\gone.ttf", kept.reason[11], "1", ""},
      {std::string("HKEY_LOCAL_MACHINE\\") + kFonts, "SuiteTest Missing (TrueType)",
       "suitetest-missing.ttf", kept.reason[11], "1", ""},
  };
  expected.insert(expected.end(), seeded.begin(), seeded.end());
  EXPECT_EQ(Sorted(after), Sorted(expected));
}

}  // namespace
