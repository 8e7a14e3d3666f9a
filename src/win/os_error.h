// The Windows side of EOSError: the system's message text for an error code.
#pragma once

#include <windows.h>

#include <string>

#include "base/errors.h"

namespace glean::win {

// The system's message for `code` in the ANSI code page, without trailing line ends.
std::string SystemErrorMessage(DWORD code);

// Raises EOSError for GetLastError() (or the code-less text when it is 0).
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseOSError(DWORD code);

// Raises the last OS error when `ok` is false; returns `ok`'s value otherwise.
template <typename T>
T Win32Check(T ok) {
  if (!ok) RaiseLastOSError();
  return ok;
}

}  // namespace glean::win
