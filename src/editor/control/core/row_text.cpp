#include "editor/control/core/row_text.h"

#include <algorithm>

#include "base/sjis.h"

namespace glean {

TDrawnRow ExpandRow(std::string_view text, const TColumnMetrics& m, int limit) {
  TDrawnRow row;
  row.Column.resize(text.size() + 1);
  const int t = std::max(m.TabSpaceCount, 1);
  for (size_t i = 0; i < text.size(); ++i) {
    row.Column[i] = static_cast<int>(row.Text.size());
    if (text[i] == '\t') {
      const int c = static_cast<int>(row.Text.size());
      int fill = t - c % t;
      if (m.WordWrap) fill = std::min(fill, m.WrapByte - c % m.WrapByte);
      row.Text.append(static_cast<size_t>(fill), ' ');
    } else {
      row.Text += text[i];
    }
  }
  row.Column[text.size()] = static_cast<int>(row.Text.size());
  const size_t cap = static_cast<size_t>(limit);
  if (row.Text.size() > cap) {
    // Keep a double-byte character whole when its lead byte is the last one kept.
    const size_t lead = sjis::CharBoundaryAtOrBefore(row.Text, cap - 1);
    size_t keep = cap;
    if (lead == cap - 1 && sjis::CharLength(row.Text, lead) == 2) keep = cap + 1;
    row.Cut = row.Text.size() > keep;
    row.Text.resize(std::min(keep, row.Text.size()));
  }
  return row;
}

}  // namespace glean
