#include "win/cp932_text.h"

#include <algorithm>
#include <vector>

#include "base/cp932_conversion.h"

namespace glean::win {

namespace {
// WC_NO_BEST_FIT_CHARS: the system's own best fit differs between systems and ends in
// "?" for most characters; our rule decides instead.
bool EncodeCp932(std::u16string_view units, std::string& out) {
  const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int n = static_cast<int>(units.size());
  std::string bytes(units.size() * 2, '\0');  // at most two bytes per unit
  BOOL usedDefault = FALSE;
  const int got = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, n, bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, &usedDefault);
  if (got <= 0 || usedDefault) return false;
  out.append(bytes.data(), static_cast<size_t>(got));
  return true;
}
}  // namespace

std::string ToCodePage932(std::wstring_view text, sjis::TMissing missing) {
  std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
  return sjis::FromUtf16(units, EncodeCp932, missing);
}

std::u16string FromCodePage932(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, text.data(), int(text.size()), nullptr, 0);
  std::u16string out(size_t(std::max(n, 0)), u'\0');
  if (n > 0)
    MultiByteToWideChar(932, 0, text.data(), int(text.size()), reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

std::string WindowTitle932(HWND hwnd) {
  if (IsWindowUnicode(hwnd)) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    const int got = GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return ToCodePage932(std::wstring_view(buffer.data(), static_cast<size_t>(got > 0 ? got : 0)));
  }
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
  const int got = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

}  // namespace glean::win
