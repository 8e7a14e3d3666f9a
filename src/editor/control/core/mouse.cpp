// What the mouse does to the caret and the selection: clicks, Shift+clicks, row
// selection in the left margin, dragging the selection, and the cursor shown.
#include "editor/control/core/editor_core.h"

namespace glean {

void TEditorCore::PosToRowCol(TPoint p, bool forCaret, int& row, int& col) const {
  int x = p.X;
  if (x < leftOffset_) x -= charWidth_ - 1;
  col = forCaret ? (x + charWidth_ / 2 - 1 - leftOffset_) / charWidth_ + topCol_
                 : (x - leftOffset_) / charWidth_ + topCol_;
  col = std::max(col, 0);
  row = std::max(0, (p.Y - topOffset_) / rowHeight_ + topRow_);
}

bool TEditorCore::CanDrag() const {
  return !readOnly_ && selState_ == TEditorSelectionState::Selected &&
         selMode_ == TEditorSelectionMode::smNormal && caret_->SelMove();
}

void TEditorCore::MouseDown(TPoint p, bool shift, bool /*ctrl*/) {
  pressPoint_ = p;
  int row, col;
  PosToRowCol(p, true, row, col);
  if (shift) {
    leftPressed_ = true;
    host_.SetMouseCapture(true);
    if (!Selected()) StartSelection();
    extending_ = true;
    SetRowCol(row, col);
    extending_ = false;
    ExtendSelection();
    UpdateCaret();
    return;
  }
  int hitRow, hitCol;
  PosToRowCol(p, false, hitRow, hitCol);
  if (CanDrag() && p.X >= leftOffset_ && PointInSelection(hitRow, hitCol)) {
    SetRowCol(row, col);
    if (caret_->SelDragMode() == TDragMode::dmAutomatic) {
      dragState_ = TDragState::Pending;  // the press ends here; moves decide
      host_.SetMouseCapture(true);
      return;
    }
  }
  leftPressed_ = true;
  host_.SetMouseCapture(true);
  if (p.X < leftOffset_ && caret_->RowSelect()) {
    StartRowSelection(row);
    return;
  }
  CleanSelection();
  SetRowCol(row, col);
  StartSelection();
}

void TEditorCore::StartRowSelection(int row) {
  CleanSelection();
  if (list_->Count() == 0) return;
  rowSelecting_ = true;
  rowSelectAnchor_ = std::min(row, list_->Count() - 1);
  ExtendRowSelection(row);
}

void TEditorCore::ExtendRowSelection(int row) {
  const int count = list_->Count();
  row = std::clamp(row, 0, count - 1);
  // The end of a row as a selection end: the next row's start, or the end of the last
  // row when no row follows it.
  auto rowEnd = [&](int r, int& endRow, int& endCol) {
    if (list_->RowAttribute(r) == TRowAttribute::EndOfText) {
      endRow = r;
      endCol = RowWidth(r);
    } else {
      endRow = r + 1;
      endCol = 0;
    }
  };
  int anchorRow, anchorCol, caretRow, caretCol;
  if (row > rowSelectAnchor_) {
    anchorRow = rowSelectAnchor_;
    anchorCol = 0;
    rowEnd(row, caretRow, caretCol);
  } else {
    rowEnd(rowSelectAnchor_, anchorRow, anchorCol);
    caretRow = row;
    caretCol = 0;
  }
  if (selState_ == TEditorSelectionState::None) selState_ = TEditorSelectionState::Started;
  anchor_.Row = anchorRow;
  anchor_.Col = anchorCol;
  anchor_.Byte = ColToByte(anchorRow, anchorCol);
  extending_ = true;
  SetRowCol(caretRow, caretCol);
  extending_ = false;
  ExtendSelection();
  UpdateCaret();
}

void TEditorCore::MouseMove(TPoint p, bool leftDown, bool ctrl) {
  const int half = charWidth_ / 2;
  const bool moved = std::abs(p.X - pressPoint_.X) >= half || std::abs(p.Y - pressPoint_.Y) >= half;
  if (dragState_ == TDragState::Pending && moved) {
    dragState_ = TDragState::Dragging;
    host_.SetCursor(ctrl ? caret_->Cursors().DragSelCopyCursor() : caret_->Cursors().DragSelCursor());
  }
  if (dragState_ == TDragState::Dragging) {
    int row, col;
    PosToRowCol(p, false, row, col);
    SetRowCol(row, col);
    return;
  }
  if (dragState_ == TDragState::Pending) return;
  if (leftPressed_ && leftDown) {
    int row, col;
    PosToRowCol(p, true, row, col);
    if (p.Y < topOffset_) row = std::max(0, row - 1);  // above the text: scroll up
    if (rowSelecting_) {
      ExtendRowSelection(row);
      return;
    }
    const bool extend = Selected() || (selState_ == TEditorSelectionState::Started && moved);
    extending_ = extend;
    SetRowCol(row, col);
    extending_ = false;
    if (extend) {
      ExtendSelection();
      UpdateCaret();
    }
    return;
  }
  ChooseCursor(p);
}

void TEditorCore::MouseUp(TPoint p, bool ctrl) {
  host_.SetMouseCapture(false);
  leftPressed_ = false;
  rowSelecting_ = false;
  if (dragState_ == TDragState::Dragging) {
    dragState_ = TDragState::Idle;
    Drop(p, ctrl);
    ChooseCursor(p);
    return;
  }
  if (dragState_ == TDragState::Pending) {
    // Released without moving: no drag after all.
    dragState_ = TDragState::Idle;
    CleanSelection();
    ChooseCursor(p);
  }
}

void TEditorCore::Drop(TPoint p, bool ctrl) {
  int row, col;
  PosToRowCol(p, false, row, col);
  if (!host_.ClientRect().Contains(p) || PointInSelection(row, col)) {
    CleanSelection();
    return;
  }
  PosToRowCol(p, true, row, col);
  if (ctrl)
    CopyDrop(row, col);
  else
    MoveDrop(row, col);
}

void TEditorCore::CancelDrag() {
  if (dragState_ == TDragState::Idle) return;
  dragState_ = TDragState::Idle;
  host_.SetMouseCapture(false);
  if (caret_->AutoCursor()) host_.SetCursor(caret_->Cursors().DefaultCursor());
  CleanSelection();
}

void TEditorCore::CtrlChanged(bool ctrl) {
  if (dragState_ != TDragState::Dragging) return;
  host_.SetCursor(ctrl ? caret_->Cursors().DragSelCopyCursor() : caret_->Cursors().DragSelCursor());
}

void TEditorCore::ChooseCursor(TPoint p) {
  if (!caret_->AutoCursor()) return;
  const TEditorCursors& c = caret_->Cursors();
  int row, col;
  PosToRowCol(p, false, row, col);
  if (p.X < leftOffset_)
    host_.SetCursor(c.LeftMarginCursor());
  else if (p.Y < topOffset_)
    host_.SetCursor(c.TopMarginCursor());
  else if (CanDrag() && PointInSelection(row, col))
    host_.SetCursor(c.InSelCursor());
  else
    host_.SetCursor(c.DefaultCursor());
}

}  // namespace glean
