#include "capture/unicode_window_text.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "capture/target_messages.h"

namespace glean::capture {

std::string ReadTargetWindowText(HWND hwnd, int limit) {
  if (!IsWindowUnicode(hwnd)) return GetTargetText(hwnd, limit);
  // Every unit gives at least one byte, so `limit` units are enough for `limit` bytes.
  LRESULT length = SendToTargetW(hwnd, WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  length = std::min<LRESULT>(length, limit);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendToTargetW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  got = std::clamp<LRESULT>(got, 0, length);
  std::wstring wide(buffer.data(), static_cast<size_t>(got));
  std::string text = ToShiftJis(wide.substr(0, wide.find(L'\0')));
  if (static_cast<int>(text.size()) > limit)
    text.resize(sjis::CharBoundaryAtOrBefore(text, static_cast<size_t>(limit)));
  return text;
}

}  // namespace glean::capture
