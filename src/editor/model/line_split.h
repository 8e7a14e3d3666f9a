// Splitting a text into lines at CR LF, a lone CR or a lone LF, without copying.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace glean {

// Calls fn(line) for each line; a line end at the very end of the text starts no
// further empty line.
template <class Fn>
void ForEachLine(std::string_view text, Fn&& fn) {
  const size_t n = text.size();
  // The next CR and the next LF are each sought with memchr (far faster than a loop
  // over the bytes) and sought again only once passed, so a text without CR is
  // searched for one only once.
  auto find = [&](char c, size_t from) {
    const void* p = from < n ? std::memchr(text.data() + from, c, n - from) : nullptr;
    return p ? size_t(static_cast<const char*>(p) - text.data()) : n;
  };
  size_t start = 0, cr = find('\r', 0), lf = find('\n', 0);
  for (;;) {
    const size_t end = cr < lf ? cr : lf;
    if (end >= n) break;
    fn(text.substr(start, end - start));
    start = end + 1;
    if (end == cr && start < n && text[start] == '\n') ++start;
    if (cr < start) cr = find('\r', start);
    if (lf < start) lf = find('\n', start);
  }
  if (start < n) fn(text.substr(start));
}

inline bool EndsWithLineBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// The lines one item of a string list becomes in an editor's text, which joins the items
// with line breaks and splits the whole again: an item without a break is one line (the
// empty one too), and an item that ends with a break is followed by an empty line.
template <class Fn>
void ForEachLineOfItem(std::string_view item, Fn&& fn) {
  if (item.find_first_of("\r\n") == std::string_view::npos) {
    fn(item);
    return;
  }
  ForEachLine(item, fn);
  if (EndsWithLineBreak(item)) fn(std::string_view{});
}

}  // namespace glean
