#include "capture/target_messages.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "capture/section_headers.h"
#include "win/cp932_text.h"

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

namespace {
// The text in `buffer` as the answer `got` counts it, never past it nor past the first
// zero: a window that answers 0 without writing, or more than it wrote, gives nothing
// of what the buffer held before.
template <typename Char>
std::basic_string<Char> Answered(const Char* buffer, size_t room, LRESULT got) {
  const size_t counted = std::min(room, static_cast<size_t>(std::max<LRESULT>(got, 0)));
  std::basic_string<Char> text(buffer, counted);
  return text.substr(0, text.find(Char(0)));
}

// Most texts fit the first read. Only one that fills it is asked for its length: under
// Wine WM_GETTEXTLENGTH costs twice a WM_GETTEXT, and asking every child first would
// triple the cost of a window of labels. `lengthFactor`: the units a counted character
// may take (an ANSI read may be counted in UTF-16 units while it comes in bytes).
template <typename Char, typename Send>
std::basic_string<Char> ReadGrowing(HWND hwnd, size_t maxUnits, size_t lengthFactor, Send send) {
  Char first[kFirstTextRead] = {};  // what a window does not write reads as the end
  std::basic_string<Char> text =
      Answered(first, kFirstTextRead, send(hwnd, WM_GETTEXT, kFirstTextRead, reinterpret_cast<LPARAM>(first)));
  if (text.size() + 2 < kFirstTextRead) return text;
  const LRESULT length = send(hwnd, WM_GETTEXTLENGTH, 0, 0);
  const size_t room = std::min(lengthFactor * static_cast<size_t>(std::max<LRESULT>(length, 0)), maxUnits) + 1;
  if (room > kFirstTextRead) {
    std::vector<Char> buffer(room + 1, 0);
    text = Answered(buffer.data(), room,
                    send(hwnd, WM_GETTEXT, static_cast<WPARAM>(room), reinterpret_cast<LPARAM>(buffer.data())));
  }
  return text;
}
}  // namespace

WholeTargetText GetWholeTargetText(HWND hwnd, size_t limit) {
  // One unit past the limit tells whether the text is longer. The ANSI read is the cheap
  // one; a character the code page lacks comes out of it as "?" (a byte no double-byte
  // character holds), and only then is a Unicode window read again in UTF-16, so that
  // such characters reach the one conversion. Asking every window whether it is Unicode
  // would cost a round trip per control under Wine.
  std::string text = ReadGrowing<char>(hwnd, limit + 1, 2, SendToTarget);
  if (text.find('?') != std::string::npos && IsWindowUnicode(hwnd))
    text = ToShiftJis(ReadGrowing<wchar_t>(hwnd, limit + 1, 1, SendToTargetW));
  if (text.size() <= limit) return {std::move(text), false};
  text.resize(sjis::CharBoundaryAtOrBefore(text, limit));
  return {std::move(text), true};
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
