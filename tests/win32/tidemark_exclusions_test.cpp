// The exclusion dialog and the exclusions page under Wine: the real dialog,
// modal over the real main window, driven from a timer its message loop
// dispatches; its messages answered through the seam; the rules in the real
// "Exclude.lst" beside the test (put aside and back by the fixture).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "repair/exclude_text_check.h"
#include "shell/controls.h"
#include "shell/exclude_dialog.h"
#include "tidemark_test_window.h"

namespace {

using tidemark_test::Row;
using tidemark_test::Rows;
using tidemark_test::WindowText;

// What a test does once the modal dialog is up.
std::function<void(HWND)> dialog_script;

void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowW(shell::kExcludeDialogClass, nullptr);
  if (!dialog || !IsWindowVisible(dialog)) return;  // not up yet: next tick
  KillTimer(nullptr, timer);
  auto script = std::move(dialog_script);
  script(dialog);
}

void WhenDialogShows(std::function<void(HWND)> script) {
  dialog_script = std::move(script);
  SetTimer(nullptr, 0, 10, &RunDialogScript);
}

void Type(HWND dialog, const std::string& text) {
  shell::SetText(GetDlgItem(dialog, shell::kTxtLocation), text);
}
void Press(HWND dialog, int button) {
  SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}

std::string ReadFileText(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileW(platform::Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(no file)";
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

class TidemarkExclusionsTest : public tidemark_test::MainWindowTest {
 protected:
  repair::ExcludeDialogResult RunDialog(const repair::ExcludeDialogResult& initial,
                                        std::function<void(HWND)> script) {
    WhenDialogShows(std::move(script));
    return window_->ShowExcludeDialog(initial);
  }
  std::vector<std::vector<std::string>> RuleRows() {
    HWND list = control(shell::kLvExclude);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < ListView_GetItemCount(list); ++r) {
      rows.push_back({shell::ItemText(list, r, 0), shell::ItemText(list, r, 1),
                      ListView_GetCheckState(list, r) ? "checked" : "cleared"});
    }
    return rows;
  }
};

TEST_F(TidemarkExclusionsTest, TheDialogIsAModalFixedDialogWithItsOwnTexts) {
  RunDialog({false, "software\\Vendor", true}, [&](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), Text("HIVECARE_EXCLUDE_1"));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kChkMustBegin)), Text("HIVECARE_EXCLUDE_2"));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kCancelButton)), Text("HIVECARE_EXCLUDE_3"));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kOKButton)), Text("HIVECARE_EXCLUDE_4"));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kExcludeLabel1)), Text("HIVECARE_EXCLUDE_5"));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kTxtLocation)), "software\\Vendor");
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, shell::kChkMustBegin), BM_GETCHECK, 0, 0),
              BST_CHECKED);

    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
    const LONG_PTR edit_style = GetWindowLongPtrW(GetDlgItem(dialog, shell::kTxtLocation), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE((edit_style & (ES_MULTILINE | WS_VSCROLL | WS_HSCROLL)) ==
                (ES_MULTILINE | WS_VSCROLL | WS_HSCROLL));
    EXPECT_FALSE(edit_style & ES_WANTRETURN) << "Enter presses OK";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), window_->hwnd());
    EXPECT_FALSE(IsWindowEnabled(window_->hwnd())) << "modal";

    RECT r{};
    GetWindowRect(dialog, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
    Press(dialog, shell::kCancelButton);
  });
  EXPECT_TRUE(IsWindowEnabled(window_->hwnd()));
  EXPECT_EQ(FindWindowW(shell::kExcludeDialogClass, nullptr), nullptr) << "a new dialog each time";
}

TEST_F(TidemarkExclusionsTest, OkRefusesTextsTheFileCannotHoldAndStaysOpen) {
  const std::pair<std::string, const char*> refused[] = {
      {"", "HIVECARE_EXCLUDE_STRING_4"},
      {"   ", "HIVECARE_EXCLUDE_STRING_4"},
      {"software\r\nVendor", "HIVECARE_EXCLUDE_STRING_7"},
      {"software;;Vendor", "HIVECARE_EXCLUDE_STRING_8"},
  };
  const repair::ExcludeDialogResult result = RunDialog({}, [&](HWND dialog) {
    for (const auto& [text, message] : refused) {
      SCOPED_TRACE(text);
      boxes_.shown.clear();
      Type(dialog, text);
      Press(dialog, shell::kOKButton);
      ASSERT_EQ(boxes_.shown.size(), 1u);
      EXPECT_EQ(boxes_.shown[0].text, Text(message));
      EXPECT_FALSE(boxes_.shown[0].text.empty()) << message << " in the language file";
      EXPECT_EQ(boxes_.shown[0].title, Text("HIVECARE_EXCLUDE_STRING_5"));
      EXPECT_EQ(boxes_.shown[0].style, unsigned{scan::kMbOk | scan::kMbIconInformation});
      EXPECT_TRUE(IsWindowVisible(dialog)) << "stays open";
      EXPECT_EQ(GetFocus(), GetDlgItem(dialog, shell::kTxtLocation));
    }
    boxes_.shown.clear();
    Type(dialog, " software\\Vendor ");
    Press(dialog, shell::kChkMustBegin);
    Press(dialog, shell::kOKButton);
  });
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(result.confirmed);
  EXPECT_EQ(result.text, " software\\Vendor ") << "as typed; the caller trims";
  EXPECT_TRUE(result.must_begin);
}

