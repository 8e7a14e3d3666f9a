#include "capture/sources/line_sources.h"

#include <algorithm>

namespace glean::capture {

const LineSource* LineSources::At(int line) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), line,
                             [](const Entry& e, int l) { return e.line < l; });
  return it != entries_.end() && it->line == line ? &it->source : nullptr;
}

}  // namespace glean::capture
