// Another window's whole text, asked for with a timeout so that a hung window cannot hold
// the asker.
#pragma once

#include <windows.h>

#include <string>

namespace glean::win {

// WM_GETTEXTLENGTH then WM_GETTEXT, each given up after `timeoutMs`; empty when the window
// does not answer.
std::string WholeWindowText(HWND hwnd, UINT timeoutMs);

}  // namespace glean::win
