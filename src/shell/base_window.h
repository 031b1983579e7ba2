// One top-level or child window class per C++ class: the object lives in the
// window's GWLP_USERDATA from WM_NCCREATE on, and every message goes to the
// derived class's HandleMessage(msg, wparam, lparam).
#pragma once

#include <windows.h>

namespace shell {

template <class Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  BaseWindow() = default;
  ~BaseWindow() { Destroy(); }

  // Destroys the window without letting its last messages reach the object:
  // called from a destructor, the derived part is gone or going.
  void Destroy() {
    if (!hwnd_) return;
    HWND window = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Registers the class on first use and creates the window; false on failure.
  bool CreateWindowOf(const wchar_t* class_name, const wchar_t* title, DWORD style,
                      DWORD ex_style, int x, int y, int width, int height,
                      HWND parent = nullptr, HBRUSH background = nullptr) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, class_name, &wc)) {
      wc = {};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &BaseWindow::WindowProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = background;
      wc.lpszClassName = class_name;
      if (!RegisterClassExW(&wc)) return false;
    }
    CreateWindowExW(ex_style, class_name, title, style, x, y, width, height, parent, nullptr,
                    instance, static_cast<Derived*>(this));
    return hwnd_ != nullptr;
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
      self = static_cast<Derived*>(create->lpCreateParams);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_ = hwnd;
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) {
      // The window is gone; the object may outlive it but must not reach it.
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      return DefWindowProcW(hwnd, msg, wparam, lparam);
    }
    return self->HandleMessage(msg, wparam, lparam);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace shell
