#include "capture/unicode_window_text.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "capture/target_messages.h"

namespace glean::capture {

std::string ReadTargetWindowText(HWND hwnd, int limit) {
  if (!IsWindowUnicode(hwnd)) return GetTargetText(hwnd, limit);
  // As with WM_GETTEXT into a buffer of `limit` bytes, the terminator takes one: at most
  // limit - 1 bytes are kept, and as many units are enough for them.
  const int keep = limit - 1;
  LRESULT length = SendToTargetW(hwnd, WM_GETTEXTLENGTH);
  if (length <= 0 || keep <= 0) return {};
  length = std::min<LRESULT>(length, keep);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendToTargetW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  got = std::clamp<LRESULT>(got, 0, length);
  std::wstring wide(buffer.data(), static_cast<size_t>(got));
  std::string text = ToShiftJis(wide.substr(0, wide.find(L'\0')));
  if (static_cast<int>(text.size()) > keep)
    text.resize(sjis::CharBoundaryAtOrBefore(text, static_cast<size_t>(keep)));
  return text;
}

}  // namespace glean::capture
