#include "base/sjis.h"

namespace glean::sjis {

size_t CharLength(std::string_view s, size_t pos) noexcept {
  if (pos >= s.size()) return 0;
  return (IsLeadByte(s[pos]) && pos + 1 < s.size()) ? 2 : 1;
}

size_t NextCharPos(std::string_view s, size_t pos) noexcept {
  if (pos >= s.size()) return s.size();
  return pos + CharLength(s, pos);
}

size_t CharBoundaryAtOrBefore(std::string_view s, size_t pos) noexcept {
  if (pos > s.size()) pos = s.size();
  size_t i = 0;
  while (i < pos) {
    size_t next = NextCharPos(s, i);
    if (next > pos) break;
    i = next;
  }
  return i;
}

bool IsTrailPosition(std::string_view s, size_t pos) noexcept {
  return pos < s.size() && CharBoundaryAtOrBefore(s, pos) != pos;
}

size_t PrevCharPos(std::string_view s, size_t pos) noexcept {
  if (pos == 0) return 0;
  if (pos > s.size()) pos = s.size();
  size_t i = 0, prev = 0;
  while (i < pos) {
    prev = i;
    i = NextCharPos(s, i);
  }
  return prev;
}

bool IsWellFormed(std::string_view s) noexcept {
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
    if (!IsLeadByte(c) || ++i == s.size()) return false;
    const auto t = static_cast<unsigned char>(s[i]);
    if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
  }
  return true;
}

}  // namespace glean::sjis
