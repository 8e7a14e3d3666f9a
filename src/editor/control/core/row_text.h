// A row as it is drawn: tabs expanded to spaces, cut at the 1000-column limit (one byte
// more when a double-byte character would be split there), and the column of every
// byte of the stored text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/model/column_classes.h"

namespace glean {

struct TDrawnRow {
  std::string Text;         // expanded, possibly cut
  bool Cut = false;         // text was lost past the limit
  std::vector<int> Column;  // column of byte i of the stored text; size = length + 1
};

TDrawnRow ExpandRow(std::string_view text, const TColumnMetrics& m, int limit);

}  // namespace glean
