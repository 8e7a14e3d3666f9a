#pragma once
// The sample app's top-level window: its class, its window procedure and its creation.
#include <windows.h>

#include "control_table.h"

namespace sample_app {

bool RegisterSampleWindowClass(HINSTANCE instance);

// Creates the window hidden and without a title, builds its menu and controls, and only
// then gives it its title and shows it: a window that can be found is a finished one.
HWND OpenSampleWindow(HINSTANCE instance, const WindowEntry& entry);

// After `ms` milliseconds the window's thread stops answering messages for good.
void HangAfter(HWND window, int ms);

HMENU BuildMenuBar(const std::vector<MenuEntry>& menu);

}  // namespace sample_app
