// Prints the text of Glean's pane as a screen reader would get it (WM_GETTEXT on the
// "TEditor" child of the "TBody" window), in Shift-JIS, on stdout. Used by scripts/run.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

#include "win/window_text.h"

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  HWND body = nullptr;
  for (int i = 0; i < 200 && !body; ++i) {  // up to 20 s for Glean to come up
    body = FindWindowA("TBody", nullptr);
    if (!body) Sleep(100);
  }
  if (!body) {
    std::fputs("Glean のウィンドウが見つかりません。\n", stdout);
    return 2;
  }
  HWND pane = FindWindowExA(body, nullptr, "TEditor", nullptr);
  if (!pane) {
    std::fputs("Glean のペインは空です（まだペインがありません）。\n", stdout);
    return 0;
  }
  const std::string text = glean::win::WholeWindowText(pane, 5000);
  if (text.empty()) {
    std::fputs("Glean のペインは空です。\n", stdout);
    return 0;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputs("\n", stdout);
  return 0;
}
