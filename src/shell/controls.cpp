#include "shell/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/text_convert.h"

namespace shell {

std::wstring WideText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

HWND CreateControl(HWND parent, int id, const wchar_t* window_class, DWORD style,
                   const RECT& place, HFONT font, const wchar_t* text, DWORD ex_style) {
  HWND control = CreateWindowExW(ex_style, window_class, text, WS_CHILD | style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void SetText(HWND control, const std::string& text) {
  SetWindowTextW(control, platform::Utf8ToWide(text).c_str());
}

std::string GetText(HWND control) { return platform::WideToUtf8(WideText(control)); }

SIZE TextSize(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, 0, 0};
  // An empty text still has a line's height.
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
  const int overhang = MulDiv(2, GetDeviceCaps(dc, LOGPIXELSX), 96);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return SIZE{text.empty() ? 0 : r.right - r.left + overhang, r.bottom - r.top};
}

void SizeToText(HWND control) {
  const SIZE size = TextSize(control, WideText(control));
  SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetColumnText(HWND list, int column, const std::string& text) {
  std::wstring wide = platform::Utf8ToWide(text);
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = wide.data();
  SendMessageW(list, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&col));
}

std::string ColumnText(HWND list, int column) {
  wchar_t buffer[256] = {};
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT;
  col.pszText = buffer;
  col.cchTextMax = 256;
  SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&col));
  return platform::WideToUtf8(buffer);
}

void AddColumn(HWND list, int column, int width, const wchar_t* text) {
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.cx = width;
  col.pszText = const_cast<wchar_t*>(text);
  col.iSubItem = column;
  SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&col));
}

// LVM_GETITEMTEXT tells only how much it copied: a full buffer may mean a
// longer text, so the buffer grows until the text fits (a value's data can
// be long).
std::string ItemText(HWND list, int row, int column) {
  std::wstring buffer(256, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto length = static_cast<size_t>(
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      buffer.resize(length);
      return platform::WideToUtf8(buffer);
    }
    buffer.resize(buffer.size() * 4);
  }
}

int AppendRow(HWND list, const std::vector<std::string>& cells, int position) {
  std::wstring text = platform::Utf8ToWide(cells.empty() ? std::string() : cells[0]);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = position < 0 ? ListView_GetItemCount(list) : position;
  item.pszText = text.data();
  const int row = ListView_InsertItem(list, &item);
  for (size_t column = 1; column < cells.size(); ++column) {
    std::wstring cell = platform::Utf8ToWide(cells[column]);
    if (!cell.empty()) ListView_SetItemText(list, row, static_cast<int>(column), cell.data());
  }
  return row;
}

void FitWindow(HWND window, int outer_width, int client_height) {
  RECT outer{0, 0, 0, client_height};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, outer_width, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnScreen(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RegisterControlClasses() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_ANIMATE_CLASS | ICC_PROGRESS_CLASS |
                                                     ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace shell
