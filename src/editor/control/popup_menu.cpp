#include "editor/control/popup_menu.h"

#include <map>

#include "editor/control/core/popup_items.h"
#include "win/os_error.h"

namespace glean {

TEditorPopupMenu::TEditorPopupMenu(TEditorCore& editor) : editor_(editor), menu_(CreatePopupMenu()) {
  if (!menu_) win::RaiseLastOSError();
  std::map<int, HMENU> subs;
  for (const popup::TItem& item : popup::Items()) {
    HMENU parent = item.Parent ? subs[item.Parent] : menu_.Get();
    if (item.Id == 0) {
      AppendMenuA(parent, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string caption = item.Shortcut.empty() ? item.Caption : item.Caption + "\t" + item.Shortcut;
    if (item.Id == popup::kMarks || item.Id == popup::kJumps) {
      HMENU sub = CreatePopupMenu();
      subs[item.Id] = sub;
      AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
      continue;
    }
    // Undo to Select all start disabled; Prepare sets them.
    const bool disabled = item.Id >= popup::kUndo && item.Id <= popup::kSelectAll;
    AppendMenuA(parent, MF_STRING | (disabled ? MF_GRAYED : 0), static_cast<UINT_PTR>(item.Id),
                caption.c_str());
  }
}

void TEditorPopupMenu::Prepare() {
  for (const popup::TItem& item : popup::Items()) {
    if (item.Id == 0 || item.Id == popup::kMarks || item.Id == popup::kJumps) continue;
    const popup::TState s = popup::StateOf(editor_, item.Id);
    EnableMenuItem(menu_.Get(), static_cast<UINT>(item.Id), MF_BYCOMMAND | (s.Enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_.Get(), static_cast<UINT>(item.Id), MF_BYCOMMAND | (s.Checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

bool TEditorPopupMenu::Popup(HWND owner, int x, int y) {
  Prepare();
  const int id = static_cast<int>(TrackPopupMenu(menu_.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                 x, y, 0, owner, nullptr));
  if (id == 0) return false;
  Run(id);
  return true;
}

void TEditorPopupMenu::Run(int id) { popup::Run(editor_, id); }

}  // namespace glean
