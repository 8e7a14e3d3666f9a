// The selection: its anchor, the text and screen ranges, normal and box mode, and the
// minimal repaint when it grows or shrinks.
#include "editor/control/core/editor_core.h"

namespace glean {

namespace {
constexpr int kToRightEdge = 1 << 20;  // a selected piece that runs to the window's edge
}

void TEditorCore::StartSelection() {
  CleanSelection();
  if (list_->Count() == 0) return;
  selState_ = TEditorSelectionState::Started;
  anchor_.Row = row_;
  anchor_.Byte = CaretByte();
  anchor_.Col = selMode_ == TEditorSelectionMode::smBox ? col_ : std::min(col_, RowWidth(row_));
}

void TEditorCore::ComputeRanges() {
  const int caretByte = CaretByte();
  const bool anchorFirst = anchor_.Row < row_ || (anchor_.Row == row_ && anchor_.Col <= col_);
  const int upperRow = anchorFirst ? anchor_.Row : row_;
  const int lowerRow = anchorFirst ? row_ : anchor_.Row;
  int upperByte = anchorFirst ? anchor_.Byte : caretByte;
  int lowerByte = anchorFirst ? caretByte : anchor_.Byte;
  int upperCol = anchorFirst ? anchor_.Col : col_;
  int lowerCol = anchorFirst ? col_ : anchor_.Col;
  if (upperRow == lowerRow && upperByte > lowerByte) std::swap(upperByte, lowerByte);
  selStartRow_ = upperRow;
  selEndRow_ = lowerRow;
  selStartByte_ = upperByte;
  selEndByte_ = lowerByte - 1;
  TSelectionRange r;
  r.StartRow = upperRow;
  r.EndRow = lowerRow;
  if (selMode_ == TEditorSelectionMode::smBox) {
    r.StartCol = std::min(anchor_.Col, col_);
    r.EndCol = std::max(anchor_.Col, col_);
  } else {
    r.StartCol = std::min(upperCol, RowWidth(upperRow));
    r.EndCol = std::min(lowerCol, RowWidth(lowerRow));
  }
  screenRange_ = r;
}

bool TEditorCore::PieceSpan(const TSelectionRange& r, int row, int& from, int& to) const {
  if (r.EndRow < r.StartRow || row < r.StartRow || row > r.EndRow) return false;
  if (selMode_ == TEditorSelectionMode::smBox) {
    from = r.StartCol;
    to = r.EndCol;
  } else {
    from = row == r.StartRow ? r.StartCol : 0;
    to = row == r.EndRow ? r.EndCol : kToRightEdge;
  }
  return from < to;
}

void TEditorCore::RepaintSelectionChange(const TSelectionRange& before, const TSelectionRange& after) {
  if (!host_.HasWindow()) return;
  auto lowest = [](const TSelectionRange& r) { return r.EndRow < r.StartRow ? INT32_MAX : r.StartRow; };
  auto highest = [](const TSelectionRange& r) { return r.EndRow < r.StartRow ? -1 : r.EndRow; };
  const int first = std::max(std::min(lowest(before), lowest(after)), topRow_);
  const int last = std::min(std::max(highest(before), highest(after)), topRow_ + visibleRows_);
  bool any = false;
  for (int row = first; row <= last; ++row) {
    int f0 = 0, t0 = 0, f1 = 0, t1 = 0;
    const bool in0 = PieceSpan(before, row, f0, t0);
    const bool in1 = PieceSpan(after, row, f1, t1);
    if (in0 == in1 && (!in0 || (f0 == f1 && t0 == t1))) continue;
    // The columns whose state differs lie between the outermost differing edges.
    int from, to;
    if (in0 && in1) {
      from = f0 != f1 ? std::min(f0, f1) : std::min(t0, t1);
      to = t0 != t1 ? std::max(t0, t1) : std::max(f0, f1);
    } else {
      from = in0 ? f0 : f1;
      to = in0 ? t0 : t1;
    }
    TRect r = RowRect(row);
    r.Left = std::max(leftOffset_, leftOffset_ + (from - topCol_) * charWidth_);
    if (to < kToRightEdge) r.Right = std::min(r.Right, leftOffset_ + (to - topCol_) * charWidth_);
    if (r.Empty()) continue;
    host_.Invalidate(r);
    any = true;
  }
  if (any) host_.Update();
}

void TEditorCore::ExtendSelection() {
  if (selState_ == TEditorSelectionState::None) return;
  if (selState_ == TEditorSelectionState::Started) {
    selState_ = settingHit_ ? TEditorSelectionState::Hit : TEditorSelectionState::Selected;
    screenRange_ = TSelectionRange{};
    if (marks_->Underline().Visible() && host_.HasWindow()) host_.Invalidate(UnderlineRect(row_));
  }
  const TSelectionRange before = screenRange_;
  ComputeRanges();
  const bool painted =
      selState_ == TEditorSelectionState::Selected || hitStyle_ == TEditorHitStyle::hsDraw;
  if (painted) RepaintSelectionChange(before, screenRange_);
  DoSelectionChange(static_cast<int>(selState_));
}

void TEditorCore::CleanSelection() {
  if (selState_ == TEditorSelectionState::None) return;
  const bool shown = Selected();
  const bool caretHit =
      selState_ == TEditorSelectionState::Hit && hitStyle_ == TEditorHitStyle::hsCaret;
  selState_ = TEditorSelectionState::None;
  hitLength_ = 0;
  rememberValid_ = false;
  if (!shown) return;
  const TSelectionRange former = screenRange_;
  screenRange_ = TSelectionRange{};
  if (caretHit) UpdateCaret();
  InvalidateRows(former.StartRow - 1, former.EndRow);
  if (marks_->Underline().Visible() && host_.HasWindow()) host_.Invalidate(UnderlineRect(row_));
  DoSelectionChange(0);
}

void TEditorCore::SetSelectionMode(TEditorSelectionMode m) {
  if (m == selMode_ || dragState_ == TDragState::Dragging) return;
  selMode_ = m;
  if (Selected()) {
    ComputeRanges();
    Repaint();
  }
  if (m == TEditorSelectionMode::smBox) host_.SetCursor(caret_->Cursors().DefaultCursor());
  if (OnSelectionModeChange) OnSelectionModeChange(this);
}

bool TEditorCore::PointInSelection(int row, int col) const {
  if (!Selected()) return false;
  const TSelectionRange& r = screenRange_;
  if (row < r.StartRow || row > r.EndRow) return false;
  if (selMode_ == TEditorSelectionMode::smBox) {
    const int b = ColToByte(row, col);
    return b >= ColToByte(row, r.StartCol) && b < ColToByte(row, r.EndCol);
  }
  if (row == r.StartRow && col < r.StartCol) return false;
  if (row == r.EndRow && col >= r.EndCol) return false;
  return true;
}

}  // namespace glean
