// What the tests of tidemark's main window share: the real window over the
// real registry, file system and language library, shown, with its message
// boxes answered through the seam.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "scan/scan_window.h"
#include "shell/main_window.h"
#include "platform/win32/program_folder.h"

namespace tidemark_test {

// Answers every message box with OK and keeps what it was shown.
class ScriptedBoxes : public platform::MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string title;
    unsigned style;
  };
  int Show(void*, const std::string& text, const std::string& title, unsigned style) override {
    shown.push_back({text, title, style});
    return scan::kIdOk;
  }
  int Count(const std::string& text) const {
    int n = 0;
    for (const Shown& s : shown) n += s.text == text;
    return n;
  }
  std::vector<Shown> shown;
};

inline std::string WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return platform::WideToUtf8(buffer);
}

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_ANIMATE_CLASS | ICC_PROGRESS_CLASS |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
  }

  void SetUp() override {
    window_ = std::make_unique<shell::MainWindow>(registry_, files_, texts_, boxes_,
                                                  platform::ProgramFolder());
    ASSERT_TRUE(window_->Create());
    ShowWindow(window_->hwnd(), SW_SHOWNOACTIVATE);
  }

  HWND control(int id) const { return window_->control(id); }
  HWND link(int index) const { return control(shell::LinkId(index)); }
  std::string Text(const char* id) { return texts_.GetText(id); }

  platform::Win32Registry registry_;
  platform::Win32FileSystem files_;
  platform::PhrasebookTexts texts_;
  ScriptedBoxes boxes_;
  std::unique_ptr<shell::MainWindow> window_;
};

}  // namespace tidemark_test
