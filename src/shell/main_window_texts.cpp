// prgLang2: the main window's texts from the language library, then the
// texts the window keeps for the whole run.
#include "shell/controls.h"
#include "shell/main_window.h"

namespace shell {

namespace {

// Which caption or column header a text goes to; column -1 is the caption.
struct TextRow {
  const char* text_id;
  int control;  // 0: the window itself
  int column;
};

// In this order: a library may count on it.
constexpr TextRow kTexts[] = {
    {"HIVECARE_REGCLEANER_1", 0, -1},
    {"HIVECARE_REGCLEANER_2", kLvExclude, 0},
    {"HIVECARE_REGCLEANER_3", kLvExclude, 1},
    {"HIVECARE_REGCLEANER_4", kCmdExclude0 + 2, -1},
    {"HIVECARE_REGCLEANER_5", kCmdExclude0 + 1, -1},
    {"HIVECARE_REGCLEANER_6", kCmdExclude0, -1},
    {"HIVECARE_REGCLEANER_7", LinkId(8), -1},
    {"HIVECARE_REGCLEANER_8", kLabel5, -1},
    {"HIVECARE_REGCLEANER_9", kChkSkipCDLan, -1},
    {"HIVECARE_REGCLEANER_10", kLvLocations, 0},
    {"HIVECARE_REGCLEANER_11", kLvLocations, 1},
    {"HIVECARE_REGCLEANER_12", LinkId(7), -1},
    {"HIVECARE_REGCLEANER_13", kLabel4, -1},
    {"HIVECARE_REGCLEANER_14", kLvInvalidLoc, 0},
    {"HIVECARE_REGCLEANER_15", kLvInvalidLoc, 1},
    {"HIVECARE_REGCLEANER_16", kLvInvalidLoc, 2},
    {"HIVECARE_REGCLEANER_17", kLvInvalidLoc, 3},
    {"HIVECARE_REGCLEANER_18", kLvInvalidLoc, 4},
    {"HIVECARE_REGCLEANER_19", kLvInvalidLoc, 5},
    {"HIVECARE_REGCLEANER_30", kCmdScan, -1},
    {"HIVECARE_REGCLEANER_32", kLabel3, -1},
    {"HIVECARE_REGCLEANER_33", kLabel7, -1},
    {"HIVECARE_REGCLEANER_34", LinkId(6), -1},
    {"HIVECARE_REGCLEANER_35", LinkId(5), -1},
    {"HIVECARE_REGCLEANER_36", LinkId(4), -1},
    {"HIVECARE_REGCLEANER_37", kLabel1, -1},
    {"HIVECARE_REGCLEANER_38", LinkId(3), -1},
    {"HIVECARE_REGCLEANER_40", LinkId(1), -1},
    {"HIVECARE_REGCLEANER_41", LinkId(0), -1},
};

}  // namespace

void MainWindow::SetTexts() {
  for (const TextRow& row : kTexts) {
    const std::string text = texts_.GetText(row.text_id);
    if (row.column < 0) {
      SetCaption(row.control, text);
    } else {
      SetColumnText(control(row.control), row.column, text);
    }
  }
  kept_ = scan::KeptTexts::Load(texts_);
}

// Labels and links fit themselves to their text; the scan button's caption
// is also the state of a scan, kept where reading it costs nothing.
void MainWindow::SetCaption(int id, const std::string& text) {
  HWND target = control(id);
  if (id >= kLinks) {
    link_art_.SetText(target, text);
    return;
  }
  if (id == kCmdScan) scan_caption_ = text;
  SetText(target, text);
  if (id == kLabel1 || id == kLabel3 || id == kLabel4 || id == kLabel5 || id == kLabel7) {
    SizeToText(target);
  }
}

}  // namespace shell
