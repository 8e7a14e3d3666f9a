// Keyboard and mouse input as the window system delivers it: to the foreground window's
// focus and to the window under the pointer.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace glean::test {

void Key(WORD key, bool up);

// A key pressed and released, with the modifiers held around it.
void Press(WORD key, std::initializer_list<WORD> modifiers = {});

// Characters typed as Unicode key events, as on-screen keyboards and braille input send them.
void TypeUnicode(const std::wstring& text);

// The pointer moved to a screen point through the input queue.
void MoveMouse(POINT to);

// A button event (MOUSEEVENTF_LEFTDOWN, ...) at a screen point. The move and the button
// go as one event: a loaded Wine may otherwise deliver the button at the pointer's
// earlier place.
void MouseButton(DWORD buttonFlags, POINT at);

}  // namespace glean::test
