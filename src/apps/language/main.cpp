// language, the language changer: shows the language library's choice and,
// when the user confirms one, starts tidemark beside it again so that it
// comes up in the new language. It ends either way and never says a word.
#include <windows.h>

#include <string>

#include "apps/language/about_window.h"
#include "platform/win32/language_dialog.h"
#include "platform/win32/process_starter.h"
#include "platform/win32/program_folder.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::string folder = platform::ProgramFolder();
  language::AboutWindow about({
      [] { return platform::ShowLanguageDialog(); },
      [&folder] { platform::StartProgram(folder + "\\tidemark.exe"); },
  });
  return about.Run() ? 0 : 1;
}
