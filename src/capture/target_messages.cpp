#include "capture/target_messages.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "capture/section_headers.h"

namespace glean::capture {

ETargetNotResponding::ETargetNotResponding() : Exception(kWindowNotResponding) {}

namespace {
// Room for the first read of a window text, on the stack: nearly every text fits.
constexpr size_t kFirstTextRead = 4096;

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

WholeTargetText GetWholeTargetText(HWND hwnd, size_t limit) {
  // Most texts fit the first read. Only one that fills it is asked for its length:
  // under Wine WM_GETTEXTLENGTH costs twice a WM_GETTEXT, and asking every child first
  // would triple the cost of a window of labels.
  char first[kFirstTextRead + 1];
  first[0] = first[kFirstTextRead] = '\0';
  SendToTarget(hwnd, WM_GETTEXT, kFirstTextRead, reinterpret_cast<LPARAM>(first));
  std::string text(first);  // up to the first zero byte
  if (text.size() + 2 < kFirstTextRead) return {std::move(text), false};
  const LRESULT length = SendToTarget(hwnd, WM_GETTEXTLENGTH);
  // The length may be counted in UTF-16 units while the text comes in bytes: room for
  // two each, and one byte past the limit to know when the text is longer.
  const size_t room = std::min(2 * static_cast<size_t>(std::max<LRESULT>(length, 0)), limit + 1) + 1;
  if (room > kFirstTextRead) {
    std::vector<char> buffer(room + 1, '\0');
    SendToTarget(hwnd, WM_GETTEXT, static_cast<WPARAM>(room), reinterpret_cast<LPARAM>(buffer.data()));
    text = buffer.data();  // up to the first zero byte
  }
  if (text.size() <= limit) return {std::move(text), false};
  text.resize(sjis::CharBoundaryAtOrBefore(text, limit));
  return {std::move(text), true};
}

std::string ToShiftJis(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

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
