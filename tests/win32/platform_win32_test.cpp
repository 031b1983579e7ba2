// The Win32 registry and file system against the real thing, and the
// in-memory ones against the same cases, so that the semantics the native
// tests rely on are those Windows has.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory_file_system.h"
#include "platform/memory_registry.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"

#include <windows.h>
#include <shellapi.h>
#undef DeleteFile
#undef ReplaceFile
#undef SetCurrentDirectory

namespace {

using platform::FolderState;
using platform::KeyHandle;
using platform::RegValue;

constexpr char kTestKey[] = "Software\\SuiteTest\\platform";

// ---------------------------------------------------------------------------
// Registry: the same cases against the real registry and the in-memory one.

// Wine keeps a key's values sorted by name where Windows keeps them in
// creation order (the order MemoryRegistry gives, as on Windows).
bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

struct RealRegistry {
  platform::Win32Registry registry;
  static bool ValuesByName() { return RunningUnderWine(); }
  // Leaves nothing behind, also after a failed run.
  static void Clean() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\SuiteTest\\platform"); }
};

struct FakeRegistry {
  platform::MemoryRegistry registry;
  static bool ValuesByName() { return false; }
  static void Clean() {}
};

template <typename World>
class RegistryContract : public testing::Test {
 protected:
  void SetUp() override {
    World::Clean();
    ASSERT_EQ(reg().Create(platform::kCurrentUser, kTestKey, &base_), platform::kOk);
  }
  void TearDown() override {
    reg().Close(base_);
    World::Clean();
  }

  platform::Registry& reg() { return world_.registry; }

  KeyHandle Make(const std::string& path) {
    KeyHandle key = 0;
    EXPECT_EQ(reg().Create(base_, path, &key), platform::kOk) << path;
    return key;
  }

  std::vector<std::string> SubKeys(KeyHandle key) {
    std::vector<std::string> names;
    std::string name;
    std::uint32_t i = 0;
    long status;
    while ((status = reg().EnumKey(key, i++, &name)) == platform::kOk) names.push_back(name);
    EXPECT_EQ(status, platform::kNoMoreItems);
    return names;
  }

  std::vector<RegValue> Values(KeyHandle key) {
    std::vector<RegValue> values;
    RegValue value;
    std::uint32_t i = 0;
    long status;
    while ((status = reg().EnumValue(key, i++, &value)) == platform::kOk) values.push_back(value);
    EXPECT_EQ(status, platform::kNoMoreItems);
    return values;
  }

