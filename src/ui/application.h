// The program's message loop and its error report: an exception that leaves an event
// handler is shown in a message box and the program goes on.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace glean::ui {

extern const char kApplicationTitle[];  // "グリーナ！"

// Shows `message` in a message box with the error icon, captioned with the title.
void ShowErrorMessage(HWND owner, const std::string& message);

// Runs `handler`, reporting any exception it raises instead of letting it unwind
// through the window system.
void Guarded(HWND owner, const std::function<void()>& handler);

// Dispatches messages until WM_QUIT; returns its exit code. `dialogWindow`, when set,
// gets keyboard navigation between its controls.
int RunMessageLoop(HWND dialogWindow);

// Keyboard shortcuts of `window`'s menus: keys pressed in the window or its controls
// become its commands before anything else sees them. Null turns them off.
void SetShortcuts(HWND window, HACCEL table);

// Handles the messages now waiting, then returns (a quit request is kept for the loop).
// A message `intercept` answers true for is taken out and not dispatched.
void ProcessMessages(HWND dialogWindow, const std::function<bool(const MSG&)>& intercept = {});

// The application's hint: after every mouse move, `lookup` names the hint of the window
// under the mouse; when it differs from the current one, `onHint` is told the new one.
using HintLookup = std::function<std::string(HWND)>;
using HintHandler = std::function<void(const std::string&)>;
void SetHintHandlers(HintLookup lookup, HintHandler onHint);
const std::string& CurrentHint();

}  // namespace glean::ui
