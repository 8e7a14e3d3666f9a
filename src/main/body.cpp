#include "main/body.h"

#include "main/single_instance.h"
#include "ui/application.h"
#include "win/os_error.h"

namespace glean {

namespace {
constexpr int kDesignWidth = 506;
constexpr int kDesignHeight = 454;
}  // namespace

TBody::TBody(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  win::Win32Check(RegisterClassExA(&wc));
  // An unowned top-level window: its own taskbar button, minimised by itself.
  CreateWindowExA(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kMainWindowClass, ui::kApplicationTitle,
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                  kDesignWidth, kDesignHeight, nullptr, nullptr, instance, this);
  if (!hwnd_) win::RaiseLastOSError();
}

TBody::~TBody() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TBody::Show(int showCommand) {
  ShowWindow(hwnd_, showCommand);
  UpdateWindow(hwnd_);
}

LRESULT CALLBACK TBody::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TBody* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<TBody*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TBody*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  LRESULT result = 0;
  ui::Guarded(hwnd, [&] { result = self->Handle(msg, wp, lp); });
  return result;
}

LRESULT TBody::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace glean
