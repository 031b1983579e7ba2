// tidemark, the registry cleaner: the main window over the real registry,
// file system, language library and message boxes.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/message_boxes_win32.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "shell/controls.h"
#include "shell/message_pump.h"
#include "shell/main_window.h"
#include "platform/win32/program_folder.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  shell::RegisterControlClasses();

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::PhrasebookTexts texts;
  platform::Win32MessageBoxes boxes;
  shell::MainWindow window(registry, files, texts, boxes, platform::ProgramFolder());
  // The main window stays invisible behind the start page; a second copy
  // ends here unseen.
  if (!window.Create(L"Local\\HivecareTidemark")) return window.another_copy_running() ? 0 : 1;

  return shell::RunMessageLoop();
}
