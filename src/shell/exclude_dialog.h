// The exclusion dialog (frmExcludeLocation): one rule's text and its
// must-begin option. Made anew for every add or edit, shown modal over the
// main window; Choice tells the caller how it was closed.
#pragma once

#include <windows.h>
#undef Yield  // an empty macro of 16-bit Windows that would swallow RepairWindow::Yield

#include <string>

#include "common/text_source.h"
#include "platform/message_boxes.h"
#include "repair/repair_window.h"
#include "shell/base_window.h"
#include "shell/fonts.h"
#include "shell/layout.h"

namespace shell {

// Control IDs. OK and Cancel carry the IDs the dialog manager gives Enter
// and Escape.
enum ExcludeDialogId : int {
  kExcludeLabel1 = 100,
  kTxtLocation,
  kChkMustBegin,
  kOKButton = IDOK,
  kCancelButton = IDCANCEL,
};

inline constexpr wchar_t kExcludeDialogClass[] = L"TidemarkExcludeLocation";

class ExcludeDialog : public BaseWindow<ExcludeDialog> {
 public:
  ExcludeDialog(common::TextSource& texts, platform::MessageBoxes& boxes);
  ~ExcludeDialog();

  // Creates the dialog, hidden, owned by `owner`, and runs its load step:
  // texts, icon, centred on the screen, Choice set to "cancelled".
  bool Create(HWND owner);
  void Fill(const repair::ExcludeDialogResult& initial);
  // Shows the dialog with its owner disabled and returns once it is hidden.
  void ShowModal();

  const std::string& Choice() const { return choice_; }
  std::string Location() const;
  bool MustBegin() const;

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void CreateControls();
  void SetTexts();
  void OnOk();
  void Close(const char* choice_id);

  common::TextSource& texts_;
  platform::MessageBoxes& boxes_;
  Layout layout_;
  Fonts fonts_;
  std::string choice_;
  bool shown_ = false;
};

}  // namespace shell
