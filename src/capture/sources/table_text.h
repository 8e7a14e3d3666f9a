// A captured list as a table, and the table as tab-separated text (what a spreadsheet
// pastes into cells) or as CSV. Texts stay in code page 932: the separators, quotes and
// line breaks are never trail bytes of a double-byte character.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "capture/sources/line_sources.h"

namespace glean::capture {

struct Table {
  std::vector<std::string> titles;  // none: the table has no title row
  std::vector<std::vector<std::string>> rows;
  bool operator==(const Table&) const = default;
};

// The table of the list that line `line` belongs to, from the capture's `lines`; none
// when the line came from no list.
std::optional<Table> TableOfLine(const LineSources& sources, const std::vector<std::string>& lines, int line);

// Cells separated by tabs, rows by CR LF; a tab or line break inside a cell becomes a space.
std::string TabSeparated(const Table& table);
// RFC 4180: a cell holding a comma, a quote or a line break is quoted, its quotes doubled;
// rows end with CR LF.
std::string CommaSeparated(const Table& table);

}  // namespace glean::capture
