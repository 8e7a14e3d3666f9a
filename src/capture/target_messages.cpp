#include "capture/target_messages.h"

#include <vector>

#include "base/sjis.h"
#include "capture/section_headers.h"
#include "win/cp932_text.h"

namespace glean::capture {

ETargetNotResponding::ETargetNotResponding() : Exception(kWindowNotResponding) {}

namespace {
template <typename SendFn>
LRESULT SendChecked(SendFn send, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  SetLastError(0);
  if (!send(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, kTargetTimeoutMs, &result)) {
    DWORD error = GetLastError();
    if (error == ERROR_TIMEOUT) throw ETargetNotResponding();
    return 0;
  }
  return static_cast<LRESULT>(result);
}
}  // namespace

LRESULT SendToTarget(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return SendChecked(SendMessageTimeoutA, hwnd, msg, wp, lp);
}

LRESULT SendToTargetW(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return SendChecked(SendMessageTimeoutW, hwnd, msg, wp, lp);
}

std::string GetTargetText(HWND hwnd, int limit) {
  std::vector<char> buffer(static_cast<size_t>(limit) + 1, '\0');
  SendToTarget(hwnd, WM_GETTEXT, static_cast<WPARAM>(limit), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.back() = '\0';
  return std::string(buffer.data());  // up to the first zero byte
}

std::string ToShiftJis(const std::wstring& text) { return win::ToCodePage932(text); }

std::string GetListBoxItemText(HWND hwnd, int index, int limit) {
  // An owner-drawn list without strings keeps a value of the program's own per item,
  // which LB_GETTEXT hands out in place of a text: there is nothing to read.
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  if ((style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS)) return {};
  LRESULT length = SendToTargetW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = SendToTargetW(hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(buffer.data()));
  if (got == LB_ERR || got <= 0) return {};
  if (got > length) got = length;  // a list that changed between the two messages
  std::string text = ToShiftJis(std::wstring(buffer.data(), static_cast<size_t>(got)));
  text = text.substr(0, text.find('\0'));
  if (static_cast<int>(text.size()) > limit)
    text.resize(sjis::CharBoundaryAtOrBefore(text, static_cast<size_t>(limit)));
  return text;
}

}  // namespace glean::capture
