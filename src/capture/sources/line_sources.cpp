#include "capture/sources/line_sources.h"

#include <algorithm>

namespace glean::capture {

const LineSource* LineSources::At(int line) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), line,
                             [](const Entry& e, int l) { return e.line < l; });
  return it != entries_.end() && it->line == line ? &it->source : nullptr;
}

std::optional<PaneLine> CapturedLineOfPaneLine(const std::vector<std::string>& lines, int paneLine) {
  if (paneLine < 0) return std::nullopt;
  int first = 0;  // the pane line where lines[i] starts
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& s = lines[i];
    size_t start = 0;
    for (size_t p = 0; p <= s.size(); ++p) {
      const bool end = p == s.size();
      if (!end && s[p] != '\r' && s[p] != '\n') continue;
      if (first == paneLine) return PaneLine{static_cast<int>(i), s.substr(start, p - start)};
      ++first;
      if (!end && s[p] == '\r' && p + 1 < s.size() && s[p + 1] == '\n') ++p;
      start = p + 1;
    }
  }
  return std::nullopt;
}

}  // namespace glean::capture
