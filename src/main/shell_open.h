// The shell's "Open" verb on an address or a file, through one replaceable function so
// that tests can record what would be opened instead of starting a browser.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace glean {

using ShellOpener = std::function<void(HWND owner, const std::string& target)>;

// Asks the shell to open `target` (no parameters, no working folder, shown normally).
void ShellOpen(HWND owner, const std::string& target);

// Replaces the shell call; an empty function restores it.
void SetShellOpener(ShellOpener opener);

}  // namespace glean
