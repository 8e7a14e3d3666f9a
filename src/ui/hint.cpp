#include "ui/hint.h"

#include "base/sjis.h"

namespace glean::ui {

namespace {
// The separator as a character: a "|" byte may also be the trail byte of a
// double-byte character (as in "ポ"), which does not split the hint.
size_t FindBar(const std::string& hint) {
  for (size_t i = 0; i < hint.size(); i = sjis::NextCharPos(hint, i))
    if (hint[i] == '|') return i;
  return std::string::npos;
}
}  // namespace

std::string ShortHint(const std::string& hint) {
  size_t bar = FindBar(hint);
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string LongHint(const std::string& hint) {
  size_t bar = FindBar(hint);
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

}  // namespace glean::ui
