// Looks up one text the way a program does, in a process of its own, so
// that the language library starts afresh: "phrasebook_lookup ID OUTPUT"
// writes the text for ID (UTF-8) to the file OUTPUT.
#include <windows.h>
#include <shellapi.h>

#include <fstream>

#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/text_convert.h"

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 3) return 2;
  platform::PhrasebookTexts texts;  // the library beside this program
  std::ofstream(arguments[2], std::ios::binary) << texts.GetText(platform::WideToUtf8(arguments[1]));
  return 0;
}
