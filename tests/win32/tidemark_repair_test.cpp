// tidemark's repair end to end, in-process: broken values seeded under
// HKCU\Software\SuiteTest\repair, a real scan of the HKCU area, "Repair
// selected" and then "Repair all" pressed in the real window, and the whole
// of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE compared before and after:
// only the values of the repaired rows may be gone.
#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tidemark_test_window.h"

namespace {

using tidemark_test::Row;
using tidemark_test::Rows;
using tidemark_test::WindowText;

constexpr wchar_t kTestKey[] = L"Software\\SuiteTest\\repair";
constexpr char kShownKey[] = "HKEY_CURRENT_USER\\software\\SuiteTest\\repair";

std::wstring Upper(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

// Every key and value of a tree: key path -> value name -> type and data.
// Names are compared as the registry compares them, without case.
struct Value {
  DWORD type;
  std::vector<BYTE> data;
  bool operator==(const Value&) const = default;
};
using Snapshot = std::map<std::wstring, std::map<std::wstring, Value>>;

void Walk(HKEY key, const std::wstring& path, int depth, Snapshot& out) {
  std::map<std::wstring, Value>& values = out[Upper(path)];
  DWORD subkeys = 0, longest_key = 0, value_count = 0, longest_name = 0, longest_data = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longest_key, nullptr,
                       &value_count, &longest_name, &longest_data, nullptr,
                       nullptr) != ERROR_SUCCESS) {
    return;
  }
  std::wstring name(longest_name + 2, L'\0');
  for (DWORD i = 0; i < value_count; ++i) {
    DWORD name_length = static_cast<DWORD>(name.size());
    DWORD type = 0;
    std::vector<BYTE> data(longest_data + 2);
    DWORD size = static_cast<DWORD>(data.size());
    if (RegEnumValueW(key, i, name.data(), &name_length, nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS) {
      continue;
    }
    data.resize(size);
    values[Upper(name.substr(0, name_length))] = {type, data};
  }
  if (depth > 64) return;  // a link loop would never end
  std::wstring child(longest_key + 2, L'\0');
  for (DWORD i = 0; i < subkeys; ++i) {
    DWORD length = static_cast<DWORD>(child.size());
    if (RegEnumKeyExW(key, i, child.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      continue;
    }
    const std::wstring child_name = child.substr(0, length);
    HKEY sub = nullptr;
    if (RegOpenKeyExW(key, child_name.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
    Walk(sub, path + L"\\" + child_name, depth + 1, out);
    RegCloseKey(sub);
  }
}

Snapshot TakeSnapshot() {
  Snapshot snapshot;
  Walk(HKEY_CURRENT_USER, L"HKEY_CURRENT_USER", 0, snapshot);
  Walk(HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE", 0, snapshot);
  return snapshot;
}

// What changed from `before` to `after`, one line per key or value:
// "-" gone, "+" new, "~" changed.
std::set<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  std::set<std::string> changes;
  auto line = [](char mark, const std::wstring& key, const std::wstring* name) {
    std::string text = std::string(1, mark) + " " + platform::WideToUtf8(key);
    if (name) text += " : " + platform::WideToUtf8(*name);
    return text;
  };
  for (const auto& [key, values] : before) {
    auto now = after.find(key);
    if (now == after.end()) {
      changes.insert(line('-', key, nullptr));
      continue;
    }
    for (const auto& [name, value] : values) {
      auto kept = now->second.find(name);
      if (kept == now->second.end()) {
        changes.insert(line('-', key, &name));
      } else if (!(kept->second == value)) {
        changes.insert(line('~', key, &name));
      }
    }
    for (const auto& [name, value] : now->second) {
      if (!values.count(name)) changes.insert(line('+', key, &name));
    }
  }
  for (const auto& [key, values] : after) {
    if (!before.count(key)) changes.insert(line('+', key, nullptr));
  }
  return changes;
}

// The line Differences gives for the deleted value of a problem row.
std::string Gone(const Row& row) {
  return "- " + platform::WideToUtf8(Upper(platform::Utf8ToWide(row[0]))) + " : " +
         platform::WideToUtf8(Upper(platform::Utf8ToWide(row[1])));
}

class TidemarkRepairTest : public tidemark_test::MainWindowTest {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    window_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SuiteTest");  // only when no test left keys in it
    MainWindowTest::TearDown();
  }

  // Scans the HKCU area and keeps only the rows of the test key, so that the
  // repairs leave the rest of the prefix as it is.
  std::vector<Row> ScanTestKey() {
    CheckOnly(0);
    PressScan();
    HWND list = control(shell::kLvInvalidLoc);
    const std::vector<Row> rows = Rows(list);
    for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
      const std::string& location = rows[i][0];
      const bool ours = location == kShownKey ||
                        location.rfind(std::string(kShownKey) + "\\", 0) == 0;
      if (!ours) ListView_DeleteItem(list, i);
    }
    boxes_.shown.clear();
    return Rows(list);
  }

  void Select(const std::vector<int>& positions) {
    HWND list = control(shell::kLvInvalidLoc);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    for (int i : positions) ListView_SetItemState(list, i, LVIS_SELECTED, LVIS_SELECTED);
  }

  // The question before deleting, then the message after it.
  void ExpectAskedThenTold(const char* done_text) {
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[0].text, Text("HIVECARE_REGCLEANER_STRING_24"));
    EXPECT_EQ(boxes_.shown[0].title, Text("HIVECARE_REGCLEANER_STRING_166"));
    EXPECT_EQ(boxes_.shown[0].style, unsigned{scan::kMbYesNo | scan::kMbIconQuestion});
    EXPECT_EQ(boxes_.shown[1].text, Text(done_text));
    EXPECT_EQ(boxes_.shown[1].title, Text("HIVECARE_REGCLEANER_STRING_85"));
    EXPECT_EQ(boxes_.shown[1].style, unsigned{scan::kMbOk | scan::kMbIconInformation});
    boxes_.shown.clear();
  }
};

TEST_F(TidemarkRepairTest, DeletesExactlyTheValuesOfTheRepairedRows) {
  const std::wstring sound = L"C:\\windows\\notepad.exe";
  tidemark_test::SeedValues(kTestKey, {
      {L"", L"first", REG_SZ, L"C:\\missing\\repair\\one.exe"},
      {L"", L"sound", REG_SZ, sound},
      {L"", L"second", REG_SZ, L"C:\\missing\\repair\\two.exe"},
      {L"default", L"", REG_SZ, L"C:\\missing\\repair\\default.exe"},
      {L"default", L"kept", REG_SZ, sound},
      {L"sub", L"gone", REG_EXPAND_SZ, L"C:\\missing\\repair\\three.dll"},
      {L"sub", L"number", REG_DWORD, L"", 7},
      {L"sub\\deeper", L"last", REG_SZ, L"\"C:\\missing\\repair\\four.exe\" /q"},
      {L"sub\\hollow", L"", REG_NONE, L""},
  });
  const std::vector<Row> found = ScanTestKey();
  ASSERT_EQ(found.size(), 5u) << "the five broken values, the default one included";
  EXPECT_EQ(std::count_if(found.begin(), found.end(), [](const Row& r) { return r[1].empty(); }),
            1);
  const Snapshot before = TakeSnapshot();

  // Rows 2 and 4 by the "Repair selected" link.
  Select({1, 3});
  SendMessageW(link(6), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ExpectAskedThenTold("HIVECARE_REGCLEANER_STRING_84");
  EXPECT_EQ(Differences(before, TakeSnapshot()), (std::set<std::string>{Gone(found[1]), Gone(found[3])}));
  EXPECT_EQ(Rows(control(shell::kLvInvalidLoc)),
            (std::vector<Row>{found[0], found[2], found[4]}));

  // The rest by "Repair all", through the button the link stands for.
  SendMessageW(control(shell::kCmdRemoveAll), BM_CLICK, 0, 0);
  ExpectAskedThenTold("HIVECARE_REGCLEANER_STRING_81");
  std::set<std::string> all;
  for (const Row& row : found) all.insert(Gone(row));
  EXPECT_EQ(Differences(before, TakeSnapshot()), all) << "no key may go, nothing else may change";
  EXPECT_EQ(ListView_GetItemCount(control(shell::kLvInvalidLoc)), 0);
  EXPECT_EQ(WindowText(control(shell::kLabel1)), Text("HIVECARE_REGCLEANER_STRING_83"));
  EXPECT_FALSE(IsWindowVisible(window_->hwnd()));
  ASSERT_NE(window_->start_page(), nullptr);
  EXPECT_TRUE(IsWindowVisible(window_->start_page()->hwnd()));
}

TEST_F(TidemarkRepairTest, NoDeletesNothingButStillTells) {
  tidemark_test::SeedValues(kTestKey, {{L"", L"first", REG_SZ, L"C:\\missing\\repair\\one.exe"}});
  const std::vector<Row> found = ScanTestKey();
  ASSERT_EQ(found.size(), 1u);
  const Snapshot before = TakeSnapshot();
  boxes_.yes_no_answer = scan::kIdNo;

  Select({0});
  SendMessageW(link(6), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ExpectAskedThenTold("HIVECARE_REGCLEANER_STRING_84");
  SendMessageW(link(5), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ExpectAskedThenTold("HIVECARE_REGCLEANER_STRING_81");

  EXPECT_TRUE(Differences(before, TakeSnapshot()).empty());
  EXPECT_EQ(Rows(control(shell::kLvInvalidLoc)), found);
  EXPECT_EQ(WindowText(control(shell::kLabel1)), Text("HIVECARE_REGCLEANER_STRING_83"));
}

}  // namespace
