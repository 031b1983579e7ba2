// tidemark's settings through the real registry: what the main window reads
// at start and writes when a choice changes or the window closes, in the
// real settings key (put aside and back by the fixture). Values are read
// and written with the wide calls, so the bytes are the registry's own.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tidemark_test_window.h"

namespace {

using tidemark_test::kSettingsKey;

// A value of the settings key as the registry holds it: type and bytes
// (UTF-16 for texts).
struct Stored {
  DWORD type;
  std::string bytes;
  bool operator==(const Stored&) const = default;
};

// The bytes of an ASCII text in UTF-16.
std::string Utf16(std::string_view text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes;
}

std::optional<Stored> Read(const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = 0, size = 0;
  std::optional<Stored> stored;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    stored = Stored{type, bytes};
  }
  RegCloseKey(key);
  return stored;
}

// Stores `bytes` as they are (a terminator only when they hold one).
void Write(const wchar_t* name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += (text.empty() ? "" : ";") + piece;
  return text;
}

class TidemarkSettingsTest : public tidemark_test::MainWindowTest {
 protected:
  bool SkipBoxChecked() {
    return SendMessageW(control(shell::kChkSkipCDLan), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::vector<bool> AreaChecks() {
    std::vector<bool> checks;
    HWND areas = control(shell::kLvLocations);
    for (int i = 0; i < ListView_GetItemCount(areas); ++i) {
      checks.push_back(ListView_GetCheckState(areas, i) != 0);
    }
    return checks;
  }
  // The three area values as SaveFileTypes writes them, with these states.
  void ExpectAreasStored(const std::string& states) {
    std::vector<std::string> names, descriptions;
    for (const scan::ScanArea& area : scan::DefaultScanAreas(texts_)) {
      names.push_back(area.name);
      descriptions.push_back(area.description);
    }
    EXPECT_EQ(Read(L"LocState"), (Stored{REG_SZ, Utf16(states)}));
    EXPECT_EQ(Read(L"Locations"), (Stored{REG_SZ, Utf16(Joined(names))}));
    EXPECT_EQ(Read(L"LocDesc"), (Stored{REG_SZ, Utf16(Joined(descriptions))}));
  }
};

// The fixture's window was a first start: no key before it.
TEST_F(TidemarkSettingsTest, FirstStartStoresTheClearedSkipBoxOnly) {
  EXPECT_FALSE(SkipBoxChecked());
  EXPECT_EQ(Read(L"chkSkipCDLan"), (Stored{REG_SZ, Utf16("0")})) << "REG_SZ without a terminator";
  EXPECT_EQ(Read(L"LocState"), std::nullopt) << "filling the list stores nothing";
  EXPECT_EQ(AreaChecks(), std::vector<bool>(8, true));
}

TEST_F(TidemarkSettingsTest, StoredSkipStatesAtStart) {
  struct Case {
    DWORD type;
    std::string stored;  // bytes as another writer left them
    bool checked;
    std::optional<Stored> written;  // what the load writes, if anything
  };
  const Case cases[] = {
      {REG_SZ, Utf16({"1\0", 2}), true, std::nullopt},
      {REG_SZ, Utf16("1  "), true, std::nullopt},
      {REG_SZ, Utf16({"0\0", 2}), false, Stored{REG_SZ, Utf16("0")}},
      {REG_SZ, Utf16("2"), false, Stored{REG_SZ, Utf16("0")}},
      {REG_DWORD, std::string("\1\0\0\0", 4), false, Stored{REG_SZ, Utf16("0")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    Write(L"chkSkipCDLan", c.type, c.stored);
    const std::optional<Stored> stored = Read(L"chkSkipCDLan");
    Reopen();
    EXPECT_EQ(SkipBoxChecked(), c.checked);
    // A rewrite of the same "1" would lose the bytes another writer left.
    EXPECT_EQ(Read(L"chkSkipCDLan"), c.written ? c.written : stored);
  }
}

TEST_F(TidemarkSettingsTest, TheSkipBoxStoresEachClick) {
  HWND box = control(shell::kChkSkipCDLan);
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(Read(L"chkSkipCDLan"), (Stored{REG_SZ, Utf16("1")}));
  Reopen();
  EXPECT_TRUE(SkipBoxChecked());
  SendMessageW(control(shell::kChkSkipCDLan), BM_CLICK, 0, 0);
  EXPECT_EQ(Read(L"chkSkipCDLan"), (Stored{REG_SZ, Utf16("0")}));
}

TEST_F(TidemarkSettingsTest, AnAreaCheckIsStoredAtOnceAndRestoredAtStart) {
  ListView_SetCheckState(control(shell::kLvLocations), 5, FALSE);
  ExpectAreasStored("1;1;1;1;1;0;1;1");

  Write(L"LocState", REG_SZ, Utf16("1;0;1;1;1;1;1;0"));
  Reopen();
  EXPECT_EQ(AreaChecks(), (std::vector<bool>{true, false, true, true, true, true, true, false}));
}

TEST_F(TidemarkSettingsTest, ClosingTheWindowStoresTheAreas) {
  ListView_SetCheckState(control(shell::kLvLocations), 0, FALSE);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key), ERROR_SUCCESS);
  for (const wchar_t* name : {L"LocState", L"Locations", L"LocDesc"}) RegDeleteValueW(key, name);
  RegCloseKey(key);

  SendMessageW(window_->hwnd(), WM_CLOSE, 0, 0);

  EXPECT_EQ(window_->hwnd(), nullptr);
  ExpectAreasStored("0;1;1;1;1;1;1;1");
  MSG msg{};
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
}

}  // namespace