  World world_;
  KeyHandle base_ = 0;
};

using RegistryWorlds = testing::Types<RealRegistry, FakeRegistry>;
TYPED_TEST_SUITE(RegistryContract, RegistryWorlds);

// Names with "[\\]^_`" are left out: Windows compares upper-cased names,
// Wine lower-cased ones, so "_x" comes after "Z" on one and before "a" on
// the other.
TYPED_TEST(RegistryContract, SubKeysComeInCaseInsensitiveOrder) {
  for (const char* name : {"beta", "Alpha", "zeta", "ALPHA2", "Z", "a b", "Alpha 1", "9"}) {
    this->reg().Close(this->Make(name));
  }
  EXPECT_EQ(this->SubKeys(this->base_),
            (std::vector<std::string>{"9", "a b", "Alpha", "Alpha 1", "ALPHA2", "beta", "Z",
                                      "zeta"}));
  std::uint32_t subkeys = 0, values = 9;
  EXPECT_EQ(this->reg().QueryCounts(this->base_, &subkeys, &values), platform::kOk);
  EXPECT_EQ(subkeys, 8u);
  EXPECT_EQ(values, 0u);
}

TYPED_TEST(RegistryContract, ValuesKeepTheirPlaceAndTheirFirstName) {
  auto& reg = this->reg();
  for (const char* name : {"second", "first", "Third", ""}) {
    ASSERT_EQ(reg.SetValue(this->base_, name, platform::kRegSz, "x"), platform::kOk);
  }
  ASSERT_EQ(reg.SetValue(this->base_, "FIRST", platform::kRegSz, "y"), platform::kOk);
  std::vector<std::string> names;
  for (const RegValue& value : this->Values(this->base_)) names.push_back(value.name);
  const std::vector<std::string> expected =
      TypeParam::ValuesByName() ? std::vector<std::string>{"", "first", "second", "Third"}
                                : std::vector<std::string>{"second", "first", "Third", ""};
  EXPECT_EQ(names, expected);

  std::uint32_t type = 0;
  std::string data;
  EXPECT_EQ(reg.QueryValue(this->base_, "First", &type, &data), platform::kOk);
  EXPECT_EQ(data, "y");
  EXPECT_EQ(reg.DeleteValue(this->base_, "SECOND"), platform::kOk);
  EXPECT_EQ(reg.DeleteValue(this->base_, "second"), platform::kNotFound);
  EXPECT_EQ(reg.QueryValue(this->base_, "second", &type, &data), platform::kNotFound);
  EXPECT_EQ(this->Values(this->base_).size(), 3u);
}

TYPED_TEST(RegistryContract, DataKeepsNulsTypesAndText) {
  const struct {
    const char* name;
    std::uint32_t type;
    std::string data;
  } cases[] = {
      {"sz", platform::kRegSz, std::string("C:\\a.exe\0junk\0", 14)},
      {"expand", platform::kRegExpandSz, "%SystemRoot%\\x.dll"},
      {"multi", platform::kRegMultiSz, std::string("one\0two\0\0", 9)},
      {"unicode", platform::kRegSz, "C:\\Ünïcødé\\€.exe"},
      {"empty", platform::kRegSz, ""},
      {"binary", platform::kRegBinary, std::string("\x00\xFF\x10\x00\x7F", 5)},
      {"dword", platform::kRegDword, std::string("\xFF\xFF\xFF\xFF", 4)},
      {"none", platform::kRegNone, std::string("\0", 1)},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(this->reg().SetValue(this->base_, c.name, c.type, c.data), platform::kOk);
  }
  std::map<std::string, RegValue> values;
  for (RegValue& value : this->Values(this->base_)) values[value.name] = std::move(value);
  ASSERT_EQ(values.size(), std::size(cases));
  for (const auto& c : cases) {
    EXPECT_EQ(values[c.name].type, c.type) << c.name;
    EXPECT_EQ(values[c.name].data, c.data) << c.name;
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(this->reg().QueryValue(this->base_, c.name, &type, &data), platform::kOk);
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(data, c.data) << c.name;
  }
}

TYPED_TEST(RegistryContract, ValueNamesLongerThan260AreMoreData) {
  const std::string longest(260, 'n'), too_long(261, 'L');
  const std::string big(10000, 'd');  // more than the first guess of any buffer
  ASSERT_EQ(this->reg().SetValue(this->base_, longest, platform::kRegBinary, big), platform::kOk);
  ASSERT_EQ(this->reg().SetValue(this->base_, too_long, platform::kRegSz, big), platform::kOk);
  ASSERT_EQ(this->reg().SetValue(this->base_, "after", platform::kRegSz, "x"), platform::kOk);
  std::map<std::string, std::string> read;
  int more_data = 0;
  for (std::uint32_t i = 0; i < 3; ++i) {
    RegValue value{"keep", 7, "data"};
    long status = this->reg().EnumValue(this->base_, i, &value);
    if (status == platform::kMoreData) {
      ++more_data;
      EXPECT_EQ(value.name, "keep");  // nothing filled
      EXPECT_EQ(value.data, "data");
    } else {
      EXPECT_EQ(status, platform::kOk);
      read[value.name] = value.data;
    }
  }
  EXPECT_EQ(more_data, 1);
  EXPECT_EQ(read.size(), 2u);
  EXPECT_TRUE(read[longest] == big) << read[longest].size() << " bytes";
  EXPECT_EQ(read["after"], "x");
}

// A doubled "\\" is left out: Wine collapses it, Windows does so only for
// keys in its lookup cache and otherwise looks for an empty name.
TYPED_TEST(RegistryContract, PathsAndTheStatusesOfOpen) {
  this->reg().Close(this->Make("Child\\Grand"));
  const struct {
    const char* path;
    long status;
  } cases[] = {
      {"Child\\Grand", platform::kOk},   {"CHILD\\grand", platform::kOk},
      {"Child\\Grand\\", platform::kOk}, {"", platform::kOk},
      {"Child\\Missing", platform::kNotFound}, {"Child ", platform::kNotFound},
      {" Child", platform::kNotFound},
  };
  for (const auto& c : cases) {
    KeyHandle key = 0;
    EXPECT_EQ(this->reg().Open(this->base_, c.path, platform::kKeyRead, &key), c.status)
        << "'" << c.path << "'";
    EXPECT_EQ(key != 0, c.status == platform::kOk) << c.path;
    if (key) EXPECT_EQ(this->reg().Close(key), platform::kOk);
  }
}

TYPED_TEST(RegistryContract, EmptyPathGivesAHandleOfItsOwn) {
  KeyHandle again = 0;
  ASSERT_EQ(this->reg().Open(this->base_, "", platform::kDefaultAccess, &again), platform::kOk);
  EXPECT_NE(again, this->base_);
  ASSERT_EQ(this->reg().SetValue(again, "v", platform::kRegSz, "x"), platform::kOk);
  EXPECT_EQ(this->reg().Close(again), platform::kOk);
  std::uint32_t type = 0;
  std::string data;
  EXPECT_EQ(this->reg().QueryValue(this->base_, "v", &type, &data), platform::kOk);
}

TYPED_TEST(RegistryContract, ReadOnlyHandleCannotWrite) {
  ASSERT_EQ(this->reg().SetValue(this->base_, "v", platform::kRegSz, "x"), platform::kOk);
  KeyHandle read = 0;
  ASSERT_EQ(this->reg().Open(platform::kCurrentUser, kTestKey, platform::kKeyRead, &read),
            platform::kOk);
  EXPECT_EQ(this->reg().SetValue(read, "w", platform::kRegSz, "y"), platform::kAccessDenied);
  EXPECT_EQ(this->reg().DeleteValue(read, "v"), platform::kAccessDenied);
  std::uint32_t type = 0;
  std::string data;
  EXPECT_EQ(this->reg().QueryValue(read, "v", &type, &data), platform::kOk);
  EXPECT_EQ(this->reg().Close(read), platform::kOk);
}

TYPED_TEST(RegistryContract, DeleteKeyCloseAndRoots) {
  this->reg().Close(this->Make("Parent\\Child"));
  EXPECT_EQ(this->reg().DeleteKey(this->base_, "Parent"), platform::kAccessDenied);
  EXPECT_EQ(this->reg().DeleteKey(this->base_, "parent\\CHILD"), platform::kOk);
  EXPECT_EQ(this->reg().DeleteKey(this->base_, "Parent\\Child"), platform::kNotFound);
  EXPECT_EQ(this->reg().DeleteKey(this->base_, "Parent"), platform::kOk);
  EXPECT_TRUE(this->SubKeys(this->base_).empty());

  KeyHandle key = this->Make("Once");
  EXPECT_EQ(this->reg().Close(key), platform::kOk);
  EXPECT_EQ(this->reg().Close(key), ERROR_INVALID_HANDLE);
  std::uint32_t subkeys = 0, values = 0;
  EXPECT_EQ(this->reg().QueryCounts(platform::kCurrentUser, &subkeys, &values), platform::kOk);
  EXPECT_GT(subkeys, 0u);
  EXPECT_EQ(this->reg().Close(platform::kCurrentUser), platform::kOk);
  EXPECT_EQ(this->reg().QueryCounts(platform::kCurrentUser, &subkeys, &values), platform::kOk);
}

// What only the real registry can show: the bytes that reach it.

class Win32RegistryBytes : public RegistryContract<RealRegistry> {
 protected:
  HKEY Raw() {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\SuiteTest\\platform", 0, KEY_ALL_ACCESS, &key);
    return key;
  }
};

TEST_F(Win32RegistryBytes, StringsAreWrittenWithoutAddedTerminator) {
  ASSERT_EQ(reg().SetValue(base_, "v", platform::kRegSz, "ab€"), platform::kOk);
  HKEY key = Raw();
  wchar_t data[8] = {};
  DWORD bytes = sizeof(data), type = 0;
  ASSERT_EQ(RegQueryValueExW(key, L"v", nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, 3 * sizeof(wchar_t));
  EXPECT_EQ(std::wstring(data, 3), L"ab\u20AC");
}

TEST_F(Win32RegistryBytes, OddTrailingByteOfAStringIsDropped) {
  HKEY key = Raw();
  const BYTE data[] = {'h', 0, 'i', 0, 'X'};
  ASSERT_EQ(RegSetValueExW(key, L"odd", 0, REG_SZ, data, sizeof(data)), ERROR_SUCCESS);
  RegCloseKey(key);
  RegValue value;
  ASSERT_EQ(reg().EnumValue(base_, 0, &value), platform::kOk);
  EXPECT_EQ(value.data, "hi");
  std::uint32_t type = 0;
  std::string text;
  ASSERT_EQ(reg().QueryValue(base_, "odd", &type, &text), platform::kOk);
  EXPECT_EQ(text, "hi");
}

// ---------------------------------------------------------------------------
// File system: the same cases against a temporary folder and its copy in memory.

std::string TestFolder() {
  wchar_t temp[MAX_PATH];
  DWORD length = GetTempPathW(MAX_PATH, temp);
  return platform::WideToUtf8(std::wstring_view(temp, length)) + "SuiteTest-platform";
}

void RemoveTree(const std::string& folder) {
  // SHFileOperation wants a list ending in two NULs.
  std::wstring from = platform::Utf8ToWide(folder) + L'\0';
  SHFILEOPSTRUCTW operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

struct RealFiles {
  platform::Win32FileSystem files;
  explicit RealFiles(const std::string& base) {
    RemoveTree(base);
    CreateDirectoryW(platform::Utf8ToWide(base).c_str(), nullptr);
  }
  void AddFolder(const std::string& path) {
    CreateDirectoryW(platform::Utf8ToWide(path).c_str(), nullptr);
  }
  void AddFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(platform::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  void SetCurrent(const std::string& path) {
    SetCurrentDirectoryW(platform::Utf8ToWide(path).c_str());
  }
};

struct FakeFiles {
  platform::MemoryFileSystem files;
  explicit FakeFiles(const std::string& base) { files.AddFolder(base); }
  void AddFolder(const std::string& path) { files.AddFolder(path); }
  void AddFile(const std::string& path, const std::string& bytes) { files.AddFile(path, bytes); }
  void SetCurrent(const std::string& path) { files.SetCurrentDirectory(path); }
};

template <typename World>
class FileSystemContract : public testing::Test {
 protected:
  FileSystemContract() : base_(TestFolder()), world_(base_) {}
  void SetUp() override {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    saved_current_ = current;
    world_.AddFolder(base_ + "\\Sub Folder");
    world_.AddFile(base_ + "\\Sub Folder\\Inner.dll", "MZ");
    world_.AddFile(base_ + "\\file.txt", "text");
  }
  void TearDown() override {
    SetCurrentDirectoryW(saved_current_.c_str());
    RemoveTree(base_);
  }

  platform::FileSystem& fs() { return world_.files; }

  const std::string base_;
  World world_;
  std::wstring saved_current_;
};

using FileWorlds = testing::Types<RealFiles, FakeFiles>;
TYPED_TEST_SUITE(FileSystemContract, FileWorlds);

TYPED_TEST(FileSystemContract, FilesAndFoldersByPath) {
  const std::string base = this->base_;
  const struct {
    std::string path;
    bool file;
    FolderState folder;
  } cases[] = {
      {base + "\\file.txt", true, FolderState::kNotFound},
      {base + "\\FILE.TXT", true, FolderState::kNotFound},
      {base + "/Sub Folder/inner.DLL", true, FolderState::kNotFound},
      {base + "\\file.txt ", true, FolderState::kNotFound},
      {base + "\\file.txt.", true, FolderState::kNotFound},
      {base + "\\Sub Folder\\..\\file.txt", true, FolderState::kNotFound},
      {base + "\\file.txt\\", false, FolderState::kNotFound},
      {base + "\\Sub Folder", false, FolderState::kExists},
      {base + "\\sub folder\\", false, FolderState::kExists},
      {base, false, FolderState::kExists},
      {"C:\\", false, FolderState::kExists},
      {base + "\\missing.txt", false, FolderState::kNotFound},
      {base + "\\Missing\\x.txt", false, FolderState::kNotFound},
      {base + "\\Sub", false, FolderState::kNotFound},
      {"Q:\\nowhere", false, FolderState::kNotFound},
      {"", false, FolderState::kNotFound},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(this->fs().FileExists(c.path), c.file) << c.path;
    EXPECT_EQ(this->fs().QueryFolder(c.path), c.folder) << c.path;
  }
}

TYPED_TEST(FileSystemContract, TextsThatCannotBePathsNameNothing) {
  const std::string file = this->base_ + "\\file.txt";
  for (const std::string& text : std::vector<std::string>{
           "\"" + file + "\"", file + "\"", file + "|x", this->base_ + "\\*.txt",
        this->base_ + "\\file.tx?", this->base_ + "\\<file.txt>", file + ":stream",
        "C:\\a:b\\c", std::string(file + '\0' + "tail"), "\"" + this->base_ + "\""}) {
    EXPECT_FALSE(this->fs().FileExists(text)) << text;
    EXPECT_EQ(this->fs().QueryFolder(text), FolderState::kNotFound) << text;
  }
}

TYPED_TEST(FileSystemContract, RelativePathsStartAtTheCurrentDirectory) {
  this->world_.SetCurrent(this->base_ + "\\Sub Folder");
  EXPECT_TRUE(this->fs().FileExists("Inner.dll"));
  EXPECT_TRUE(this->fs().FileExists("..\\file.txt"));
  EXPECT_EQ(this->fs().QueryFolder("."), FolderState::kExists);
  EXPECT_FALSE(this->fs().FileExists("file.txt"));
}

TYPED_TEST(FileSystemContract, ReplaceReadListAndDelete) {
  auto& fs = this->fs();
  const std::string file = this->base_ + "\\file.txt";
  const std::string data("new\r\n\0text", 10);
  ASSERT_TRUE(fs.ReplaceFile(file, data));
  ASSERT_TRUE(fs.ReplaceFile(this->base_ + "\\Made.lst", "x"));
  std::string read;
  ASSERT_TRUE(fs.ReadFile(file, &read));
  EXPECT_EQ(read, data);
  EXPECT_FALSE(fs.ReadFile(this->base_ + "\\missing.txt", &read));
  EXPECT_FALSE(fs.ReplaceFile(this->base_ + "\\Missing\\x.txt", "x"));

  std::vector<std::string> names;
  for (const auto& entry : fs.ListFolder(this->base_)) {
    names.push_back(entry.name);
    if (entry.name == "file.txt") {
      EXPECT_EQ(entry.size, data.size());
      EXPECT_FALSE(entry.is_folder);
      EXPECT_GT(entry.modified, 1600000000);  // written just now
    }
    if (entry.name == "Sub Folder") EXPECT_TRUE(entry.is_folder);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Made.lst", "Sub Folder", "file.txt"}));
  EXPECT_TRUE(fs.ListFolder(this->base_ + "\\Missing").empty());

  EXPECT_TRUE(fs.CreateFolder(this->base_ + "\\New"));
  EXPECT_TRUE(fs.CreateFolder(this->base_ + "\\New"));
  EXPECT_FALSE(fs.CreateFolder(this->base_ + "\\Missing\\New"));
  EXPECT_FALSE(fs.CreateFolder(file));
  EXPECT_TRUE(fs.DeleteFile(file));
  EXPECT_FALSE(fs.DeleteFile(file));
  EXPECT_FALSE(fs.FileExists(file));
}

// What only the real file system can show.

TEST(Win32FileSystem, DrivesAndSystemFolders) {
  platform::Win32FileSystem fs;
  const auto drives = fs.Drives();
  auto c = std::find_if(drives.begin(), drives.end(),
                        [](const platform::Drive& drive) { return drive.letter == 'C'; });
  ASSERT_NE(c, drives.end());
  EXPECT_EQ(c->type, platform::kDriveFixed);
  EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end(),
                             [](auto& a, auto& b) { return a.letter < b.letter; }));

  const std::string windows = fs.WindowsFolder();
  EXPECT_EQ(fs.QueryFolder(windows), FolderState::kExists) << windows;
  EXPECT_EQ(windows.back() != '\\', windows.size() > 3);
  const std::string app_data = fs.SpecialFolderPath(0x1A);  // CSIDL_APPDATA
  EXPECT_EQ(fs.QueryFolder(app_data), FolderState::kExists) << app_data;
  EXPECT_EQ(fs.SpecialFolderPath(0xFF), "");  // no such folder
}

TEST(Win32FileSystem, ReplaceKeepsTheOldFileWhenTheRenameFails) {
  const std::string base = TestFolder();
  RealFiles world(base);
  const std::string file = base + "\\Exclude.lst";
  world.AddFile(file, "old");
  // Another program holding the file without sharing makes the rename fail.
  HANDLE held = CreateFileW(platform::Utf8ToWide(file).c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(world.files.ReplaceFile(file, "new"));
  CloseHandle(held);
  std::string bytes;
  ASSERT_TRUE(world.files.ReadFile(file, &bytes));
  EXPECT_EQ(bytes, "old");
  std::vector<std::string> names;
  for (const auto& entry : world.files.ListFolder(base)) names.push_back(entry.name);
  EXPECT_EQ(names, std::vector<std::string>{"Exclude.lst"});  // no temporary left
  RemoveTree(base);
}

TEST(Win32FileSystem, TextFilesAreAnsiOnDisk) {
  const std::string base = TestFolder();
  RealFiles world(base);
  const std::string file = base + "\\Exclude.lst";
  ASSERT_TRUE(world.files.ReplaceTextFile(file, "caf\u00e9;;x\r\n"));
  std::string bytes;
  ASSERT_TRUE(world.files.ReadFile(file, &bytes));
  EXPECT_EQ(bytes.size(), 9u) << "one byte for the accented letter";
  std::string text;
  ASSERT_TRUE(world.files.ReadTextFile(file, &text));
  EXPECT_EQ(text, "caf\u00e9;;x\r\n");
  EXPECT_FALSE(world.files.ReadTextFile(base + "\\missing.lst", &text));
  RemoveTree(base);
}

}  // namespace
