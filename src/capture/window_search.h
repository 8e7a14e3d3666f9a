// Finding the top-level windows a user could mean, with their small icons, and telling
// whether a Japanese screen reader is running.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/strings.h"

namespace glean::capture {

struct WindowEntry {
  // The title as the list shows it: at most 254 characters survive the list's buffer.
  std::string Title;
  // The whole title, by which the window is found again (a cut title would not be).
  std::string FullTitle;
  // A copy of the window's small icon, owned by the entry's holder, or null.
  HICON Icon = nullptr;
};

// Owns the icons of the entries it holds.
class WindowEntries {
 public:
  WindowEntries() = default;
  ~WindowEntries() { Clear(); }
  WindowEntries(const WindowEntries&) = delete;  // the icons have one owner
  WindowEntries& operator=(const WindowEntries&) = delete;

  void Clear();
  void Add(WindowEntry entry) { entries_.push_back(std::move(entry)); }
  const std::vector<WindowEntry>& Items() const { return entries_; }
  size_t Count() const { return entries_.size(); }

 private:
  std::vector<WindowEntry> entries_;
};

// The window's whole title in code page 932 (by the one conversion for a Unicode window).
std::string WholeWindowTitle(HWND hwnd);

// True when some entry of `noAccess` occurs in `title` (byte-wise, case-sensitive).
bool IsNoAccessTitle(const std::string& title, const TStrings& noAccess);

// A copy of the window's small icon (class icon, then WM_GETICON small, then big), sized
// to the small-icon metrics; null when it has none. The caller destroys it.
HICON GetSmallWindowIcon(HWND hwnd);

// Enumerates the top-level windows in Z order and keeps those a user could mean:
// visible, not `own`, class not "TApplication", a title, not "Program Manager", not
// "グリーナ！", not blocked by `noAccess`.
void EnumerateTopWindows(HWND own, const TStrings& noAccess, WindowEntries& out);

// Whether one of `texts` is a known screen reader's title (whole text, any case).
bool DetectScreenReader(const std::vector<std::string>& texts);

}  // namespace glean::capture
