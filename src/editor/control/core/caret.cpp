// The caret: row and column with the rules that keep it off second halves and tab
// fillers, its shape, its place on the screen and its visibility.
#include "editor/control/core/editor_core.h"

namespace glean {

std::string TEditorCore::ColumnClasses(int row) const {
  if (row < 0 || row >= list_->Count()) return {};
  return BuildColumnClasses(list_->Ref(row), list_->Metrics(), delimiters_);
}

int TEditorCore::RowWidth(int row) const { return static_cast<int>(ColumnClasses(row).size()); }

int TEditorCore::ColToByte(int row, int col) const {
  if (row < 0 || row >= list_->Count() || col <= 0) return 0;
  const std::string classes = ColumnClasses(row);
  const int limit = std::min<int>(col, static_cast<int>(classes.size()));
  int fillers = 0;
  for (int i = 0; i < limit; ++i)
    if (classes[static_cast<size_t>(i)] == '3') ++fillers;
  return std::min<int>(static_cast<int>(list_->Ref(row).size()), col - fillers);
}

int TEditorCore::ByteToCol(int row, int byte) const {
  if (row < 0 || row >= list_->Count() || byte <= 0) return 0;
  const std::string& text = list_->Ref(row);
  return DisplayWidth(std::string_view(text).substr(0, std::min<size_t>(size_t(byte), text.size())),
                      list_->Metrics());
}

void TEditorCore::Remember(int col, bool vertical) {
  if (!vertical || rememberValid_) return;
  remembered_ = col;
  rememberValid_ = true;
}

void TEditorCore::AdjustCol(int d, bool vertical) {
  const std::string classes = ColumnClasses(row_);
  const int w = static_cast<int>(classes.size());
  auto at = [&](int c) { return c >= 0 && c < w ? classes[static_cast<size_t>(c)] : '0'; };
  const bool leftDown = host_.LeftButtonDown();

  if (!vertical)
    rememberValid_ = false;
  else if (rememberValid_)
    col_ = remembered_;
  if (!caret_->FreeCaret() && col_ > w) {
    if (caret_->KeepCaret()) Remember(leftDown ? w : col_, vertical);
    if (!(vertical && caret_->FreeRow() && !leftDown)) col_ = w;
  }
  if (at(col_) == '5') {
    Remember(col_, vertical);
    col_ += d;
  }
  if (!caret_->InTab() && at(col_) == '3') {
    Remember(col_, vertical);
    while (at(col_) == '3') col_ += d;
  }
  if (list_->WordWrap() && col_ >= w && row_ < list_->Count()) {
    Remember(col_, vertical);
    const int wrapByte = list_->WrapOption().WrapByte();
    if (list_->RowAttribute(row_) == TRowAttribute::Wrapped)
      col_ = w - 1;
    else if (col_ >= wrapByte)
      col_ = std::max(w, wrapByte - 1);
    if (at(col_) == '5') --col_;
    if (!caret_->InTab())
      while (at(col_) == '3') --col_;
  }
  if (col_ > kMaxColumns && at(kMaxColumns - 1) != '4') col_ = kMaxColumns;
  col_ = std::max(col_, 0);
  if (!extending_) UpdateCaret();
}

void TEditorCore::SetRow(int v) {
  const int count = list_->Count();
  if (v == row_ && v != count) return;
  const int oldRow = row_, oldCol = col_;
  if (marks_->Underline().Visible() && host_.HasWindow()) host_.Invalidate(UnderlineRect(oldRow));
  row_ = std::clamp(v, 0, count);
  if (row_ == count && row_ > 0 && list_->RowAttribute(count - 1) == TRowAttribute::EndOfText)
    --row_;
  AdjustCol(-1, true);
  if (ruler_->Visible() && col_ != oldCol && host_.HasWindow())
    host_.Invalidate({leftOffset_, 0, host_.ClientRect().Right, rulerHeight_});
  if (marks_->Underline().Visible() && host_.HasWindow()) host_.Invalidate(UnderlineRect(row_));
}

void TEditorCore::SetCol(int v) {
  v = std::clamp(v, 0, kMaxColumns + 1);
  const int d = v > col_ ? 1 : -1;
  col_ = v;
  AdjustCol(d, false);
  if (ruler_->Visible() && host_.HasWindow())
    host_.Invalidate({leftOffset_, 0, host_.ClientRect().Right, rulerHeight_});
}

void TEditorCore::SetRowCol(int row, int col) {
  if (row == row_ && col == col_) return;
  const bool outer = !extending_;
  extending_ = true;
  SetRow(row);
  const std::string classes = ColumnClasses(row_);
  auto at = [&](int c) {
    return c >= 0 && c < static_cast<int>(classes.size()) ? classes[static_cast<size_t>(c)] : '0';
  };
  if (at(col) == '5') --col;
  if (!caret_->InTab())
    while (at(col) == '3') --col;
  SetCol(col);
  extending_ = !outer;
  if (outer) UpdateCaret();
}

TPoint TEditorCore::CaretPos() const {
  int y = topOffset_ + (row_ - topRow_) * rowHeight_;
  if (caret_->Style() == TEditorCaretStyle::csBrief) y += fontHeight_ - 2;
  return {leftOffset_ + (col_ - topCol_) * charWidth_, y};
}

bool TEditorCore::CaretVisible() const {
  return host_.Focused() && hideCount_ == 0 && row_ >= topRow_ && row_ < topRow_ + visibleRows_ &&
         col_ >= topCol_ && col_ <= topCol_ + visibleCols_;
}

void TEditorCore::ApplyCaretVisibility() {
  if (!host_.HasWindow()) return;
  // The host keeps the window system's caret state; repeating a state is harmless.
  caretShown_ = CaretVisible();
  host_.ShowCaret(caretShown_);
}

void TEditorCore::PlaceCaret() {
  if (!host_.HasWindow()) return;
  const TPoint p = CaretPos();
  host_.SetCaretPos(p.X, p.Y);
  if (keyRepeat_)
    imePending_ = true;
  else
    host_.MoveImeWindow(p.X, p.Y);
  ApplyCaretVisibility();
  DoCaretMoved();
}

void TEditorCore::UpdateCaret() {
  if (!host_.HasWindow()) return;
  if (selState_ == TEditorSelectionState::Hit && hitStyle_ == TEditorHitStyle::hsCaret) {
    host_.SetCaretShape(std::max(1, hitLength_ * charWidth_), fontHeight_);
  } else if (caret_->Style() == TEditorCaretStyle::csBrief) {
    const std::string classes = ColumnClasses(row_);
    const bool wide = col_ < static_cast<int>(classes.size()) && classes[size_t(col_)] == '4';
    host_.SetCaretShape((charWidth_ - margin_->Character()) * (wide ? 2 : 1), 2);
  } else {
    host_.SetCaretShape(2, fontHeight_);
  }
  ScrollCaret();
  PlaceCaret();
}

void TEditorCore::KeyReleased() {
  keyRepeat_ = false;
  if (!imePending_ || !host_.HasWindow()) return;
  imePending_ = false;
  const TPoint p = CaretPos();
  host_.MoveImeWindow(p.X, p.Y);
}

void TEditorCore::HideCaret() {
  ++hideCount_;
  ApplyCaretVisibility();
}

void TEditorCore::ShowCaret() {
  if (hideCount_ > 0) --hideCount_;
  ApplyCaretVisibility();
}

void TEditorCore::FocusChanged(bool focused) {
  if (focused) {
    UpdateCaret();
    if (OnEnter) OnEnter(this);
  } else {
    if (host_.HasWindow()) {
      caretShown_ = false;
      host_.ShowCaret(false);
    }
    if (OnExit) OnExit(this);
  }
}

}  // namespace glean
