// hivesafe, the registry backup tool: its window over the real file system,
// processes, locale, language library and message boxes. Several copies may
// run at once; each starts its own backup.
#include <windows.h>

#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/program_folder.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_process_runner.h"
#include "shell/backup_window.h"
#include "shell/controls.h"
#include "shell/message_pump.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  shell::RegisterControlClasses();

  platform::Win32FileSystem files;
  platform::Win32ProcessRunner runner;
  platform::Win32MessageBoxes boxes;
  platform::PhrasebookTexts texts;
  platform::Win32LocaleFormat locale;
  shell::BackupWindow window(files, runner, boxes, texts, locale, platform::ProgramFolder());
  if (!window.Create()) return 1;
  ShowWindow(window.hwnd(), show);

  return shell::RunMessageLoop();
}
