#include "ui/clipboard.h"

#include "win/global_memory.h"

namespace glean::ui {

namespace {
constexpr int kOpenAttempts = 25;
constexpr DWORD kOpenPause = 8;  // milliseconds
}  // namespace

OpenedClipboard::OpenedClipboard(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
    if (attempt) Sleep(kOpenPause);
    open_ = OpenClipboard(owner) != FALSE;
  }
}

OpenedClipboard::~OpenedClipboard() {
  if (open_) CloseClipboard();
}

bool PutClipboardText(UINT format, const std::string& text) {
  win::UniqueGlobal memory = win::GlobalCopyOf(text);
  if (!memory || !SetClipboardData(format, memory.Get())) return false;  // a refused block is freed here
  memory.Release();  // the clipboard's now
  return true;
}

bool PutTextOnClipboard(HWND owner, const std::string& text) {
  OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return false;
  EmptyClipboard();
  return PutClipboardText(CF_TEXT, text);
}

}  // namespace glean::ui