TEST_F(TidemarkExclusionsTest, EachWayOutButOkIsNoConfirmation) {
  struct Case {
    const char* name;
    std::function<void(HWND)> leave;
    bool confirmed;
  };
  const Case cases[] = {
      {"Cancel", [](HWND d) { Press(d, shell::kCancelButton); }, false},
      {"close box", [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }, false},
      {"Escape", [](HWND d) {
         PostMessageW(GetDlgItem(d, shell::kTxtLocation), WM_KEYDOWN, VK_ESCAPE, 0);
       }, false},
      {"Enter", [](HWND d) {
         PostMessageW(GetDlgItem(d, shell::kTxtLocation), WM_KEYDOWN, VK_RETURN, 0);
       }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const repair::ExcludeDialogResult result = RunDialog({}, [&](HWND dialog) {
      Type(dialog, "software\\Vendor");
      c.leave(dialog);
    });
    EXPECT_EQ(result.confirmed, c.confirmed);
    EXPECT_TRUE(boxes_.shown.empty());
  }
}

TEST_F(TidemarkExclusionsTest, ThePageAddsChecksEditsAndRemovesRulesInTheFile) {
  SendMessageW(link(3), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_TRUE(IsWindowVisible(control(shell::kPicTab2)));
  const std::string no = Text("HIVECARE_REGCLEANER_STRING_47");

  WhenDialogShows([](HWND dialog) {
    Type(dialog, "  software\\Vendor, \"x\"");
    Press(dialog, shell::kOKButton);
  });
  SendMessageW(control(shell::kCmdExclude0), BM_CLICK, 0, 0);
  EXPECT_EQ(RuleRows(), (std::vector<std::vector<std::string>>{
                            {"software\\Vendor, \"x\"", no, "checked"}}));
  EXPECT_EQ(ReadFileText(ExcludeFile()), "software\\Vendor, \"x\";;" + no + ";;True\r\n");

  ListView_SetCheckState(control(shell::kLvExclude), 0, FALSE);
  EXPECT_EQ(ReadFileText(ExcludeFile()), "software\\Vendor, \"x\";;" + no + ";;False\r\n");
  Reopen();
  EXPECT_EQ(RuleRows(), (std::vector<std::vector<std::string>>{
                            {"software\\Vendor, \"x\"", no, "cleared"}}));
  EXPECT_EQ(window_->ExcludeRules().size(), 1u) << "the scan sees what the page shows";

  // Edit: the dialog comes filled with the rule; its check box stays as it was.
  const std::string yes = Text("HIVECARE_REGCLEANER_STRING_46");
  ListView_SetItemState(control(shell::kLvExclude), 0, LVIS_SELECTED, LVIS_SELECTED);
  WhenDialogShows([](HWND dialog) {
    EXPECT_EQ(WindowText(GetDlgItem(dialog, shell::kTxtLocation)), "software\\Vendor, \"x\"");
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, shell::kChkMustBegin), BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
    Type(dialog, "software\\Other ");
    Press(dialog, shell::kChkMustBegin);
    Press(dialog, shell::kOKButton);
  });
  boxes_.shown.clear();
  SendMessageW(control(shell::kCmdExclude1), BM_CLICK, 0, 0);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, Text("HIVECARE_REGCLEANER_STRING_23"));
  EXPECT_EQ(RuleRows(), (std::vector<std::vector<std::string>>{{"software\\Other", yes, "cleared"}}));
  EXPECT_EQ(ReadFileText(ExcludeFile()), "software\\Other;;" + yes + ";;False\r\n");

  ListView_SetItemState(control(shell::kLvExclude), 0, LVIS_SELECTED, LVIS_SELECTED);
  SendMessageW(control(shell::kCmdExclude2), BM_CLICK, 0, 0);
  EXPECT_TRUE(RuleRows().empty());
  EXPECT_EQ(ReadFileText(ExcludeFile()), "");
}

TEST_F(TidemarkExclusionsTest, AddToExcludeListTurnsTheProblemIntoARule) {
  constexpr wchar_t kTestKey[] = L"Software\\SuiteTest\\exclude";
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  tidemark_test::SeedValues(kTestKey, {{L"", L"gone", REG_SZ, L"C:\\missing\\exclude\\x.exe"}});
  CheckOnly(0);
  PressScan();
  const std::vector<Row> rows = Rows(control(shell::kLvInvalidLoc));
  int ours = -1;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i][0] == "HKEY_CURRENT_USER\\software\\SuiteTest\\exclude") ours = static_cast<int>(i);
  }
  ASSERT_GE(ours, 0);
  ListView_SetItemState(control(shell::kLvInvalidLoc), ours, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
  boxes_.shown.clear();

  SendMessageW(link(4), WM_LBUTTONDOWN, MK_LBUTTON, 0);

  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, Text("HIVECARE_REGCLEANER_STRING_26"));
  EXPECT_EQ(RuleRows(), (std::vector<std::vector<std::string>>{
                            {"software\\SuiteTest\\exclude",
                             Text("HIVECARE_REGCLEANER_STRING_46"), "checked"}}));
  EXPECT_EQ(ListView_GetItemCount(control(shell::kLvInvalidLoc)),
            static_cast<int>(rows.size()) - 1);
  // The next scan leaves the location alone.
  PressScan();
  for (const Row& row : Rows(control(shell::kLvInvalidLoc))) {
    EXPECT_NE(row[0], "HKEY_CURRENT_USER\\software\\SuiteTest\\exclude");
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SuiteTest");
}

}  // namespace
