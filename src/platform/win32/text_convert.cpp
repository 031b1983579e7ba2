#include "platform/win32/text_convert.h"

#include <windows.h>

namespace platform {
namespace {

// Converts between a byte code page and UTF-16. Lengths are passed
// explicitly, so NULs inside the text are converted like any character.
void ToWide(UINT code_page, std::string_view text, std::wstring* out) {
  // A byte never gives more than one UTF-16 unit: no sizing call needed.
  // (An empty text converts to nothing: the call fails and gives 0.)
  out->resize(text.size());
  int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                   out->data(), static_cast<int>(out->size()));
  out->resize(static_cast<size_t>(length));
}

void FromWide(UINT code_page, std::wstring_view text, std::string* out) {
  const int size = static_cast<int>(text.size());
  // UTF-8 takes at most three bytes per UTF-16 unit, so one call does;
  // other code pages are measured first.
  const int capacity =
      code_page == CP_UTF8
          ? 3 * size
          : WideCharToMultiByte(code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  out->resize(static_cast<size_t>(capacity));
  int length = WideCharToMultiByte(code_page, 0, text.data(), size, out->data(), capacity,
                                   nullptr, nullptr);
  out->resize(static_cast<size_t>(length));
}

}  // namespace

void Utf8ToWide(std::string_view text, std::wstring* out) { ToWide(CP_UTF8, text, out); }

void WideToUtf8(std::wstring_view text, std::string* out) { FromWide(CP_UTF8, text, out); }

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring wide;
  ToWide(CP_UTF8, text, &wide);
  return wide;
}

std::string WideToUtf8(std::wstring_view text) {
  std::string utf8;
  FromWide(CP_UTF8, text, &utf8);
  return utf8;
}

std::string AnsiToUtf8(std::string_view text) {
  std::wstring wide;
  ToWide(CP_ACP, text, &wide);
  return WideToUtf8(wide);
}

std::string Utf8ToAnsi(std::string_view text) {
  std::string ansi;
  FromWide(CP_ACP, Utf8ToWide(text), &ansi);
  return ansi;
}

}  // namespace platform
