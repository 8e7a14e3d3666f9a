// Where each captured line came from: the control, and the item within it. The readers
// already know all of it while they write the lines, so keeping it costs no message.
// Portable: window and item handles travel as integers.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace glean::capture {

enum class SourceKind : uint8_t {
  Control,       // the control's own text (a static, an edit, a button, a combo box)
  MenuItem,      // row: position in the menu bar
  ListBoxItem,   // row: index
  ListViewCell,  // row and column (the column's sub-item number)
  TreeItem,      // item: the item's handle
  StatusPart,    // row: part index
  ToolButton,    // row: button position
  Accessible,    // path: child indexes from the window's object
};

// A rectangle in screen pixels.
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct LineSource {
  uint64_t window = 0;  // the control (the chosen window itself for menu and tree lines)
  SourceKind kind = SourceKind::Control;
  int row = -1, column = -1;
  uint64_t item = 0;
  std::vector<int> path;
  std::optional<ScreenRect> rect;
  // The list this line is a cell of (an index into LineSources::Lists()), or -1.
  int list = -1;
  // Bytes of the line before the item's own text (a column title, level indents).
  uint32_t textStart = 0;
  bool operator==(const LineSource&) const = default;
};

// A list read as a table: a list view (its shown columns), a tree view or a list box
// (one column, no titles).
struct SourceList {
  SourceKind kind = SourceKind::ListViewCell;
  uint64_t window = 0;
  std::vector<std::string> titles;  // in shown order; empty: one untitled column
  std::vector<int> subItems;        // the sub-item of each shown column
};

// The sources of one capture's lines. Lines without a source (headers, empty lines,
// notes) cost nothing: only the lines that have one are kept, in line order.
class LineSources {
 public:
  void Clear() {
    entries_.clear();
    lists_.clear();
  }
  // Records `source` for line `line`; lines are recorded in rising order.
  void Record(int line, const LineSource& source) { entries_.push_back({line, source}); }
  int AddList(SourceList list) {
    lists_.push_back(std::move(list));
    return static_cast<int>(lists_.size()) - 1;
  }

  // The source of line `line`, or none.
  const LineSource* At(int line) const;
  const std::vector<SourceList>& Lists() const { return lists_; }
  size_t Size() const { return entries_.size(); }

  struct Entry {
    int line;
    LineSource source;
  };
  const std::deque<Entry>& Entries() const { return entries_; }

 private:
  // A deque grows without moving what it holds: under Wine, growing one large block
  // again and again cost a tenth of a list view's capture.
  std::deque<Entry> entries_;
  std::vector<SourceList> lists_;
};

// The pane shows the capture's lines joined by line breaks, and splits them again at
// CR LF, CR or LF: a line holding breaks (an edit's text) becomes several pane lines.
// The capture's line that pane line `paneLine` lies in, and that pane line's text; none
// past the end.
struct PaneLine {
  int line = -1;
  std::string text;
};
std::optional<PaneLine> CapturedLineOfPaneLine(const std::vector<std::string>& lines, int paneLine);

// The record of `lines` made a record of the pane's lines (one per pane line, as the watch
// keeps them): each pane line of a captured line gets its source, the column title or
// indent only on the first.
LineSources ByPaneLine(const LineSources& sources, const std::vector<std::string>& lines);

}  // namespace glean::capture
