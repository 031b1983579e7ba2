// lvInvalidLoc_ColumnClick: a header click sorts the problem list by that
// column. Each column remembers how it was last sorted, so a second click
// on it reverses the order and a click on another column starts that one
// ascending.
#include "shell/main_window.h"

#include <commctrl.h>

#include "platform/win32/text_convert.h"
#include "shell/controls.h"

namespace shell {

namespace {

struct SortOrder {
  HWND list;
  int column;
  bool descending;
};

// The list control's own comparison: by the user's locale, ignoring case.
// LVM_SORTITEMSEX hands over the rows' current positions, so the texts are
// read afresh for each pair.
int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM order_param) {
  const auto& order = *reinterpret_cast<const SortOrder*>(order_param);
  const std::wstring a = platform::Utf8ToWide(ItemText(order.list, static_cast<int>(first), order.column));
  const std::wstring b = platform::Utf8ToWide(ItemText(order.list, static_cast<int>(second), order.column));
  const int result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) - CSTR_EQUAL;
  return order.descending ? -result : result;
}

}  // namespace

void MainWindow::OnColumnClick(int column) {
  if (column < 0 || column >= kProblemColumns) return;
  std::string& tag = sort_tags_[column];
  tag = tag == "A" ? "D" : "A";
  SortOrder order{control(kLvInvalidLoc), column, tag == "D"};
  ListView_SortItemsEx(order.list, CompareRows, reinterpret_cast<LPARAM>(&order));
}

}  // namespace shell
