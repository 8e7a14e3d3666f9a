#include "main/shell_open.h"

#include <shellapi.h>

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
  ShellExecuteA(owner, "Open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SetShellOpener(ShellOpener opener) { Opener() = std::move(opener); }

}  // namespace glean
