// The in-memory registry and file system behave as Windows does where the
// scanners depend on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory_file_system.h"
#include "platform/memory_registry.h"

namespace {

using platform::FolderState;
using platform::KeyHandle;
using platform::MemoryFileSystem;
using platform::MemoryRegistry;
using platform::RegValue;

constexpr KeyHandle kHkcu = platform::kCurrentUser;

std::vector<std::string> SubKeys(MemoryRegistry& registry, KeyHandle key) {
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0; registry.EnumKey(key, i, &name) == platform::kOk; ++i) {
    names.push_back(name);
  }
  return names;
}

std::vector<std::string> ValueNames(MemoryRegistry& registry, KeyHandle key) {
  std::vector<std::string> names;
  RegValue value;
  for (std::uint32_t i = 0; registry.EnumValue(key, i, &value) == platform::kOk; ++i) {
    names.push_back(value.name);
  }
  return names;
}

TEST(MemoryRegistry, NamesMatchInAnyCaseAndKeepTheirOwn) {
  MemoryRegistry registry;
  registry.SetString(platform::kCurrentUser, "Software\\MyApp", "InstallDir", "C:\\App");
  KeyHandle key = 0;
  ASSERT_EQ(registry.Open(kHkcu, "SOFTWARE\\myapp", platform::kKeyRead, &key), platform::kOk);
  std::uint32_t type = 0;
  std::string data;
  EXPECT_EQ(registry.QueryValue(key, "INSTALLDIR", &type, &data), platform::kOk);
  EXPECT_EQ(data, "C:\\App");
  EXPECT_EQ(ValueNames(registry, key), std::vector<std::string>{"InstallDir"});

  KeyHandle software = 0;
  ASSERT_EQ(registry.Open(kHkcu, "software", platform::kKeyRead, &software), platform::kOk);
  EXPECT_EQ(SubKeys(registry, software), std::vector<std::string>{"MyApp"});
  registry.Close(software);
  registry.Close(key);
}

TEST(MemoryRegistry, SubKeysInUpperCaseOrderValuesInCreationOrder) {
  MemoryRegistry registry;
  for (const char* name : {"beta", "_under", "Alpha", "zeta", "ALPHA2", "Z"}) {
    registry.AddKey(platform::kCurrentUser, std::string("T\\") + name);
  }
  KeyHandle key = 0;
  ASSERT_EQ(registry.Create(kHkcu, "T", &key), platform::kOk);
  // '_' sorts after the letters, as Windows compares upper-cased names.
  EXPECT_EQ(SubKeys(registry, key),
            (std::vector<std::string>{"Alpha", "ALPHA2", "beta", "Z", "zeta", "_under"}));

  for (const char* name : {"second", "first", "third"}) {
    ASSERT_EQ(registry.SetValue(key, name, platform::kRegSz, "x"), platform::kOk);
  }
  ASSERT_EQ(registry.SetValue(key, "FIRST", platform::kRegDword, "1234"), platform::kOk);
  EXPECT_EQ(ValueNames(registry, key), (std::vector<std::string>{"second", "first", "third"}));
  ASSERT_EQ(registry.DeleteValue(key, "Second"), platform::kOk);
  EXPECT_EQ(ValueNames(registry, key), (std::vector<std::string>{"first", "third"}));
  registry.Close(key);
}

