#pragma once
// Creates the controls of a table in a window and fills them.
#include <windows.h>

#include <vector>

#include "control_table.h"

namespace sample_app {

// Name of the window property that holds (tab page + 1) on the controls of a tab page.
inline constexpr char kPageProperty[] = "GleanSamplePage";

HWND CreateControl(HWND parent, const ControlEntry& entry, int shown_page);
void CreateControls(HWND parent, const std::vector<ControlEntry>& entries);

// Shows the controls of `page` and hides those of the other pages.
void ShowTabPage(HWND parent, int page);

// Removes the page properties; a window must take its properties away before it goes.
void ForgetTabPages(HWND parent);

}  // namespace sample_app
