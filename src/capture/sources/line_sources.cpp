#include "capture/sources/line_sources.h"

#include <algorithm>

namespace glean::capture {

const LineSource* LineSources::At(int line) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), line,
                             [](const Entry& e, int l) { return e.line < l; });
  return it != entries_.end() && it->line == line ? &it->source : nullptr;
}

namespace {
int PaneLinesIn(const std::string& s) {
  int n = 1;
  for (size_t p = 0; p < s.size(); ++p)
    if (s[p] == '\n' || (s[p] == '\r' && (p + 1 == s.size() || s[p + 1] != '\n'))) ++n;
  return n;
}
}  // namespace

LineSources ByPaneLine(const LineSources& sources, const std::vector<std::string>& lines) {
  LineSources out;
  for (const SourceList& list : sources.Lists()) out.AddList(list);
  int first = 0;  // the pane line where lines[i] starts
  size_t next = 0;
  const auto& entries = sources.Entries();
  for (size_t i = 0; i < lines.size(); ++i) {
    const int count = PaneLinesIn(lines[i]);
    for (; next < entries.size() && entries[next].line < static_cast<int>(i); ++next) {}
    if (next < entries.size() && entries[next].line == static_cast<int>(i)) {
      LineSource source = entries[next].source;
      for (int k = 0; k < count; ++k) {
        out.Record(first + k, source);
        source.textStart = 0;
      }
    }
    first += count;
  }
  return out;
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
