#include "editor/control/core/editor_screen.h"

#include "editor/control/core/editor_core.h"

namespace glean {

void TEditorScreen::Update(const TLastUpdate& u) {
  TEditorCore& e = editor_;
  IEditorHost& host = e.host_;
  if (!u.Valid) {  // rebuilt wholesale
    e.UpdateMetrics();
    e.Repaint();
    return;
  }
  const int f = u.Row, o = u.OldRowCount, n = u.NewRowCount, c = u.ReparsedRowCount;
  const int visible = e.visibleRows_;
  const int oldDigits = e.leftbarDigits_;
  const int count = e.list_->Count();
  if (std::abs(n - o) > visible) {
    e.Repaint();
  } else {
    const int end = f + n + std::max(0, c - n);
    if (n != o) {
      const TRect client = host.ClientRect();
      const int top = e.RowRect(f + std::min(n, o)).Top;
      if (top < client.Bottom) {
        const TRect area{0, std::max(top, e.topOffset_), client.Right, client.Bottom};
        host.ScrollArea(area, 0, (n - o) * e.rowHeight_);
      }
      if (end >= count) e.InvalidateRow(end);
    }
    if (end > f) {
      TRect r = e.RowRect(std::max(f, e.topRow_));
      r.Bottom = e.RowRect(std::min(end - 1, e.topRow_ + visible)).Bottom;
      if (!r.Empty()) host.Invalidate(r);
    }
    const bool lineNumbers = e.leftbar_->ShowNumberMode() == TEditorShowNumberMode::nmLine;
    const bool lastVisible = count <= e.topRow_ + visible;
    if (e.leftbar_->Visible() && (lineNumbers || (n != o && lastVisible)))
      e.InvalidateLeftbar(end, e.topRow_ + visible);
  }
  e.UpdateLeftbarDigits();
  if (e.leftbarDigits_ != oldDigits) {  // the bar widens: the text area moves right
    e.UpdateMetrics();
    e.Repaint();
  }
  host.Update();
}

}  // namespace glean
