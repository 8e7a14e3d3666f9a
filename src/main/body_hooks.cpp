// Points where the pane's link behaviour, the clipboard-speech switches and the
// re-search on activation join the menus and the window. The link and announcement work
// (the links under the caret, the F11 switches, the auto re-search) owns these bodies
// and fills them in; until then they do nothing.
#include "main/body.h"
#include "main/menus.h"

namespace glean {

// Whether the caret or the mouse rests on an address the popup menu can open.
bool TBody::LinkIsCurrent() { return false; }

// Opens the current address (the popup's N14, Ctrl+U, a double click on the pane).
void TBody::OpenCurrentLink() {}

// The application became active (WM_ACTIVATEAPP).
void TBody::AppActivate() {}

// F11 and Ctrl+F11: clipboard speech on and off.
void TBody::SecClick() {}
void TBody::N22Click() {}

// The pane received the focus: from now on its editing commands are offered.
void TBody::DataEnter() { menus_->SetEditMenuEnabled(hwnd_, true); }

}  // namespace glean
