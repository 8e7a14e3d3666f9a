#include "watch/core/place_map.h"

#include <algorithm>

#include "base/sjis.h"
#include "editor/model/line_split.h"

namespace glean::watch {

int MapLine(const LineDiff& diff, int line) {
  const int oldCount = static_cast<int>(diff.OldToNew.size());
  const int newCount = static_cast<int>(diff.NewToOld.size());
  if (newCount == 0) return -1;
  if (line < 0) return 0;
  if (line >= oldCount) return newCount - 1;
  if (diff.OldToNew[size_t(line)] >= 0) return diff.OldToNew[size_t(line)];
  // The run of replaced lines around `line`, and where its replacement starts: after the
  // new line of the nearest kept line above.
  int above = line - 1;
  while (above >= 0 && diff.OldToNew[size_t(above)] < 0) --above;
  const int newStart = above >= 0 ? diff.OldToNew[size_t(above)] + 1 : 0;
  int newEnd = newStart;
  while (newEnd < newCount && diff.NewToOld[size_t(newEnd)] < 0) ++newEnd;
  const int position = line - (above + 1);
  if (newStart + position < newEnd) return newStart + position;
  // Removed: the next line that remains, or the last line.
  return std::min(newEnd, newCount - 1);
}

TextPlace MapPlace(const LineDiff& diff, const std::vector<std::string>& after, TextPlace place) {
  const int line = MapLine(diff, place.Line);
  if (line < 0) return {};
  const std::string& text = after[size_t(line)];
  const size_t byte = std::min(static_cast<size_t>(std::max(place.Byte, 0)), text.size());
  return {line, static_cast<int>(sjis::CharBoundaryAtOrBefore(text, byte))};
}

bool PlaceKept(const LineDiff& diff, TextPlace place) {
  return place.Line >= 0 && place.Line < static_cast<int>(diff.OldToNew.size()) &&
         diff.OldToNew[size_t(place.Line)] >= 0;
}

std::vector<std::string> PaneLines(const std::vector<std::string>& items) {
  std::vector<std::string> lines;
  lines.reserve(items.size());
  for (const std::string& item : items)
    ForEachLineOfItem(item, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

LineOffsets::LineOffsets(const std::vector<std::string>& lines) {
  starts_.reserve(lines.size() + 1);
  int offset = 0;
  for (const std::string& line : lines) {
    starts_.push_back(offset);
    offset += static_cast<int>(line.size()) + 2;
  }
  starts_.push_back(offset);
}

int LineOffsets::OffsetOf(TextPlace place) const {
  if (starts_.size() < 2) return 0;
  const int line = std::clamp(place.Line, 0, static_cast<int>(starts_.size()) - 2);
  const int length = starts_[size_t(line) + 1] - starts_[size_t(line)] - 2;
  return starts_[size_t(line)] + std::clamp(place.Byte, 0, length);
}

TextPlace LineOffsets::PlaceOf(int offset) const {
  if (starts_.size() < 2) return {};
  auto it = std::upper_bound(starts_.begin(), starts_.end() - 1, offset);
  const int line = std::max(0, static_cast<int>(it - starts_.begin()) - 1);
  const int length = starts_[size_t(line) + 1] - starts_[size_t(line)] - 2;
  return {line, std::clamp(offset - starts_[size_t(line)], 0, length)};
}

}  // namespace glean::watch
