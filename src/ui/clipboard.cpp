#include "ui/clipboard.h"

#include "win/global_memory.h"

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
  win::UniqueGlobal memory = win::GlobalCopyOf(text);
  if (!memory || !SetClipboardData(CF_TEXT, memory.Get())) return false;  // a refused block is freed here
  memory.Release();  // the clipboard's now
  return true;
}

}  // namespace glean::ui
