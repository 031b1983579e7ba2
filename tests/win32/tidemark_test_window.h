// What the tests of tidemark's main window share: the real window over the
// real registry, file system and language library, shown, with its message
// boxes answered through the seam. Each test starts as a first start: the
// settings key and the exclusion file are put aside and come back after.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "scan/scan_window.h"
#include "platform/win32/program_folder.h"
#include "shell/controls.h"
#include "shell/main_window.h"
#include "saved_state.h"

namespace tidemark_test {

// Answers a Yes/No box with `yes_no_answer`, any other with OK, and keeps
// what it was shown.
class ScriptedBoxes : public platform::MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string title;
    unsigned style;
  };
  int Show(void*, const std::string& text, const std::string& title, unsigned style) override {
    shown.push_back({text, title, style});
    return (style & 0xF) == scan::kMbYesNo ? yes_no_answer : scan::kIdOk;
  }
  int Count(const std::string& text) const {
    int n = 0;
    for (const Shown& s : shown) n += s.text == text;
    return n;
  }
  std::vector<Shown> shown;
  int yes_no_answer = scan::kIdYes;
};

using suite_test::SavedFile;
using suite_test::SavedKey;

inline constexpr wchar_t kSettingsKey[] =
    L"Software\\Brightwell\\Zodazado Reveruz\\Zodazado Reveruz";
inline constexpr wchar_t kSettingsMadeBelow[] = L"Software\\Brightwell";

using Row = std::vector<std::string>;  // the six columns of a problem row

inline std::vector<Row> Rows(HWND list) {
  std::vector<Row> rows;
  for (int r = 0; r < ListView_GetItemCount(list); ++r) {
    Row row;
    for (int c = 0; c < 6; ++c) row.push_back(shell::ItemText(list, r, c));
    rows.push_back(row);
  }
  return rows;
}

struct Seed {
  std::wstring subkey;  // below the test key; empty for the key itself
  std::wstring name;
  DWORD type;
  std::wstring text;  // for the string types
  DWORD number = 0;   // for REG_DWORD
};

// Writes each seed below HKEY_CURRENT_USER\`key`, making the keys.
inline void SeedValues(const std::wstring& key, const std::vector<Seed>& seeds) {
  for (const Seed& seed : seeds) {
    std::wstring path = key;
    if (!seed.subkey.empty()) path += L"\\" + seed.subkey;
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    if (seed.type == REG_DWORD) {
      RegSetValueExW(handle, seed.name.c_str(), 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&seed.number), sizeof seed.number);
    } else if (seed.type != REG_NONE) {  // REG_NONE: the key alone
      RegSetValueExW(handle, seed.name.c_str(), 0, seed.type,
                     reinterpret_cast<const BYTE*>(seed.text.c_str()),
                     static_cast<DWORD>((seed.text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(handle);
  }
}

inline std::string WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return platform::WideToUtf8(buffer);
}

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shell::RegisterControlClasses();
  }

  void SetUp() override {
    settings_.emplace(HKEY_CURRENT_USER, kSettingsKey, kSettingsMadeBelow);
    exclude_file_.emplace(platform::Utf8ToWide(ExcludeFile()));
    Open();
  }
  void TearDown() override {
    window_.reset();
    exclude_file_.reset();
    settings_.reset();
  }

  // Creates and shows the window: a program start.
  void Open() {
    window_ = std::make_unique<shell::MainWindow>(registry_, files_, texts_, boxes_,
                                                  platform::ProgramFolder());
    ASSERT_TRUE(window_->Create());
    // Past the start page, as the user goes.
    if (shell::StartPage* start = window_->start_page()) {
      SendMessageW(start->control(shell::kStartOKButton), BM_CLICK, 0, 0);
    }
    ShowWindow(window_->hwnd(), SW_SHOWNOACTIVATE);
  }
  // The program ends (without its close step) and starts again.
  void Reopen() {
    window_.reset();
    Open();
  }
  static std::string ExcludeFile() { return platform::ProgramFolder() + "\\Exclude.lst"; }

  // Leaves only the area at `position` checked (-1: none), through the
  // list view's check boxes, as a user would.
  void CheckOnly(int position) {
    HWND areas = control(shell::kLvLocations);
    for (int i = 0; i < ListView_GetItemCount(areas); ++i) {
      ListView_SetCheckState(areas, i, i == position);
    }
  }
  void PressScan() { SendMessageW(control(shell::kCmdScan), BM_CLICK, 0, 0); }

  HWND control(int id) const { return window_->control(id); }
  HWND link(int index) const { return control(shell::LinkId(index)); }
  std::string Text(const char* id) { return texts_.GetText(id); }

  platform::Win32Registry registry_;
  platform::Win32FileSystem files_;
  platform::PhrasebookTexts texts_;
  ScriptedBoxes boxes_;
  std::optional<SavedKey> settings_;
  std::optional<SavedFile> exclude_file_;
  std::unique_ptr<shell::MainWindow> window_;
};

}  // namespace tidemark_test
