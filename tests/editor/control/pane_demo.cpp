// Shows the captured-text pane with sample text, for looking at it (and taking a
// screenshot) under Wine. Ends when its window is closed, or after the number of
// milliseconds given on the command line; "bars" after the number also shows the
// ruler, the line numbers, the end marks and a few row marks.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "pane_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int) {
  glean::testing::PaneForm form;
  form.Data().SetSelStart(40);
  form.Data().SetSelLength(20);
  if (std::strstr(cmdLine, "bars")) {
    glean::TEditor& e = form.Data();
    e.Ruler().SetVisible(true);
    e.Leftbar().SetVisible(true);
    e.Leftbar().SetShowNumberMode(glean::TEditorShowNumberMode::nmLine);
    e.Marks().RetMark().SetVisible(true);
    e.Marks().WrapMark().SetVisible(true);
    e.Marks().Underline().SetVisible(true);
    e.PutRowMark(1, 1);
    e.PutRowMark(4, 12);
    e.SetSelLength(0);
    e.SetRowCol(6, 12);
  }
  const int lifetime = std::atoi(cmdLine);
  form.Run(lifetime > 0 ? static_cast<UINT>(lifetime) : 0);
  return 0;
}
