#include "apps/language/about_window.h"

#include <utility>

#include "platform/win32/window_icon.h"
#include "shell/layout.h"

namespace language {
namespace {

constexpr shell::TwipRect kAboutPlace{12075, 5610, 3330, 1710};
constexpr shell::FontStyle kTahoma825{L"Tahoma", 825};

// A fixed dialog frame with a caption but no control box, so no minimise,
// maximise or close button either.
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD kAboutExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

AboutWindow::AboutWindow(ChangerActions actions) : actions_(std::move(actions)) {}

AboutWindow::~AboutWindow() {
  Destroy();
  if (owner_ != nullptr) DestroyWindow(owner_);
}

bool AboutWindow::Run() {
  owner_ = CreateWindowExW(0, L"STATIC", kAboutCaption, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  const shell::Layout layout;
  fonts_ = std::make_unique<shell::Fonts>(layout.dpi());
  const RECT r = layout.Rect(kAboutPlace);
  if (!CreateWindowOf(kAboutClass, kAboutCaption, kAboutStyle, kAboutExStyle, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, owner_,
                      static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
    return false;
  }
  Load();
  // Confirmed or not, the user has nothing left to act on here.
  Destroy();
  DestroyWindow(owner_);
  owner_ = nullptr;
  return true;
}

void AboutWindow::Load() {
  platform::SetWindowIcon(hwnd(), L"AAA", true);
  if (actions_.choose_language() == 1) actions_.start_main_program();
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  // The window's design font, for whatever asks for it.
  if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(fonts_->Get(kTahoma825));
  return DefWindowProcW(hwnd(), msg, wparam, lparam);
}

}  // namespace language
