// A top-level test window holding one TEditor configured as the captured-text pane of
// the main window, filled with captured-looking text.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "editor/control/editor.h"

namespace glean::testing {

class PaneForm {
 public:
  PaneForm(int width = 640, int height = 400);
  ~PaneForm();
  PaneForm(const PaneForm&) = delete;
  PaneForm& operator=(const PaneForm&) = delete;

  HWND Handle() const { return hwnd_; }
  TEditor& Data() { return *data_; }
  // Serves messages until the window is closed, or for `lifetimeMs` when that is above 0.
  void Run(UINT lifetimeMs);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Layout();

  HWND hwnd_ = nullptr;
  std::unique_ptr<TEditor> data_;
};

// A few lines of text as a capture writes them: headers, notes, an error, addresses.
std::string CapturedSample();

// The pane options of the main window (font, wrap, caret, margins, marks, colours).
void ConfigureMainPane(TEditor& e);

}  // namespace glean::testing
