// The screen geometry every position conversion uses, recomputed whenever the font, a
// margin, a bar, the ruler or the window size changes.
#include <string>

#include "editor/control/core/editor_core.h"

namespace glean {

namespace {
int DecimalDigits(int n) { return static_cast<int>(std::to_string(std::max(n, 0)).size()); }
}  // namespace

int TEditorCore::LeftbarMaxNumber() const {
  const int base = leftbar_->ZeroBase() ? 0 : 1;
  const int count = list_->Count();
  if (leftbar_->ShowNumberMode() == TEditorShowNumberMode::nmRow) {
    const bool emptyRowAfter = count == 0 || list_->RowAttribute(count - 1) == TRowAttribute::LineBreak;
    return (emptyRowAfter ? count : count - 1) + base;
  }
  return list_->LineBreaksBefore(count) + base;
}

void TEditorCore::UpdateLeftbarDigits() {
  leftbarDigits_ = std::min(8, std::max(leftbar_->Column(), DecimalDigits(LeftbarMaxNumber())));
  leftbarWidth_ = leftbar_->Visible() ? leftbar_->LeftMargin() + leftbarDigits_ * charWidth_ +
                                            leftbar_->RightMargin() + 2
                                      : 0;
}

void TEditorCore::UpdateMetrics() {
  const TFontMetrics fm = host_.FontMetrics();
  fontHeight_ = fm.Height + fm.ExternalLeading;
  charWidth_ = std::max(1, margin_->Character() + fm.AveCharWidth);
  rowHeight_ = std::max(1, fontHeight_ + margin_->Line() + margin_->UnderlineGap());
  rulerHeight_ = ruler_->Visible() ? (ruler_->Edge() ? 11 : 10) : 0;
  topOffset_ = margin_->Top() + rulerHeight_;
  UpdateLeftbarDigits();
  leftOffset_ = margin_->Left() + imagebar_->Width() + leftbarWidth_;
  const TRect client = host_.ClientRect();
  visibleRows_ = std::max(1, (client.Height() - topOffset_ - 5) / rowHeight_);
  visibleCols_ = std::max(1, (client.Width() - leftOffset_ - charWidth_ / 2) / charWidth_);
  fullRepaint_ = (font_.Style & fsItalic) != 0 || ActiveFountain()->HasItalic();
}

void TEditorCore::Resized() {
  if (!host_.HasWindow()) return;
  UpdateMetrics();
  UpdateScrollBars();
  Repaint();
  PlaceCaret();
}

TRect TEditorCore::RowRect(int row) const {
  const int y = topOffset_ + (row - topRow_) * rowHeight_;
  return {0, y, host_.ClientRect().Right, y + rowHeight_};
}

TRect TEditorCore::UnderlineRect(int row) const {
  const int y = topOffset_ + (row - topRow_) * rowHeight_ + fontHeight_;
  return {leftOffset_, y, host_.ClientRect().Right, y + 1};
}

void TEditorCore::InvalidateRow(int row) {
  if (!host_.HasWindow() || row < topRow_ || row > topRow_ + visibleRows_) return;
  host_.Invalidate(RowRect(row));
}

void TEditorCore::InvalidateRows(int first, int last) {
  if (!host_.HasWindow()) return;
  first = std::max(first, topRow_);
  last = std::min(last, topRow_ + visibleRows_);
  if (first > last) return;
  TRect r = RowRect(first);
  r.Bottom = RowRect(last).Bottom;
  host_.Invalidate(r);
  host_.Update();
}

void TEditorCore::InvalidateLeftbar(int first, int last) {
  if (!host_.HasWindow() || leftOffset_ == 0) return;
  first = std::max(first, topRow_);
  last = std::min(last, topRow_ + visibleRows_);
  if (first > last) return;
  TRect r = RowRect(first);
  r.Bottom = RowRect(last).Bottom;
  r.Right = imagebar_->Width() + leftbarWidth_;
  host_.Invalidate(r);
}

void TEditorCore::Repaint() {
  if (host_.HasWindow()) host_.Invalidate(host_.ClientRect());
}

}  // namespace glean
