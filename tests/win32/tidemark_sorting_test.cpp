// Sorting the problem list by header clicks, on the real window: each
// column keeps its own direction, a second click reverses it, and the
// comparison ignores case as the list control's own does.
#include "tidemark_test_window.h"

namespace tidemark_test {
namespace {

// A click on a column header of the problem list, as the mouse gives it.
void ClickHeader(HWND list, int column) {
  HWND header = ListView_GetHeader(list);
  RECT r{};
  ASSERT_TRUE(Header_GetItemRect(header, column, &r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(header, WM_LBUTTONUP, 0, at);
}

std::vector<std::string> Column(HWND list, int column) {
  std::vector<std::string> texts;
  for (const Row& row : Rows(list)) texts.push_back(row[column]);
  return texts;
}

class SortingTest : public MainWindowTest {};

TEST_F(SortingTest, HeaderClicksFollowEachColumnsOwnTag) {
  const scan::ProblemEntry problems[] = {
      {"HKEY_CURRENT_USER\\b-key", "Zeta", "d1", "r", "REG_SZ", ""},
      {"HKEY_CURRENT_USER\\C-key", "alpha", "d2", "r", "REG_SZ", ""},
      {"HKEY_CURRENT_USER\\a-key", "Mid", "d3", "r", "REG_SZ", ""},
  };
  for (const auto& problem : problems) window_->AppendProblem(problem);
  HWND list = control(shell::kLvInvalidLoc);
  const std::vector<std::string> up{"HKEY_CURRENT_USER\\a-key", "HKEY_CURRENT_USER\\b-key",
                                    "HKEY_CURRENT_USER\\C-key"};
  const std::vector<std::string> down(up.rbegin(), up.rend());

  const struct {
    int column;
    std::vector<std::string> location_order;
  } clicks[] = {
      {0, up},                  // first click: ascending
      {0, down},                // "A" becomes "D"
      {0, up},                  // "D" becomes "A" again
      {1, {up[2], up[0], up[1]}},  // another column starts ascending: alpha, Mid, Zeta
      {0, down},                // the first column's tag is still "A"
  };
  int step = 0;
  for (const auto& click : clicks) {
    ClickHeader(list, click.column);
    EXPECT_EQ(Column(list, 0), click.location_order) << "click " << ++step;
  }
  // A row keeps its cells together through the sorts.
  EXPECT_EQ(Rows(list).front(), (Row{"HKEY_CURRENT_USER\\C-key", "alpha", "d2", "r", "REG_SZ", ""}));
}

// The sorting stays on the list: the rows of a later scan come in sorted,
// in the direction of the last click.
TEST_F(SortingTest, RowsAddedLaterTakeTheirPlace) {
  HWND list = control(shell::kLvInvalidLoc);
  const auto add = [this](std::vector<std::string> names) {
    for (const auto& name : names) window_->AppendProblem({"HKEY_CURRENT_USER\\k", name, "", "r", "1", ""});
  };
  add({"m", "C"});
  ClickHeader(list, 1);
  add({"b", "x", "M", "a"});
  EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"a", "b", "C", "m", "M", "x"}));

  ClickHeader(list, 1);
  window_->ClearProblems();
  add({"b", "Z", "a", "q"});
  EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"Z", "q", "b", "a"}));
}

// Repair reads the rows by their position in the list: after a sort, the
// selected row is the one the user sees selected.
TEST_F(SortingTest, RepairSeesTheSortedRows) {
  window_->AppendProblem({"HKEY_CURRENT_USER\\b", "", "", "r", "REG_SZ", ""});
  window_->AppendProblem({"HKEY_CURRENT_USER\\a", "", "", "r", "REG_SZ", ""});
  HWND list = control(shell::kLvInvalidLoc);
  ClickHeader(list, 0);
  ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ASSERT_EQ(window_->SelectedProblemRow(), std::optional<int>(0));
  EXPECT_EQ(window_->ProblemRow(0).location, "HKEY_CURRENT_USER\\a");
}

}  // namespace
}  // namespace tidemark_test
