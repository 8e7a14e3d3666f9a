#include "capture/sources/line_sources.h"

#include <algorithm>

#include "editor/model/line_split.h"

namespace glean::capture {

const LineSource* LineSources::At(int line) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), line,
                             [](const Entry& e, int l) { return e.line < l; });
  return it != entries_.end() && it->line == line ? &it->source : nullptr;
}

LineSources ByPaneLine(const LineSources& sources, const std::vector<std::string>& lines) {
  LineSources out;
  for (const SourceList& list : sources.Lists()) out.AddList(list);
  int paneLine = 0;
  size_t next = 0;
  const auto& entries = sources.Entries();
  for (size_t i = 0; i < lines.size(); ++i) {
    for (; next < entries.size() && entries[next].line < static_cast<int>(i); ++next) {}
    const bool recorded = next < entries.size() && entries[next].line == static_cast<int>(i);
    std::optional<LineSource> source;
    if (recorded) source = entries[next].source;
    ForEachLineOfItem(lines[i], [&](std::string_view) {
      if (source) {
        out.Record(paneLine, *source);
        source->textStart = 0;  // the column title or indent stands on the first only
      }
      ++paneLine;
    });
  }
  return out;
}

std::optional<PaneLine> CapturedLineOfPaneLine(const std::vector<std::string>& lines, int paneLine) {
  if (paneLine < 0) return std::nullopt;
  int first = 0;  // the pane line of the next line of an item
  for (size_t i = 0; i < lines.size(); ++i) {
    std::optional<PaneLine> found;
    ForEachLineOfItem(lines[i], [&](std::string_view text) {
      if (first++ == paneLine) found = PaneLine{static_cast<int>(i), std::string(text)};
    });
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace glean::capture
