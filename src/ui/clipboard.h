// Text on the clipboard, for Glean's main window and its pane alike.
#pragma once

#include <windows.h>

#include <string>

namespace glean::ui {

// The clipboard opened for `owner` and closed again. Another program (a screen reader
// reading what was just spoken, a clipboard manager) may hold it for a moment, so the
// opening is tried again for about 200 ms before it is given up.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner);
  ~OpenedClipboard();
  OpenedClipboard(const OpenedClipboard&) = delete;  // one open, one close
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

// Adds `text` with its terminating zero in `format` to the opened clipboard; false when
// the block cannot be made or the clipboard refuses it.
bool PutClipboardText(UINT format, const std::string& text);

// Replaces the clipboard's content by `text` (CF_TEXT); false when the clipboard could
// not be opened (another program holds it).
bool PutTextOnClipboard(HWND owner, const std::string& text);

}  // namespace glean::ui
