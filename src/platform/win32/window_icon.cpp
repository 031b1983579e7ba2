#include "platform/win32/window_icon.h"

namespace platform {
namespace {

HWND TopLevelOwner(HWND window) {
  HWND top = window;
  for (HWND owner = GetWindow(top, GW_OWNER); owner != nullptr; owner = GetWindow(top, GW_OWNER)) top = owner;
  return top;
}

// One icon size: loaded at the system's metrics, sent to the owner before
// the window (a window without an owner thus receives it twice).
void SetIcon(HWND window, HWND owner, const wchar_t* resource, WPARAM which, int width_metric,
             int height_metric) {
  const auto icon = reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_ICON,
                                                        GetSystemMetrics(width_metric),
                                                        GetSystemMetrics(height_metric), LR_SHARED));
  if (owner != nullptr) SendMessageW(owner, WM_SETICON, which, icon);
  SendMessageW(window, WM_SETICON, which, icon);
}

}  // namespace

void SetWindowIcon(HWND window, const wchar_t* resource, bool also_owner) {
  const HWND owner = also_owner ? TopLevelOwner(window) : nullptr;
  SetIcon(window, owner, resource, ICON_BIG, SM_CXICON, SM_CYICON);
  SetIcon(window, owner, resource, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
}

}  // namespace platform
