// Small helpers over the standard controls: creation at a place in pixels,
// texts in UTF-8 (the system's text) converted at the boundary, sizes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace shell {

// Creates a child control with `id`, visible unless `style` says otherwise.
HWND CreateControl(HWND parent, int id, const wchar_t* window_class, DWORD style,
                   const RECT& place, HFONT font, const wchar_t* text = L"", DWORD ex_style = 0);

void SetText(HWND control, const std::string& text);
std::string GetText(HWND control);
std::wstring WideText(HWND control);

// The room `text` needs in the control's font, with access-key ampersands
// processed as a label draws them, and a little more for glyphs that
// reach past their advance (an italic or a final "s" on screen).
SIZE TextSize(HWND control, const std::wstring& text);
// Resizes a label to its text; its left and top stay.
void SizeToText(HWND control);

// A list view column header.
void SetColumnText(HWND list, int column, const std::string& text);
std::string ColumnText(HWND list, int column);
void AddColumn(HWND list, int column, int width, const wchar_t* text);
// The text of a list view cell (column 0 is the row's own text).
std::string ItemText(HWND list, int row, int column);
// Appends a row (or inserts it at `position`): its text, then its
// sub-items; an empty sub-item is left unset. Returns the row's position.
int AppendRow(HWND list, const std::vector<std::string>& cells, int position = -1);

// Sizes a top-level window `outer_width` pixels wide and tall enough for a
// client area of `client_height` pixels under whatever frame and caption
// the system draws.
void FitWindow(HWND window, int outer_width, int client_height);

// Places a top-level window at (screen - window) \ 2: a screen smaller than
// the window puts it partly off the screen at the top left.
void CentreOnScreen(HWND window);

// Registers the common control classes tidemark's windows use.
void RegisterControlClasses();

}  // namespace shell
