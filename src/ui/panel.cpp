#include "ui/panel.h"

#include "ui/application.h"
#include "ui/control.h"
#include "win/os_error.h"

namespace glean::ui {

namespace {
const char kPanelClass[] = "TPanel";

void RegisterPanelClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window below
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) win::RaiseLastOSError();
  registered = true;
}
}  // namespace

Panel::Panel(HWND parent, bool bevel) : bevel_(bevel) {
  RegisterPanelClass();
  hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                          parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) win::RaiseLastOSError();
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Panel::WindowProc));
}

Panel::~Panel() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Panel::SetBounds(int x, int y, int width, int height) {
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Panel::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

int Panel::Width() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r.right - r.left;
}

int Panel::Height() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

LRESULT CALLBACK Panel::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Panel*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY && self) self->hwnd_ = nullptr;
  LRESULT result = 0;
  bool reflected = false;
  // A child's handler may raise (a capture started by a click): report it here, before
  // it could unwind through the window system.
  Guarded(GetAncestor(hwnd, GA_ROOT), [&] { reflected = ReflectToChild(msg, wp, lp, result); });
  if (reflected) return result;
  if (msg == WM_PAINT && self && self->bevel_) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (msg == WM_SIZE && self && self->bevel_) InvalidateRect(hwnd, nullptr, TRUE);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace glean::ui
