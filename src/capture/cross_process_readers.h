// Readers of the common controls whose item texts can only be fetched through
// structures and buffers placed in the memory of the process that owns the control.
#pragma once

#include <windows.h>

#include "capture/captured_text.h"

namespace glean::capture {

void ReadListView(CapturedText& out, HWND listView);
void ReadTreeView(CapturedText& out, HWND treeView);
void ReadStatusBar(CapturedText& out, HWND statusBar);
void ReadToolBar(CapturedText& out, HWND toolBar);

}  // namespace glean::capture
