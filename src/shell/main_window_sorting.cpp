// lvInvalidLoc_ColumnClick: a header click sorts the problem list by that
// column. Each column remembers how it was last sorted, so a second click
// on it reverses the order and a click on another column starts that one
// ascending. The sorting stays on: rows a later scan adds take their place
// in the order.
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

// The list control's own comparison: by the user's locale, ignoring case;
// negative, zero or positive as `a` goes before, with or after `b`.
int Compare(const std::wstring& a, const std::wstring& b, bool descending) {
  const int result =
      CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) - CSTR_EQUAL;
  return descending ? -result : result;
}

std::wstring CellText(const SortOrder& order, int row) {
  return platform::Utf8ToWide(ItemText(order.list, row, order.column));
}

// LVM_SORTITEMSEX hands over the rows' current positions, so the texts are
// read afresh for each pair.
int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM order_param) {
  const auto& order = *reinterpret_cast<const SortOrder*>(order_param);
  return Compare(CellText(order, static_cast<int>(first)), CellText(order, static_cast<int>(second)),
                 order.descending);
}

}  // namespace

void MainWindow::OnColumnClick(int column) {
  if (column < 0 || column >= kProblemColumns) return;
  std::string& tag = sort_tags_[column];
  tag = tag == "A" ? "D" : "A";
  sort_column_ = column;
  SortOrder order{control(kLvInvalidLoc), column, tag == "D"};
  ListView_SortItemsEx(order.list, CompareRows, reinterpret_cast<LPARAM>(&order));
}

// After the rows it equals, as a sorted list control puts a new row.
int MainWindow::ProblemRowPlace(const scan::ProblemEntry& entry) {
  HWND list = control(kLvInvalidLoc);
  int low = 0;
  int high = ListView_GetItemCount(list);
  if (sort_column_ < 0) return high;
  const std::string* cells[kProblemColumns] = {&entry.location, &entry.value_name, &entry.value_data,
                                               &entry.reason,   &entry.reg_type,   &entry.attributes};
  const SortOrder order{list, sort_column_, sort_tags_[sort_column_] == "D"};
  const std::wstring text = platform::Utf8ToWide(*cells[sort_column_]);
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (Compare(text, CellText(order, middle), order.descending) < 0) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

}  // namespace shell
