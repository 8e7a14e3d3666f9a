// Splitting a text into lines at CR LF, a lone CR or a lone LF, without copying.
#pragma once

#include <cstddef>
#include <string_view>

namespace glean {

// Calls fn(line) for each line; a line end at the very end of the text starts no
// further empty line.
template <class Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
  size_t start = 0, i = 0, n = text.size();
  while (i < n) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      fn(text.substr(start, i - start));
      if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < n) fn(text.substr(start));
}

inline bool EndsWithLineBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

}  // namespace glean
