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

}  // namespace glean::sjis
