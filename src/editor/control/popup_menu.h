// TEditorPopupMenu: the editor's own context menu as a Windows popup menu,
// built from the portable item table, its states set each time it pops up.
#pragma once

#include <windows.h>

#include "editor/control/core/editor_core.h"
#include "win/handle.h"

namespace glean {

class TEditorPopupMenu {
 public:
  explicit TEditorPopupMenu(TEditorCore& editor);
  HMENU Handle() const { return menu_.Get(); }
  // Sets the enabled states and check marks from the editor (the pop-up handler).
  void Prepare();
  // Pops up at a screen point for `owner`, runs the chosen item; false when none was.
  bool Popup(HWND owner, int x, int y);
  // Runs an item by its identifier (a shortcut, or a choice).
  void Run(int id);

 private:
  TEditorCore& editor_;
  win::UniqueMenu menu_;  // destroyed with its submenus
};

}  // namespace glean
