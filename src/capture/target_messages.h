// Messages to other programs' windows. A hung program must not freeze Glean, so every
// message goes with a timeout and gives up on a program that stops answering.
#pragma once

#include <windows.h>

#include <string>

#include "base/errors.h"

namespace glean::capture {

// The target stopped answering; the capture ends with the not-responding line.
class ETargetNotResponding : public Exception {
 public:
  ETargetNotResponding();
};

inline constexpr UINT kTargetTimeoutMs = 2000;

// SendMessageTimeoutA; a window that has gone answers 0, a hung one raises
// ETargetNotResponding.
LRESULT SendToTarget(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
LRESULT SendToTargetW(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

// The whole window text: read with room for a few kilobytes, and when it fills them,
// its length asked (WM_GETTEXTLENGTH) and read again whole. At most `limit` bytes are
// kept, cut at a character boundary.
struct WholeTargetText {
  std::string text;
  bool cut = false;
};
WholeTargetText GetWholeTargetText(HWND hwnd, size_t limit);

// List-box item texts, asked for in UTF-16 and converted to code page 932 (the A forms
// return UTF-16 bytes across processes under Wine); at most `limit` bytes, cut at a
// character boundary. Empty when the item does not exist or the list keeps no strings.
std::string GetListBoxItemText(HWND hwnd, int index, int limit);

// Converts UTF-16 to code page 932 by the one rule (win::ToCodePage932).
std::string ToShiftJis(const std::wstring& text);

}  // namespace glean::capture
