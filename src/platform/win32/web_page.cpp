#include "platform/win32/web_page.h"

#include <shellapi.h>

#include "platform/win32/text_convert.h"

namespace platform {

namespace {

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

// Looked up at the call: a shell without the function is the one failure
// the user is told about.
ShellExecuteFn FindShellExecute() {
  HMODULE shell = GetModuleHandleW(L"shell32.dll");
  if (!shell) shell = LoadLibraryW(L"shell32.dll");
  if (!shell) return nullptr;
  return reinterpret_cast<ShellExecuteFn>(
      reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
}

}  // namespace

WebPageFailure TidemarkWebPageFailure(const std::string& address) {
  return {"Error en la dirección o en la conección internet " + address, "Browser Personal"};
}

WebPageFailure HivesafeWebPageFailure(common::TextSource& texts, const std::string& address) {
  return {texts.GetText("msgErrConnect") + " " + address, texts.GetText("msgBrowser")};
}

void OpenWebPage(HWND window, const std::string& address, const std::string& working_folder,
                 MessageBoxes& boxes, const WebPageFailure& failure) {
  const ShellExecuteFn shell_execute = FindShellExecute();
  if (!shell_execute) {
    // OK and Cancel do the same: nothing.
    boxes.Show(window, failure.prompt, failure.title, MB_OKCANCEL | MB_ICONQUESTION);
    return;
  }
  shell_execute(window, L"open", Utf8ToWide(address).c_str(), L"",
                Utf8ToWide(working_folder).c_str(), SW_SHOWNORMAL);
}

void OpenWebPage(HWND window, const std::string& address, const std::string& working_folder,
                 MessageBoxes& boxes) {
  OpenWebPage(window, address, working_folder, boxes, TidemarkWebPageFailure(address));
}

}  // namespace platform
