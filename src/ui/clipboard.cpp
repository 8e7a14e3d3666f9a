#include "ui/clipboard.h"

#include <cstring>

namespace glean::ui {

namespace {
// Another program (a screen reader reading what was just spoken, a clipboard manager)
// may hold the clipboard for a moment: a text given up at the first refusal would be lost.
constexpr int kOpenAttempts = 25;
constexpr DWORD kOpenPause = 8;  // milliseconds

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
      if (attempt) Sleep(kOpenPause);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;  // one open, one close
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};
}  // namespace

bool PutTextOnClipboard(HWND owner, const std::string& text) {
  OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  void* bytes = GlobalLock(memory);
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_TEXT, memory)) {
    GlobalFree(memory);  // still ours when the clipboard refused it
    return false;
  }
  return true;
}

}  // namespace glean::ui
