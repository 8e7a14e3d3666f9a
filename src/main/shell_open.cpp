#include "main/shell_open.h"

#include <shellapi.h>

#include "win/os_error.h"

namespace glean {

namespace {
ShellOpener& Opener() {
  static ShellOpener opener;
  return opener;
}
}  // namespace

void ShellOpen(HWND owner, const std::string& target) {
  if (Opener()) {
    Opener()(owner, target);
    return;
  }
  // A target no program will open (no browser, no mail program) is reported, not lost.
  if (reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
    win::RaiseLastOSError();
}

void SetShellOpener(ShellOpener opener) { Opener() = std::move(opener); }

}  // namespace glean
