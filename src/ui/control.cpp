#include "ui/control.h"

#include "ui/application.h"

namespace glean::ui {

namespace {
const char kObjectProperty[] = "GleanControl";
}

Control::~Control() {
  if (hwnd_) {
    RemovePropA(hwnd_, kObjectProperty);
    if (original_) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(hwnd_);
  }
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

void Control::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropA(hwnd, kObjectProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

void Control::SetBounds(int x, int y, int width, int height) {
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Control::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

void Control::SetFont(HFONT font) { SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

bool Control::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Control::CallOriginal(UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(original_, hwnd_, msg, wp, lp);
}

LRESULT Control::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
      if (OnEnter) {
        LRESULT r = CallOriginal(msg, wp, lp);
        OnEnter();
        return r;
      }
      break;
    case WM_MOUSEMOVE:
      if (OnMouseMove) {
        LRESULT r = CallOriginal(msg, wp, lp);
        OnMouseMove(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return r;
      }
      break;
    case WM_MOUSEWHEEL:
      if (OnCtrlWheel && (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL)) {
        OnCtrlWheel(GET_WHEEL_DELTA_WPARAM(wp));
        return 0;
      }
      break;
    case WM_KEYUP:
      if (OnKeyUp) {
        LRESULT r = CallOriginal(msg, wp, lp);
        OnKeyUp(wp);
        return r;
      }
      break;
  }
  return CallOriginal(msg, wp, lp);
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Control* self = FromHandle(hwnd);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    WNDPROC original = self->original_;
    RemovePropA(hwnd, kObjectProperty);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    self->hwnd_ = nullptr;
    self->original_ = nullptr;
    return CallWindowProcA(original, hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  bool done = false;
  Guarded(hwnd, [&] {
    result = self->WindowProc(msg, wp, lp);
    done = true;
  });
  return done ? result : 0;
}

bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(lp);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
      break;
    case WM_MEASUREITEM:
      return false;  // sent during creation, before the object exists; sizes are set after
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(lp);
      break;
    default:
      return false;
  }
  Control* control = Control::FromHandle(child);
  if (!control && msg == WM_CTLCOLORLISTBOX) control = Control::FromHandle(GetParent(child));
  return control && control->HandleReflected(msg, wp, lp, result);
}

}  // namespace glean::ui
