#include "capture/sources/table_text.h"

#include <algorithm>
#include <map>

namespace glean::capture {

namespace {

size_t ColumnOf(const SourceList& list, const LineSource& s) {
  if (list.subItems.empty()) return 0;
  auto it = std::find(list.subItems.begin(), list.subItems.end(), s.column);
  return it == list.subItems.end() ? list.subItems.size() : static_cast<size_t>(it - list.subItems.begin());
}

// A list view's row is the key of its cells; every line of a tree or a list box is a row.
int64_t RowKey(const LineSource& s, int line) { return s.kind == SourceKind::ListViewCell ? s.row : line; }

// A list view's cell without its column title; a tree's line keeps its level indents.
std::string CellText(const std::string& line, const LineSource& s) {
  if (s.kind != SourceKind::ListViewCell) return line;
  return s.textStart <= line.size() ? line.substr(s.textStart) : std::string();
}

template <typename Cell>
std::string Join(const Table& table, char separator, Cell cell) {
  std::string text;
  auto row = [&](const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) {
      if (c) text += separator;
      text += cell(cells[c]);
    }
    text += "\r\n";
  };
  if (!table.titles.empty()) row(table.titles);
  for (const auto& r : table.rows) row(r);
  return text;
}

}  // namespace

std::optional<Table> TableOfLine(const LineSources& sources, const std::vector<std::string>& lines, int line) {
  const LineSource* at = sources.At(line);
  if (!at || at->list < 0 || at->list >= static_cast<int>(sources.Lists().size())) return std::nullopt;
  const SourceList& list = sources.Lists()[static_cast<size_t>(at->list)];
  Table table;
  table.titles = list.titles;
  const size_t width = std::max<size_t>(1, list.subItems.size());
  std::map<int64_t, size_t> rowIndex;  // a row read twice (by two headers) stays one row
  const LineSource* last = nullptr;
  int lastLine = -2;
  for (const auto& e : sources.Entries()) {
    if (e.source.list != at->list || e.line < 0 || e.line >= static_cast<int>(lines.size())) continue;
    const size_t column = ColumnOf(list, e.source);
    if (column >= width) continue;
    auto [it, added] = rowIndex.try_emplace(RowKey(e.source, e.line), table.rows.size());
    if (added) table.rows.emplace_back(width);
    std::string& cell = table.rows[it->second][column];
    const std::string text = CellText(lines[static_cast<size_t>(e.line)], e.source);
    // A cell that holds line breaks, recorded line by line (the pane's lines), is one cell.
    const bool goesOn = e.source.kind == SourceKind::ListViewCell && last && lastLine + 1 == e.line &&
                        last->row == e.source.row && last->column == e.source.column;
    cell = goesOn ? cell + "\r\n" + text : text;
    last = &e.source;
    lastLine = e.line;
  }
  return table;
}

std::string TabSeparated(const Table& table) {
  return Join(table, '\t', [](const std::string& cell) {
    std::string c = cell;
    std::replace_if(c.begin(), c.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; }, ' ');
    return c;
  });
}

std::string CommaSeparated(const Table& table) {
  return Join(table, ',', [](const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char ch : cell) {
      if (ch == '"') quoted += '"';
      quoted += ch;
    }
    return quoted + "\"";
  });
}

}  // namespace glean::capture
