// Window texts: another window's whole text, asked for with a timeout so that a hung
// window cannot hold the asker, and the text of one of Glean's own windows.
#pragma once

#include <windows.h>

#include <string>

namespace glean::win {

// WM_GETTEXTLENGTH then WM_GETTEXT, each given up after `timeoutMs`; empty when the window
// does not answer.
std::string WholeWindowText(HWND hwnd, UINT timeoutMs);

// The caption or text of a window of Glean's own (its thread answers at once).
std::string OwnWindowText(HWND hwnd);

}  // namespace glean::win
