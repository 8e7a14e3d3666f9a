// The pane's text as UTF-16 clients count it: each Shift-JIS character is one unit (code
// page 932 has nothing outside the basic plane) and every LineBreak row is followed by
// CR LF, nothing between wrapped rows. Maps UTF-16 offsets to (row, byte) and back in
// logarithmic time through a Fenwick tree of the rows' unit counts, kept in step with
// the row list's change reports, so that a client's request costs the same in a short
// text and in a captured million rows.
//
// The rows are asked for on every use, never kept: a pane that comes to show another
// row list (ShareRowList) would otherwise leave the map reading a freed one. A list
// other than the one last seen is mapped afresh.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "editor/model/screen_strings.h"

namespace glean::access {

struct TTextPos {
  int Row = 0;
  int Byte = 0;
  bool operator==(const TTextPos&) const = default;
};

// A UTF-16 offset that the map moves along when text before it changes (a range endpoint).
// Text inserted right at it goes after a range's start and before its end, so that a
// range keeps what is written at its edges (the whole text's range stays whole).
struct TAnchor {
  int Offset = 0;
  bool StaysBeforeInsertion = false;
};

// The row list the pane shows now.
using TRowsSource = std::function<const TEditorScreenStrings&()>;

class TTextMap {
 public:
  explicit TTextMap(TRowsSource rows) : rows_(std::move(rows)) {}
  TTextMap(const TTextMap&) = delete;
  TTextMap& operator=(const TTextMap&) = delete;

  // The rows changed as `update` says (not Valid: wholesale). Anchors after the change
  // move with the text; anchors inside it stay, clamped to the new text.
  void RowsChanged(const TLastUpdate& update);
  // Another row list is shown: a wholesale change.
  void RowListSwapped() { RowsChanged({}); }

  int Length();
  int RowCount() const { return rows_().Count(); }
  // UTF-16 offset of a row's first character; the text length for rows past the end.
  int RowStart(int row);
  // Units of the row's characters, without its line end.
  int RowUnits(int row) const;
  // 2 after a LineBreak row, else 0.
  int LineEndUnits(int row) const;
  // The row holding `offset` (a row's CR LF belongs to it); the last row at the end.
  int RowOf(int offset);
  // The character at or before `offset`: an offset inside a line end gives the row's end.
  TTextPos ToPos(int offset);
  // Bytes inside a double-byte character count as its start.
  int ToOffset(TTextPos pos);

  void AddAnchor(TAnchor* a) { anchors_.push_back(a); }
  void RemoveAnchor(TAnchor* a);

  // Units of a row's bytes [0, byte).
  static int UnitsOf(const std::string& row, int byte);
  // The byte of unit `units` in a row (its end when beyond).
  static int ByteOfUnit(const std::string& row, int units);

 private:
  int Stored(int row) const { return RowUnits(row) + LineEndUnits(row); }
  // Rebuilds after a change the map was not told of, and clamps the anchors to the text.
  void EnsureValid();
  void Rebuild();
  void BuildTree();
  void Add(int row, int delta);
  int Prefix(int rows) const;  // sum of the first `rows` rows

  TRowsSource rows_;
  const TEditorScreenStrings* seen_ = nullptr;  // the list lens_ describes; compared only
  std::vector<int> lens_;  // units of each row with its line end
  std::vector<int> tree_;  // Fenwick tree over lens_, 1-based
  int total_ = 0;
  bool valid_ = false;
  std::vector<TAnchor*> anchors_;
};

}  // namespace glean::access
