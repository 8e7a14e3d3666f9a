// Readers of the one item under a screen point, for the pointer reader: a list-view
// row with its column headers, a tree-view item, a list-box item. Messages go with the
// usual timeout (ETargetNotResponding); memory-manager errors are raised as they come.
#pragma once

#include <windows.h>

#include <string>

namespace glean::capture {

// One line per non-empty cell of the row under (x, y): "《header》" (for a header that is
// neither empty nor a single space) and the cell's text, then "." while `announcing`,
// then CR LF. Empty when no row lies there.
std::string ListViewItemAtPoint(HWND listView, int x, int y, bool announcing);

// The text of the tree-view item under (x, y), or empty.
std::string TreeViewItemAtPoint(HWND treeView, int x, int y);

// The text of the list-box item under (x, y) (at most 256 bytes), or empty.
std::string ListBoxItemAtPoint(HWND listBox, int x, int y);

}  // namespace glean::capture
