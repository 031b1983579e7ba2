// Stands in for hivesafe.exe and language.exe in the start tests: it
// appends the path it was started as (its first argument, as Windows split
// the command line) to "<its own path>.started" and ends.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/text_convert.h"

int main() {
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::wstring first = count > 0 ? arguments[0] : L"";
  std::ofstream record(std::filesystem::path(std::wstring(own) + L".started"), std::ios::app);
  record << platform::WideToUtf8(first) << " " << count << "\n";
  return 0;
}
