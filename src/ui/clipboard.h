// Plain text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace glean::ui {

// Replaces the clipboard's content by `text` (CF_TEXT); false when the clipboard could
// not be opened (another program holds it).
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace glean::ui
