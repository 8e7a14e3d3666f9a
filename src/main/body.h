// TBody: Glean's main window.
#pragma once

#include <windows.h>

namespace glean {

class TBody {
 public:
  // Registers the class and creates the window (not shown yet).
  explicit TBody(HINSTANCE instance);
  ~TBody();
  TBody(const TBody&) = delete;  // one main window per run
  TBody& operator=(const TBody&) = delete;

  HWND Handle() const { return hwnd_; }
  void Show(int showCommand);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
};

}  // namespace glean
