#pragma once
// Starting the sample app: the windows of a scenario and the desktop-like folder.
#include <windows.h>

#include <string>
#include <vector>

#include "command_line.h"

namespace sample_app {

// Opens the scenario's windows (shown, filled) and arms the hang timer; empty when the
// scenario is unknown or a window cannot be made.
std::vector<HWND> OpenScenario(HINSTANCE instance, const Options& options);

// Puts what a desktop folder typically holds into `folder` (created if missing): two
// shortcuts, one with a lower-case and one with an upper-case extension, and a text
// file. Returns false when a file cannot be written.
bool FillDesktopFolder(const std::string& folder);

}  // namespace sample_app
