// The text of another program's control, read in the control's own character set: a
// Unicode window is asked with the W messages, so that characters code page 932 lacks
// reach the one conversion instead of the system's "?".
#pragma once

#include <windows.h>

#include <string>

namespace glean::capture {

// What WM_GETTEXT into `limit` bytes would hold: at most limit - 1 bytes of code page
// 932, cut at a character boundary. Through
// SendToTarget: a hung window raises ETargetNotResponding.
std::string ReadTargetWindowText(HWND hwnd, int limit);

}  // namespace glean::capture
