// A pane in a process of its own, for the tests that read it as a screen reader does,
// from another process. Ends when its window is closed, or after a minute.
#include <windows.h>

#include "pane_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  OleInitialize(nullptr);  // the pane's UI Automation provider is served through COM
  glean::testing::PaneForm form;
  form.Data().Lines().SetText("ab\r\ncd\r\nあい漢字");
  form.Run(60000);
  return 0;
}
