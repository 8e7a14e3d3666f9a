// TPanel: a plain container window with an optional double lowered bevel. It is a
// control parent (Tab moves through its children) and hands its children's
// notifications back to their objects.
#pragma once

#include <windows.h>

namespace glean::ui {

class Panel {
 public:
  Panel(HWND parent, bool bevel);
  ~Panel();
  Panel(const Panel&) = delete;  // the object owns its window
  Panel& operator=(const Panel&) = delete;

  HWND Handle() const { return hwnd_; }
  void SetBounds(int x, int y, int width, int height);
  void SetVisible(bool visible);
  bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
  int Width() const;
  int Height() const;
  // Width of the bevel on each side (0 without one).
  int BorderWidth() const { return bevel_ ? 2 : 0; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  bool bevel_;
};

}  // namespace glean::ui
