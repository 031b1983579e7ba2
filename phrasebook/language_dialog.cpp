// ShowLangDlg: the language choice dialog of the library.
#include <windows.h>

#include <string>
#include <vector>

#include "encoding.h"
#include "language_choice.h"
#include "language_dialog_ids.h"
#include "library_module.h"
#include "platform/win32/window_icon.h"
#include "text_store.h"

namespace phrasebook {
namespace {

struct DialogText {
  int control;  // 0: the dialog's title
  const char* id;
  const wchar_t* fallback;  // for a language file that lacks the text
};

constexpr DialogText kDialogTexts[] = {
    {0, "PHRASEBOOK_1", L"Language"},
    {PHRASEBOOK_LANGUAGE_PROMPT, "PHRASEBOOK_2", L"Choose the language of the suite's texts:"},
    {IDOK, "PHRASEBOOK_OK", L"OK"},
    {IDCANCEL, "PHRASEBOOK_CANCEL", L"Cancel"},
};

void ApplyTexts(HWND dialog) {
  const auto& texts = CurrentTexts();
  for (const DialogText& item : kDialogTexts) {
    const auto found = texts.find(item.id);
    const bool known = found != texts.end() && !found->second.empty();
    const std::wstring text = known ? ToWide(CP_ACP, found->second) : item.fallback;
    SetWindowTextW(item.control == 0 ? dialog : GetDlgItem(dialog, item.control), text.c_str());
  }
}

void FillLanguages(HWND dialog, const std::vector<std::string>& languages) {
  HWND list = GetDlgItem(dialog, PHRASEBOOK_LANGUAGE_LIST);
  const std::string current = CurrentLanguage();
  for (std::size_t i = 0; i < languages.size(); ++i) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(CP_UTF8, languages[i]).c_str()));
    if (languages[i] == current) SendMessageW(list, LB_SETCURSEL, i, 0);
  }
  // Without a language selected there is nothing to confirm.
  EnableWindow(GetDlgItem(dialog, IDOK), SendMessageW(list, LB_GETCURSEL, 0, 0) != LB_ERR);
}

// Stores the selected language; the dialog confirms only what was stored.
void Confirm(HWND dialog) {
  const auto* languages = reinterpret_cast<const std::vector<std::string>*>(GetWindowLongPtrW(dialog, DWLP_USER));
  const LRESULT index = SendDlgItemMessageW(dialog, PHRASEBOOK_LANGUAGE_LIST, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return;
  const bool stored = StoreLanguage((*languages)[static_cast<std::size_t>(index)]);
  if (stored) ForgetTexts();  // this process, too, looks up in the new language
  EndDialog(dialog, stored ? 1 : 0);
}

INT_PTR CALLBACK LanguageDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      ApplyTexts(dialog);
      FillLanguages(dialog, *reinterpret_cast<const std::vector<std::string>*>(lparam));
      // The calling program's icon group "AAA"; none when it has no such icon.
      platform::SetWindowIcon(dialog, L"AAA", false);
      SetForegroundWindow(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDOK:
          Confirm(dialog);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
        case PHRASEBOOK_LANGUAGE_LIST:
          if (HIWORD(wparam) == LBN_DBLCLK) Confirm(dialog);
          if (HIWORD(wparam) == LBN_SELCHANGE) EnableWindow(GetDlgItem(dialog, IDOK), TRUE);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace
}  // namespace phrasebook

// Shows the language choice, modal, and returns 1 when the user chose a
// language and confirmed it (stored for this user), 0 otherwise.
extern "C" short __stdcall ShowLangDlg() {
  // The dialog speaks, and later lookups answer, in the language stored
  // now, which another program may have changed since the texts were read.
  phrasebook::ForgetTexts();
  std::vector<std::string> languages = phrasebook::LanguagesOnOffer();
  const INT_PTR result =
      DialogBoxParamW(phrasebook::LibraryModule(), MAKEINTRESOURCEW(PHRASEBOOK_LANGUAGE_DIALOG), nullptr,
                      phrasebook::LanguageDialogProc, reinterpret_cast<LPARAM>(&languages));
  return result == 1 ? 1 : 0;
}
