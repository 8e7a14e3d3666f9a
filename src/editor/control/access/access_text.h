// The pane's text as an accessibility client reads it: UTF-16 ranges over the rows, the
// text units a screen reader moves by, search, the selection and the rows on screen.
// Portable: the COM layer only wraps these answers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/control/access/text_map.h"
#include "editor/control/core/editor_core.h"

namespace glean::access {

// Numbered as UI Automation's TextUnit.
enum class TUnit { Character = 0, Format = 1, Word = 2, Line = 3, Paragraph = 4, Page = 5, Document = 6 };

// UTF-16 offsets, Start <= End.
struct TRange {
  int Start = 0;
  int End = 0;
  bool operator==(const TRange&) const = default;
};

// One screen row's share of a range, in client pixels.
struct TRowBox {
  int Left, Top, Width, Height;
};

// Code page 932 bytes to UTF-16; the host's conversion (tests bring their own).
using TWiden = std::function<std::u16string(std::string_view)>;

class TAccessText {
 public:
  TAccessText(TEditorCore& editor, TWiden widen);

  TTextMap& Map() { return map_; }
  TEditorCore& Editor() { return editor_; }
  int Length() { return map_.Length(); }
  // Called with every change report of the row list.
  void RowsChanged(const TLastUpdate& update) { map_.RowsChanged(update); }
  // The pane shows another row list now (ShareRowList).
  void RowListSwapped() { map_.RowListSwapped(); }

  // The text of [start, end), at most maxLength units when maxLength >= 0.
  std::u16string Text(TRange r, int maxLength = -1);
  std::u16string WholeText() { return Text({0, Length()}); }

  // The unit holding the range's start (the last unit when it stands at the end).
  TRange Expand(TRange r, TUnit unit);
  // UI Automation's Move: a degenerate range moves as a point, another one is first
  // normalised to the unit at its start and stays one whole unit. Returns units moved.
  int Move(TRange& r, TUnit unit, int count);
  // Moves one endpoint by units; the other follows when it is passed.
  int MoveEndpoint(TRange& r, bool end, TUnit unit, int count);
  std::optional<TRange> Find(TRange within, std::u16string_view what, bool backward, bool ignoreCase);

  // The selection, or the caret as an empty range.
  TRange Selection();
  void Select(TRange r);
  // From the top row to the last row in view.
  TRange Visible();
  // The degenerate range at a client point; the nearest row's for a point beyond the text.
  TRange AtPoint(int x, int y);
  // One box per visible row that the range covers characters of.
  std::vector<TRowBox> Boxes(TRange r);
  void ScrollIntoView(TRange r, bool alignToTop);

  // Boundaries of a unit: the largest at or before `pos`, the next after it, the one
  // before it (-1: none).
  int StartOf(int pos, TUnit unit);
  int Next(int pos, TUnit unit);
  int Prev(int pos, TUnit unit) { return pos > 0 ? StartOf(pos - 1, unit) : -1; }

 private:
  // The UTF-16 of one row, exactly one unit per character.
  std::u16string WidenRow(int row);
  // Offset of a byte counted exclusively from the row start, CR LF when past the row.
  int OffsetAfter(int row, int byteEnd);
  std::vector<int> WordStops(int row);
  int UnitRowStart(int row, TUnit unit);
  int NextUnitRow(int row, TUnit unit);
  int PageSize() const { return std::max(editor_.VisibleRows(), 1); }

  TEditorCore& editor_;
  TWiden widen_;
  TTextMap map_;
};

// A client's point in whole pixels: none for NaN, clamped far outside any screen for
// points beyond int (the nearest place is then the text's first or last row).
std::optional<TPoint> PixelPoint(double x, double y);

// Lower case for a case-insensitive search: Latin, full-width Latin, Greek, Cyrillic.
char16_t FoldCase(char16_t c);

}  // namespace glean::access