TEST(MemoryRegistry, DataKeepsNulsAndEnumerationEndsWith259) {
  MemoryRegistry registry;
  const std::string multi("one\0two\0\0", 9);
  registry.SetString(platform::kCurrentUser, "T", "List", multi, platform::kRegMultiSz);
  registry.SetDword(platform::kCurrentUser, "T", "Count", 0x01020304);
  KeyHandle key = 0;
  ASSERT_EQ(registry.Open(kHkcu, "T", platform::kDefaultAccess, &key), platform::kOk);
  RegValue value;
  ASSERT_EQ(registry.EnumValue(key, 0, &value), platform::kOk);
  EXPECT_EQ(value.type, platform::kRegMultiSz);
  EXPECT_EQ(value.data, multi);
  ASSERT_EQ(registry.EnumValue(key, 1, &value), platform::kOk);
  EXPECT_EQ(value.data, std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(registry.EnumValue(key, 2, &value), platform::kNoMoreItems);
  std::string name;
  EXPECT_EQ(registry.EnumKey(key, 0, &name), platform::kNoMoreItems);
  std::uint32_t subkeys = 9, values = 9;
  EXPECT_EQ(registry.QueryCounts(key, &subkeys, &values), platform::kOk);
  EXPECT_EQ(subkeys, 0u);
  EXPECT_EQ(values, 2u);
  registry.Close(key);
}

TEST(MemoryRegistry, NamesLongerThan260AreMoreData) {
  MemoryRegistry registry;
  const std::string longest(260, 'v'), too_long(261, 'w');
  registry.SetString(platform::kCurrentUser, "T", longest, "a");
  registry.SetString(platform::kCurrentUser, "T", too_long, "b");
  registry.AddKey(platform::kCurrentUser, "T\\" + too_long);
  KeyHandle key = 0;
  ASSERT_EQ(registry.Open(kHkcu, "T", platform::kKeyRead, &key), platform::kOk);
  RegValue value;
  EXPECT_EQ(registry.EnumValue(key, 0, &value), platform::kOk);
  EXPECT_EQ(value.name, longest);
  RegValue untouched{"keep", 7, "data"};
  EXPECT_EQ(registry.EnumValue(key, 1, &untouched), platform::kMoreData);
  EXPECT_EQ(untouched.name, "keep");
  std::string name;
  EXPECT_EQ(registry.EnumKey(key, 0, &name), platform::kMoreData);
  registry.Close(key);
}

TEST(MemoryRegistry, PathsAreExactNamesWithOneTrailingBackslashTolerated) {
  MemoryRegistry registry;
  registry.AddKey(platform::kCurrentUser, "Software\\App");
  const struct {
    const char* path;
    long status;
  } cases[] = {
      {"Software\\App", platform::kOk},   {"Software\\App\\", platform::kOk},
      {"software\\APP", platform::kOk},   {"", platform::kOk},
      {"Software\\\\App", platform::kNotFound}, {"Software\\App ", platform::kNotFound},
      {" Software\\App", platform::kNotFound},  {"Software\\Missing", platform::kNotFound},
  };
  for (const auto& c : cases) {
    KeyHandle key = 0;
    EXPECT_EQ(registry.Open(kHkcu, c.path, platform::kKeyRead, &key), c.status) << c.path;
    EXPECT_EQ(key != 0, c.status == platform::kOk) << c.path;
    registry.Close(key);
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(MemoryRegistry, AccessDecidesWhichOpensSucceed) {
  using Access = MemoryRegistry::Access;
  const struct {
    Access access;
    std::uint32_t mask;
    long status;
  } cases[] = {
      {Access::kFull, platform::kScanAccess, platform::kOk},
      {Access::kReadOnly, platform::kDefaultAccess, platform::kOk},
      {Access::kReadOnly, platform::kKeyRead, platform::kOk},
      {Access::kReadOnly, platform::kScanAccess, platform::kAccessDenied},
      {Access::kReadOnly, platform::kKeyAllAccess, platform::kAccessDenied},
      {Access::kNone, platform::kDefaultAccess, platform::kAccessDenied},
      {Access::kNone, platform::kKeyRead, platform::kAccessDenied},
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    registry.SetAccess(platform::kCurrentUser, "Locked", c.access);
    KeyHandle key = 0;
    EXPECT_EQ(registry.Open(kHkcu, "Locked", c.mask, &key), c.status)
        << static_cast<int>(c.access) << " " << c.mask;
    registry.Close(key);
  }
}

TEST(MemoryRegistry, ReadOnlyHandlesCannotWrite) {
  MemoryRegistry registry;
  registry.SetString(platform::kCurrentUser, "T", "v", "x");
  registry.SetAccess(platform::kCurrentUser, "Locked", MemoryRegistry::Access::kReadOnly);
  KeyHandle read = 0, locked = 0, child = 0;
  ASSERT_EQ(registry.Open(kHkcu, "T", platform::kKeyRead, &read), platform::kOk);
  EXPECT_EQ(registry.SetValue(read, "w", platform::kRegSz, "y"), platform::kAccessDenied);
  EXPECT_EQ(registry.DeleteValue(read, "v"), platform::kAccessDenied);
  // The default access gives a read-only key's handle read rights only.
  ASSERT_EQ(registry.Open(kHkcu, "Locked", platform::kDefaultAccess, &locked), platform::kOk);
  EXPECT_EQ(registry.SetValue(locked, "w", platform::kRegSz, "y"), platform::kAccessDenied);
  EXPECT_EQ(registry.Create(locked, "Child", &child), platform::kAccessDenied);
  EXPECT_TRUE(registry.HasValue(platform::kCurrentUser, "T", "v"));
  EXPECT_FALSE(registry.HasKey(platform::kCurrentUser, "Locked\\Child"));
  registry.Close(read);
  registry.Close(locked);
}

TEST(MemoryRegistry, HandlesBalanceAndRootsStayValid) {
  MemoryRegistry registry;
  KeyHandle made = 0, same = 0;
  ASSERT_EQ(registry.Create(kHkcu, "A\\B\\C", &made), platform::kOk);
  EXPECT_TRUE(registry.HasKey(platform::kCurrentUser, "a\\b"));
  ASSERT_EQ(registry.Open(made, "", platform::kKeyRead, &same), platform::kOk);
  EXPECT_NE(same, made);
  EXPECT_EQ(registry.OpenHandleCount(), 2u);
  EXPECT_EQ(registry.Close(made), platform::kOk);
  EXPECT_EQ(registry.Close(made), 6);  // ERROR_INVALID_HANDLE
  EXPECT_EQ(registry.Close(same), platform::kOk);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);

  for (KeyHandle root = platform::kClassesRoot; root <= platform::kDynData; ++root) {
    std::uint32_t subkeys = 0, values = 0;
    EXPECT_EQ(registry.Close(root), platform::kOk);
    EXPECT_EQ(registry.QueryCounts(root, &subkeys, &values), platform::kOk);
  }
  std::uint32_t subkeys = 0, values = 0;
  EXPECT_EQ(registry.QueryCounts(12345, &subkeys, &values), 6);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(MemoryRegistry, DeleteKeyOnlyWithoutSubKeys) {
  MemoryRegistry registry;
  registry.AddKey(platform::kCurrentUser, "A\\B");
  EXPECT_EQ(registry.DeleteKey(kHkcu, "A"), platform::kAccessDenied);
  EXPECT_EQ(registry.DeleteKey(kHkcu, "A\\B"), platform::kOk);
  EXPECT_EQ(registry.DeleteKey(kHkcu, "A\\B"), platform::kNotFound);
  EXPECT_EQ(registry.DeleteKey(kHkcu, "a"), platform::kOk);
  EXPECT_FALSE(registry.HasKey(platform::kCurrentUser, "A"));
}

TEST(MemoryRegistry, HandleToDeletedKeyFailsWithoutCrashing) {
  MemoryRegistry registry;
  KeyHandle key = 0;
  ASSERT_EQ(registry.Create(kHkcu, "Gone", &key), platform::kOk);
  ASSERT_EQ(registry.DeleteKey(kHkcu, "Gone"), platform::kOk);
  EXPECT_EQ(registry.SetValue(key, "v", platform::kRegSz, "x"), 1018);  // ERROR_KEY_DELETED
  EXPECT_EQ(registry.Close(key), platform::kOk);
}

// The file system.

TEST(MemoryFileSystem, PathsMatchInAnyCaseWithEitherSeparator) {
  MemoryFileSystem files;
  files.AddFile("C:\\Program Files\\App\\App.exe", "MZ");
  const struct {
    const char* path;
    bool file;
    FolderState folder;
  } cases[] = {
      {"C:\\Program Files\\App\\App.exe", true, FolderState::kNotFound},
      {"c:/program files/app/APP.EXE", true, FolderState::kNotFound},
      {"C:\\Program Files\\App\\App.exe. ", true, FolderState::kNotFound},
      {"C:\\Program Files\\App\\..\\App\\App.exe", true, FolderState::kNotFound},
      {"C:\\Program Files\\App", false, FolderState::kExists},
      {"C:\\PROGRAM FILES\\APP\\", false, FolderState::kExists},
      {"C:\\", false, FolderState::kExists},
      {"C:\\Program Files\\App\\Missing.exe", false, FolderState::kNotFound},
      {"C:\\Program Files\\App\\App.exe\\", false, FolderState::kNotFound},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(files.FileExists(c.path), c.file) << c.path;
    EXPECT_EQ(files.QueryFolder(c.path), c.folder) << c.path;
  }
  EXPECT_EQ(files.QueryCount(), 2 * static_cast<int>(std::size(cases)));
}

TEST(MemoryFileSystem, RelativePathsStartAtTheCurrentDirectory) {
  MemoryFileSystem files;
  files.AddFile("C:\\Program Files\\Suite\\Exclude.lst");
  files.AddFile("D:\\Data\\x.txt");
  EXPECT_TRUE(files.FileExists("Exclude.lst"));
  EXPECT_TRUE(files.FileExists(".\\Exclude.lst"));
  EXPECT_TRUE(files.FileExists("C:Exclude.lst"));
  EXPECT_TRUE(files.FileExists("\\Program Files\\Suite\\Exclude.lst"));
  EXPECT_TRUE(files.FileExists("D:Data\\x.txt"));  // from D:'s root
  files.SetCurrentDirectory("D:\\Data");
  EXPECT_TRUE(files.FileExists("x.txt"));
  EXPECT_FALSE(files.FileExists("Exclude.lst"));
}

TEST(MemoryFileSystem, TextsThatCannotBePathsNameNothing) {
  MemoryFileSystem files;
  files.AddFile("C:\\a.exe");
  for (const char* text : {"\"C:\\a.exe\"", "C:\\a.exe|", "C:\\a*.exe", "C:\\a?.exe",
                           "C:\\<a.exe", "C:\\a.exe>", "C:\\a.exe:stream", "C::\\a.exe",
                           ":C\\a.exe", "1:\\a.exe", "", "\\\\server\\share\\a.exe"}) {
    EXPECT_FALSE(files.FileExists(text)) << text;
    EXPECT_EQ(files.QueryFolder(text), FolderState::kNotFound) << text;
  }
}

TEST(MemoryFileSystem, DrivesAndUnreadablePlaces) {
  MemoryFileSystem files;
  files.AddDrive('e', platform::kDriveCdRom);
  files.AddDrive('A', platform::kDriveRemovable);
  files.AddFile("C:\\Secret\\inner\\x.dll");
  files.AddUnreadable("C:\\Secret");
  files.AddUnreadable("E:\\");
  const auto drives = files.Drives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].letter, 'A');
  EXPECT_EQ(drives[1].letter, 'C');
  EXPECT_EQ(drives[1].type, platform::kDriveFixed);
  EXPECT_EQ(drives[2].letter, 'E');
  EXPECT_EQ(drives[2].type, platform::kDriveCdRom);

  EXPECT_EQ(files.QueryFolder("Q:\\"), FolderState::kNotFound);
  EXPECT_EQ(files.QueryFolder("C:\\Secret\\inner"), FolderState::kUnknown);
  EXPECT_EQ(files.QueryFolder("E:\\Setup"), FolderState::kUnknown);
  EXPECT_EQ(files.QueryFolder("C:\\SecretService"), FolderState::kNotFound);
  EXPECT_FALSE(files.FileExists("C:\\Secret\\inner\\x.dll"));
}

TEST(MemoryFileSystem, WindowsAndSpecialFolders) {
  MemoryFileSystem files;
  EXPECT_EQ(files.WindowsFolder(), "C:\\WINDOWS");
  EXPECT_EQ(files.QueryFolder("c:\\windows"), FolderState::kExists);
  EXPECT_EQ(files.SpecialFolderPath(0x25), "");
  files.SetSpecialFolder(0x25, "C:\\WINDOWS\\system32");
  EXPECT_EQ(files.SpecialFolderPath(0x25), "C:\\WINDOWS\\system32");
  EXPECT_EQ(files.QueryFolder("C:\\WINDOWS\\system32"), FolderState::kExists);
}

TEST(MemoryFileSystem, ReplaceListReadAndDelete) {
  MemoryFileSystem files;
  files.AddFile("C:\\Suite\\Exclude.lst", "old", 100);
  files.AddFolder("C:\\Suite\\Backups");
  files.FailWrites(true);
  EXPECT_FALSE(files.ReplaceFile("c:\\suite\\exclude.lst", "new"));
  std::string bytes;
  ASSERT_TRUE(files.ReadFile("C:\\Suite\\Exclude.lst", &bytes));
  EXPECT_EQ(bytes, "old");
  files.FailWrites(false);
  EXPECT_TRUE(files.ReplaceFile("c:\\suite\\exclude.lst", std::string("n\0w", 3)));
  ASSERT_TRUE(files.ReadFile("C:\\Suite\\Exclude.lst", &bytes));
  EXPECT_EQ(bytes, std::string("n\0w", 3));
  EXPECT_FALSE(files.ReplaceFile("C:\\Nowhere\\x.txt", "x"));

  const auto entries = files.ListFolder("C:\\SUITE");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "Backups");
  EXPECT_TRUE(entries[0].is_folder);
  EXPECT_EQ(entries[1].name, "Exclude.lst");  // keeps the case it was made with
  EXPECT_EQ(entries[1].size, 3u);
  EXPECT_FALSE(entries[1].is_folder);

  EXPECT_TRUE(files.CreateFolder("C:\\Suite\\New"));
  EXPECT_TRUE(files.CreateFolder("C:\\Suite\\New"));  // already there
  EXPECT_FALSE(files.CreateFolder("C:\\Missing\\New"));
  EXPECT_TRUE(files.DeleteFile("C:\\Suite\\Exclude.lst"));
  EXPECT_FALSE(files.DeleteFile("C:\\Suite\\Exclude.lst"));
  EXPECT_FALSE(files.FileExists("C:\\Suite\\Exclude.lst"));
}

}  // namespace
