// frmAbout, the language changer's only window: never seen, it hosts the
// load step that shows the language library's choice dialog and, on a
// confirmed choice, brings the main program back in the new language.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "shell/base_window.h"
#include "shell/fonts.h"

namespace language {

// What the load step asks of the world.
struct ChangerActions {
  // The choice dialog's result widened to int: 1 for a confirmed choice,
  // anything else (0 when the library is missing) for none.
  std::function<int()> choose_language;
  // Starts tidemark beside the changer; a failure stays silent.
  std::function<void()> start_main_program;
};

inline constexpr wchar_t kAboutCaption[] = L"Norvane Language Changer";
inline constexpr wchar_t kAboutClass[] = L"NorvaneLanguageChanger";

class AboutWindow : public shell::BaseWindow<AboutWindow> {
 public:
  explicit AboutWindow(ChangerActions actions);
  ~AboutWindow();

  // Creates the window hidden and runs its load step, after which the
  // program has nothing left to do: both windows are gone on return.
  // False when the window cannot be made (the step then never runs).
  bool Run();

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Load();

  ChangerActions actions_;
  // The hidden owner keeps the window off the task bar, as a program's
  // application window does, and carries the program icon for Alt+Tab.
  HWND owner_ = nullptr;
  std::unique_ptr<shell::Fonts> fonts_;
};

}  // namespace language
