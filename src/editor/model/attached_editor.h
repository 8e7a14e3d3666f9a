// What the screen-row list needs of each editor control attached to it. The control
// implements this interface; the row list never sees a window.
//
// Calls arrive on the user-interface thread, in attachment order when the list speaks to
// every control. Rows are 0-based screen rows; columns are display columns (tabs
// expanded, a double-byte character two columns wide).
#pragma once

#include <bitset>

namespace glean {

class TEditorScreenStrings;
class TFountain;

// The editor's word-delimiter bytes: 0x00-0x2F, 0x3A-0x40, 0x5B-0x5E, 0x60, 0x7B-0x80,
// 0xA0-0xA5, 0xFD-0xFF (controls, space, ASCII punctuation but '_', half-width
// punctuation).
using TDelimiters = std::bitset<256>;
const TDelimiters& DefaultDelimiters();

class IAttachedEditor {
 public:
  virtual ~IAttachedEditor() = default;

  // The rows changed. Called from the list's OnChange, at the end of every outermost
  // update block and for single-row changes outside one; `list.LastUpdate()` tells which
  // rows (zero when the list was rebuilt wholesale).
  virtual void TextChanged(TEditorScreenStrings& list) = 0;
  // The colouring of a row changed: repaint it when it is visible.
  virtual void InvalidateRow(int row) = 0;
  // Hide the selection (or search hit) if one is shown; row numbers are about to change.
  virtual void CleanSelection() = 0;
  // Recompute the metrics (row count, widths), the scroll ranges, and repaint all.
  virtual void UpdateMetrics() = 0;
  virtual void UpdateScrollBars() = 0;
  virtual void Repaint() = 0;

  // Caret row, top row and caret column. The setters take values the list has already
  // clamped to its rows.
  virtual int Row() const = 0;
  virtual void SetRow(int row) = 0;
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int row) = 0;
  virtual int Col() const = 0;
  virtual void SetCol(int col) = 0;
  // Undo and redo hide the caret while they replace rows.
  virtual void HideCaret() = 0;
  virtual void ShowCaret() = 0;

  // True while the control reads its stored properties: wrap changes are then only stored.
  virtual bool Loading() const = 0;
  // True while the control is being destroyed: no re-colouring.
  virtual bool Destroying() const = 0;
  // True for the control that has the keyboard focus (the list's ActiveEditor).
  virtual bool Focused() const = 0;
  // Client height in pixels and height of one row, bounding re-colouring to two screens.
  virtual int ScreenHeight() const = 0;
  virtual int RowHeight() const = 0;
  // Speed.InitBracketsFull: colour every row at once instead of the first two screens.
  virtual bool InitBracketsFull() const = 0;
  // The colouring scheme: the control's own fountain if one is assigned, else the one
  // of its view options. May be null (no colouring).
  virtual TFountain* ActiveFountain() = 0;

  // Tab width and delimiter set, for the column classes of the wrap.
  virtual int TabSpaceCount() const { return 8; }
  virtual const TDelimiters& Delimiters() const { return DefaultDelimiters(); }
};

}  // namespace glean
