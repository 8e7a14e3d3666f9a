// Readers of controls whose texts come back in Glean's own memory: the menu bar, list
// boxes, and every child with a window text.
#pragma once

#include <windows.h>

#include <string>

#include "capture/captured_text.h"
#include "capture/child_walk.h"

namespace glean::capture {

void ReadMenuBar(CapturedText& out, HWND window);
void ReadListBox(CapturedText& out, HWND child);
// Whether the child gave any text (read or not by the options).
bool ReadChildText(CapturedText& out, const ChildFacts& child);

// Removes every "&" (doubled ones too).
std::string RemoveAmpersands(const std::string& text);

}  // namespace glean::capture
