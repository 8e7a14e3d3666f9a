// One C++ object per window of Glean's own: the object subclasses its window, and the
// parent hands the notifications a child sends it (commands, drawing requests, colour
// requests) back to the child's object.
#pragma once

#include <windows.h>

#include <functional>

namespace glean::ui {

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;  // the object is the window's one owner
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  static Control* FromHandle(HWND hwnd);

  void SetBounds(int x, int y, int width, int height);
  void SetVisible(bool visible);
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  void SetFont(HFONT font);
  HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)); }
  RECT Bounds() const;  // in the parent's client coordinates

  // A notification the parent received from this control (WM_COMMAND, WM_NOTIFY,
  // WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*); true when handled, with its answer.
  virtual bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  std::function<void()> OnEnter;  // the control received the keyboard focus
  std::function<void(WPARAM key)> OnKeyUp;
  std::function<void(int x, int y)> OnMouseMove;  // client coordinates
  // The wheel turned with Ctrl held (`delta` as WM_MOUSEWHEEL gives it): taken from the
  // control's own scrolling when set.
  std::function<void(int delta)> OnCtrlWheel;

 protected:
  // Takes ownership of `hwnd` and subclasses it.
  void Attach(HWND hwnd);
  // The subclassed window procedure; the default hands the message to the original.
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT CallOriginal(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
};

// For a parent's window procedure: hands a child's notification to the child's object.
// True when the child handled it (the parent then answers `result`).
bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace glean::ui
