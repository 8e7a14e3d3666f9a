// The capture's reader of accessibility trees: windows whose content answers no text
// message (browsers, WPF, Qt, custom-drawn views) are read through the tree they offer
// screen readers, with the message readers' guarantees (time limits, bounds).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "capture/captured_text.h"

namespace glean::capture::accessible {

// WM_GETOBJECT for OBJID_CLIENT through the capture's time-limited send: non-zero when
// the window has a tree of its own (0 would only give the system's standard object).
// The answer must be handed to ReadWindowTree.
LRESULT AskForOwnTree(HWND hwnd);

// Writes the tree of `window` (asked with AskForOwnTree) as a section of its own. A walk
// that runs out of time writes what it read and raises ETargetNotResponding.
void ReadWindowTree(CapturedText& out, HWND window, LRESULT answer);

// A child window of a class no message reader knows, which gave the text probe nothing,
// is read through its own tree.
void ReadChildTree(CapturedText& out, HWND child, const std::string& className);

// The line of the accessible object at `at`, for the pointer reader, when `window` (the
// window there) has a tree of its own; empty for Glean's own windows and where nothing
// is read. Raises ETargetNotResponding on a hung program.
std::string AccessibleTextAtPoint(HWND window, POINT at, const std::function<void()>& pump);

}  // namespace glean::capture::accessible
