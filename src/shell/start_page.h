// tidemark's start page (frmWizard): the welcome, three paragraphs that
// explain the program and recommend a backup, the backup link, the web and
// language links, and "&Next >" / "Exit". It is shown over the main window,
// which stays loaded and invisible behind it and does what ends it.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "common/text_source.h"
#include "platform/message_boxes.h"
#include "shell/background.h"
#include "shell/base_window.h"
#include "shell/fonts.h"
#include "shell/layout.h"
#include "shell/link_label.h"

namespace shell {

// What the start page leaves to the main window.
class StartPageOwner {
 public:
  virtual void StartPageNext() = 0;   // show the main window, close the start page
  virtual void StartPageExit() = 0;   // end the program without its close step
  virtual void ChangeLanguage() = 0;  // start the language changer and end

 protected:
  ~StartPageOwner() = default;
};

// Control IDs of the start page; its links lblLinks(0) and lblLinks(9) have
// the main window's link IDs, LinkId(0) and LinkId(9).
enum StartPageId : int {
  kStartLabel6 = 300,
  kStartLabel2,
  kStartLabel3,
  kStartLabel4,
  kStartLabel1,  // the backup link
  kStartOKButton,
  kStartCancelButton,
};

class StartPage : public BaseWindow<StartPage> {
 public:
  // `program_folder`: where hivesafe.exe is, no trailing "\".
  StartPage(common::TextSource& texts, platform::MessageBoxes& boxes,
            std::string program_folder, StartPageOwner& owner);
  ~StartPage();

  // Creates the page, owned by `main_window`, and runs its load step
  // (texts, centred, icon); it is shown by the caller. False on failure.
  bool Create(HWND main_window);
  // A control by its ID (null for an unknown one); the window for 0.
  HWND control(int id) const;

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void SizeWindow();
  void CreateControls();
  HWND Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
           const FontStyle& font, const wchar_t* text);
  HWND AddLink(int id, int left, int top, const FontStyle& font, const wchar_t* text);
  void Paint(HDC dc, const RECT& client) const;
  void SetTexts();
  void OnCommand(int id, int code);
  bool IsLink(HWND control) const;

  common::TextSource& texts_;
  platform::MessageBoxes& boxes_;
  std::string program_folder_;
  StartPageOwner& owner_;
  Layout layout_;
  Fonts fonts_;
  LinkArt link_art_;
  Background background_;
  HBITMAP picture_ = nullptr;       // the emblem of the picture at the left
  HBITMAP note_picture_ = nullptr;  // the small picture beside the warning
  std::map<int, HWND> controls_;
  std::map<HWND, COLORREF> text_colours_;
};

}  // namespace shell
