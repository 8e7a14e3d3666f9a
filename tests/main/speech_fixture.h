// What a screen reader that speaks every clipboard change would hear from the main
// window in this process: a clipboard viewer on the test's thread, which the system
// tells of each change while the writer closes the clipboard, so that no text is missed
// even when the next one follows at once. Keys go in as real input and are handled the
// way the program's message loop handles them (shortcuts, dialog navigation).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "harness/input.h"
#include "harness/desktop.h"
#include "harness/process.h"
#include "ui/application.h"

namespace glean::test {

class ClipboardEar {
 public:
  ClipboardEar() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GleanClipboardEar";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    next_ = SetClipboardViewer(hwnd_);
    heard.clear();  // joining the chain tells of the present content
  }
  ~ClipboardEar() {
    ChangeClipboardChain(hwnd_, next_);
    DestroyWindow(hwnd_);
  }
  ClipboardEar(const ClipboardEar&) = delete;
  ClipboardEar& operator=(const ClipboardEar&) = delete;

  std::vector<std::string> heard;

 private:
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<ClipboardEar*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (self && m == WM_DRAWCLIPBOARD) {
      self->heard.push_back(Text());
      if (self->next_) SendMessageA(self->next_, m, w, l);
      return 0;
    }
    if (self && m == WM_CHANGECBCHAIN) {
      if (reinterpret_cast<HWND>(w) == self->next_)
        self->next_ = reinterpret_cast<HWND>(l);
      else if (self->next_)
        SendMessageA(self->next_, m, w, l);
      return 0;
    }
    return DefWindowProcA(h, m, w, l);
  }
  static std::string Text() {
    std::string text;
    for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(2);
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* p = static_cast<const char*>(GlobalLock(data))) text = p;
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
  HWND hwnd_ = nullptr;
  HWND next_ = nullptr;
};

// Pumps the way the program's loop does, with `window` as the dialog window, until
// `condition` holds or `timeoutMs` passes.
template <typename F>
bool PumpUntil(HWND window, F condition, int timeoutMs = 5000) {
  DWORD start = GetTickCount();
  for (;;) {
    // A main window closed before leaves its quit request, which would stop the loop.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ui::ProcessMessages(window);
    if (condition()) return true;
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    Sleep(10);
  }
}

// Runs the loop for a while, for the cases where nothing must happen.
inline void PumpFor(HWND window, int ms) {
  PumpUntil(window, [] { return false; }, ms);
}

}  // namespace glean::test
