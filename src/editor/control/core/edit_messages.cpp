#include "editor/control/core/edit_messages.h"

#include <algorithm>
#include <cstring>

#include "editor/model/undo.h"

namespace glean::edit_msg {

namespace {
int RowLen(const TEditorCore& e, int row) {
  auto& rows = const_cast<TEditorCore&>(e).ListRows();
  return row >= 0 && row < rows.Count() ? static_cast<int>(rows.Ref(row).size()) : 0;
}
int EndBytes(const TEditorCore& e, int row) {
  return const_cast<TEditorCore&>(e).ListRows().RowAttribute(row) == TRowAttribute::LineBreak ? 2 : 0;
}

// The row holding `index` and the byte within it; the row count past the end.
void Walk(const TEditorCore& e, int index, int& row, int& byte) {
  auto& rows = const_cast<TEditorCore&>(e).ListRows();
  const int count = rows.Count();
  row = 0;
  while (row < count && rows.RowAttribute(row) != TRowAttribute::EndOfText) {
    const int step = RowLen(e, row) + EndBytes(e, row);
    if (index < step) break;
    index -= step;
    ++row;
  }
  byte = index;
}
}  // namespace

int32_t GetSel(const TEditorCore& e, int32_t* start, int32_t* end) {
  const int s = e.SelStart();
  const int t = s + e.SelLength();
  if (start) *start = s;
  if (end) *end = t;
  return MakeReply(s, t);
}

void SetSel(TEditorCore& e, int start, int end) {
  if (start == 0 && end == -1) {
    e.SelectAll();
    return;
  }
  if (start == -1) {
    e.CleanSelection();
    return;
  }
  // Any other negative end means the end of the text, as in an edit box.
  if (end < 0) end = e.GetTextLen();
  if (start < 0) start = e.GetTextLen();
  e.SetSelStart(std::min(start, end));
  e.SetSelLength(std::max(start, end) - std::min(start, end));
}

int GetLine(const TEditorCore& e, int line, char* buffer, int size) {
  if (!buffer || line < 0 || line >= LineCount(e) || size <= 0) return 0;
  const std::string& text = const_cast<TEditorCore&>(e).ListRows().Ref(line);
  const int n = std::min(size, static_cast<int>(text.size()));
  std::memcpy(buffer, text.data(), static_cast<size_t>(n));
  return n;
}

int LineIndex(const TEditorCore& e, int line) {
  if (line == -1) line = e.Row();
  else if (line >= LineCount(e)) return -1;
  return e.RowOffset(std::max(line, 0));
}

int LineLength(const TEditorCore& e, int index) {
  if (index == -1) {
    if (e.Selected()) {
      // The unselected bytes on the selection's rows.
      int head, tail;
      if (e.SelectionMode() == TEditorSelectionMode::smBox) {
        head = e.ColToByte(e.SelStartRow(), e.SelectionRange().StartCol);
        tail = RowLen(e, e.SelEndRow()) - e.ColToByte(e.SelEndRow(), e.SelectionRange().EndCol);
      } else {
        head = e.SelStartByte();
        tail = RowLen(e, e.SelEndRow()) - (e.SelEndByte() + 1);
      }
      return std::max(head, 0) + std::max(tail, 0);
    }
    return RowLen(e, e.Row());
  }
  int row, byte;
  Walk(e, index, row, byte);
  return RowLen(e, row);
}

int LineFromChar(const TEditorCore& e, int index) {
  if (index == -1) return e.Selected() ? e.SelStartRow() : e.Row();
  int row, byte;
  Walk(e, index, row, byte);
  return row;
}

int LineCount(const TEditorCore& e) { return const_cast<TEditorCore&>(e).ListRows().Count(); }

int32_t PosFromChar(const TEditorCore& e, int index) {
  int row, byte;
  Walk(e, std::max(index, 0), row, byte);
  const int col = e.ByteToCol(row, byte);
  const int x = e.LeftOffset() + (col - e.TopCol()) * e.CharWidth();
  const int y = e.TopOffset() + (row - e.TopRow()) * e.RowHeight();
  return MakeReply(x, y);
}

int32_t CharFromPos(const TEditorCore& e, int x, int y, const TRect& client) {
  if (x < client.Left || x >= client.Right || y < client.Top || y >= client.Bottom) return -1;
  int row, col;
  e.PosToRowCol({x, y}, true, row, col);
  // Below the text the nearest place is the last row.
  const int count = LineCount(e);
  row = std::min(row, std::max(count - 1, 0));
  if (row < count) {
    const std::string classes = e.ColumnClasses(row);
    if (col > 0 && col < static_cast<int>(classes.size()) && classes[size_t(col)] == '5') --col;
  }
  const int byte = e.ColToByte(row, col);
  return MakeReply(e.RowOffset(row) + byte, row);
}

void ScrollCaret(TEditorCore& e) {
  const int rows = std::max(e.VisibleRows(), 1), cols = std::max(e.VisibleCols(), 1);
  if (e.Row() < e.TopRow() || e.Row() >= e.TopRow() + rows)
    e.SetTopRow(std::max(e.Row() - rows / 3, 0));
  if (e.Col() < e.TopCol() || e.Col() >= e.TopCol() + cols)
    e.SetTopCol(std::max(e.Col() - cols / 3, 0));
}

void SetModify(TEditorCore& e, bool on) {
  if (!e.ReadOnly()) e.SetModified(on);
}

void SetReadOnly(TEditorCore& e, bool on) {
  if (e.DragState() == TDragState::Idle) e.SetReadOnly(on);
}

bool CanUndo(TEditorCore& e) { return !e.ReadOnly() && e.ListRows().UndoObj().CanUndo(); }

int GetText(const TEditorCore& e, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const std::string text = const_cast<TEditorCore&>(e).Lines().GetText();
  const int n = std::min(size - 1, static_cast<int>(text.size()));
  std::memcpy(buffer, text.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

void SetText(TEditorCore& e, const char* text) {
  if (!e.ReadOnly()) e.Lines().SetText(text ? std::string(text) : std::string());
}

bool Undo(TEditorCore& e) {
  if (!CanUndo(e)) return false;
  e.CleanSelection();
  e.ListRows().Undo();
  return true;
}

void EmptyUndoBuffer(TEditorCore& e) {
  if (!e.ReadOnly()) e.ListRows().UndoObj().ClearUndo();
}

std::string CopyText(const TEditorCore& e, bool& box) {
  box = e.Selected() && e.SelectionMode() == TEditorSelectionMode::smBox;
  return e.Selected() ? e.SelText() : std::string();
}

uint32_t DlgCode(const TEditorCore& e, uint32_t code, bool tabKey) {
  code |= kWantArrows | kWantChars;
  code = e.WantTabs() ? (code | kWantTab) : (code & ~kWantTab);
  code = e.WantReturns() ? (code | kWantAllKeys) : (code & ~kWantAllKeys);
  if (tabKey && !e.WantTabs()) code &= ~kWantAllKeys;
  return code;
}

}  // namespace glean::edit_msg
