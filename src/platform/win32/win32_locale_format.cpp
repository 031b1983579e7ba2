#include "platform/win32/win32_locale_format.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/text_convert.h"

namespace platform {

namespace {

// FILETIME counts 100 ns intervals from 1601-01-01; Unix time counts seconds
// from 1970-01-01.
constexpr std::int64_t kIntervalsPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

FILETIME ToFileTime(std::int64_t utc_seconds) {
  const auto intervals =
      static_cast<std::uint64_t>((utc_seconds + kSecondsFrom1601To1970) * kIntervalsPerSecond);
  FILETIME time{};
  time.dwLowDateTime = static_cast<DWORD>(intervals);
  time.dwHighDateTime = static_cast<DWORD>(intervals >> 32);
  return time;
}

}  // namespace

std::string Win32LocaleFormat::ShortDate(std::int64_t utc_seconds) {
  if (utc_seconds < -kSecondsFrom1601To1970) return "";
  const FILETIME file_time = ToFileTime(utc_seconds);
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  // The null zone is the current one, with the daylight rule of that date.
  if (!FileTimeToSystemTime(&file_time, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return "";
  }
  wchar_t text[128] = {};
  const int length =
      GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, text, std::size(text));
  if (length <= 0) return "";
  return WideToUtf8(std::wstring_view(text, length - 1));
}

std::string Win32LocaleFormat::DecimalSeparator() {
  // The locale allows at most three characters plus the NUL.
  wchar_t text[8] = {};
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, std::size(text));
  if (length <= 1) return ".";
  return WideToUtf8(std::wstring_view(text, length - 1));
}

}  // namespace platform
