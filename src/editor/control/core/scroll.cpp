// Scrolling: the top row and column, keeping the caret in view, the scroll bars and
// their requests. The window contents move with the window system's scroll call and
// only the uncovered strip is repainted.
#include "editor/control/core/editor_core.h"

namespace glean {

void TEditorCore::ScrollRows(int delta) {
  const TRect client = host_.ClientRect();
  const TRect area{0, topOffset_, client.Right, client.Bottom};
  if (std::abs(delta) > visibleRows_ + 1)
    host_.Invalidate(area);
  else
    host_.ScrollArea(area, 0, -delta * rowHeight_);
  host_.Update();
}

void TEditorCore::ScrollCols(int delta) {
  const TRect client = host_.ClientRect();
  const TRect area{leftOffset_, 0, client.Right, client.Bottom};
  if (std::abs(delta) > visibleCols_)
    host_.Invalidate(area);
  else
    host_.ScrollArea(area, -delta * charWidth_, 0);
  host_.Update();
}

void TEditorCore::SetTopRow(int v) {
  if (!host_.HasWindow()) return;
  v = std::clamp(v, 0, list_->Count());
  const int delta = v - topRow_;
  if (delta == 0) return;
  HideCaret();
  topRow_ = v;
  ScrollRows(delta);
  host_.SetScrollBar(TScrollBarKind::Vertical, std::max(visibleRows_, VScrollMax()), visibleRows_,
                     topRow_);
  if (OnTopRowChange) OnTopRowChange(this);
  ShowCaret();
}

void TEditorCore::SetTopCol(int v) {
  if (!host_.HasWindow()) return;
  v = std::clamp(v, 0, std::max(0, kMaxColumns - visibleCols_ / 2));
  const int delta = v - topCol_;
  if (delta == 0) return;
  HideCaret();
  topCol_ = v;
  ScrollCols(delta);
  host_.SetScrollBar(TScrollBarKind::Horizontal, kMaxColumns + visibleCols_ / 2, visibleCols_,
                     topCol_);
  if (OnTopColChange) OnTopColChange(this);
  ShowCaret();
}

void TEditorCore::ScrollCaret() {
  if (!host_.HasWindow()) return;
  if (row_ < topRow_)
    SetTopRow(row_);
  else if (row_ > topRow_ + visibleRows_ - 1)
    SetTopRow(row_ - visibleRows_ + 1);
  const int quarter = visibleCols_ / 4;
  if (col_ < topCol_)
    SetTopCol(std::max(0, std::min(col_, topCol_ - quarter)));
  else if (col_ > topCol_ + visibleCols_ - 1)
    SetTopCol(std::min(std::max(col_ - visibleCols_ + 1, topCol_ + quarter),
                       kMaxColumns - visibleCols_ / 2));
}

int TEditorCore::VScrollMax() const { return std::max(0, list_->Count() + visibleRows_ - 1); }

void TEditorCore::UpdateScrollBars() {
  if (!host_.HasWindow()) return;
  const int max = VScrollMax();
  topRow_ = std::min(topRow_, max);
  host_.SetScrollBar(TScrollBarKind::Vertical, std::max(visibleRows_, max), visibleRows_, topRow_);
  host_.SetScrollBar(TScrollBarKind::Horizontal, kMaxColumns + visibleCols_ / 2, visibleCols_,
                     topCol_);
}

namespace {
// The change a scroll request asks for; `max` is the highest top the bar allows.
int ScrollDelta(TScrollCode code, int top, int page, int max, int pos) {
  switch (code) {
    case TScrollCode::LineUp: return -1;
    case TScrollCode::LineDown: return 1;
    case TScrollCode::PageUp: return -std::max(1, page);
    case TScrollCode::PageDown: return std::max(1, page);
    case TScrollCode::Top: return -top;
    case TScrollCode::Bottom: return max - top;
    case TScrollCode::ThumbPosition:
    case TScrollCode::ThumbTrack: return pos - top;
    case TScrollCode::EndScroll: break;
  }
  return 0;
}
}  // namespace

void TEditorCore::VScroll(TScrollCode code, int trackPos) {
  const int max = VScrollMax();
  const int target = std::clamp(topRow_ + ScrollDelta(code, topRow_, visibleRows_, max, trackPos), 0, max);
  const int before = topRow_;
  SetTopRow(target);
  const int moved = topRow_ - before;
  if (caret_->LockScroll() && moved != 0)
    SetRow(row_ + moved);
  else if (moved != 0)
    PlaceCaret();
}

void TEditorCore::HScroll(TScrollCode code, int pos) {
  const int max = kMaxColumns + visibleCols_ / 2;
  const int target = std::clamp(topCol_ + ScrollDelta(code, topCol_, visibleCols_, max, pos), 0, max);
  const int before = topCol_;
  SetTopCol(target);
  if (topCol_ != before) PlaceCaret();
}

}  // namespace glean
