#pragma once
// A custom-drawn "document": a Unicode child window without child controls whose content
// exists only in the accessibility tree it hands out on WM_GETOBJECT, as browsers and
// other custom-drawn programs do.
#include <windows.h>

#include "control_table.h"

namespace sample_app {

// `entry.text` chooses the tree: "normal", "hang" (a call into it never returns),
// "cycle" (an object lists an ancestor among its children), "huge" (more objects than
// a reader takes), "bench" (a few thousand objects) or "lazy" (the first asker gets a bare
// root, later ones the normal tree, as browsers build their tree once asked).
HWND CreateDocumentView(HWND parent, const ControlEntry& entry);

}  // namespace sample_app
