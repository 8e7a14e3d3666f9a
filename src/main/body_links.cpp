// The pane's addresses (under the caret or the mouse, opened by a double click or the
// popup's N14), the popup opened at the caret with Shift+F10, and the marks drawn over
// tabs and full-width spaces.
#include "editor/control/gdi_canvas.h"
#include "main/body.h"
#include "main/core/links.h"
#include "main/core/row_marks.h"
#include "main/main_texts.h"
#include "main/menus.h"
#include "main/shell_open.h"
#include "main/speech_texts.h"
#include "win/gdi.h"

namespace glean {

namespace {
// The marks on the device context of the paint under way.
class DcMarkCanvas : public IMarkCanvas {
 public:
  explicit DcMarkCanvas(HDC dc) : dc_(dc) {}
  void Polyline(const std::vector<TPoint>& points, TColor color, int penWidth) override {
    std::vector<POINT> p;
    for (const TPoint& t : points) p.push_back({t.X, t.Y});
    win::UniquePen pen(CreatePen(PS_SOLID, penWidth, color));
    win::SelectedObject selected(dc_, pen.Get());
    ::Polyline(dc_, p.data(), static_cast<int>(p.size()));
  }
  void FillRect(const TRect& r, TColor color) override {
    win::UniqueBrush brush(CreateSolidBrush(color));
    RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(dc_, &rect, brush.Get());
  }

 private:
  HDC dc_;
};
}  // namespace

bool TBody::LinkIsCurrent() { return !CurrentLink_.empty(); }

void TBody::OpenCurrentLink() {
  if (!CurrentLink_.empty()) ShellOpen(hwnd_, CurrentLink_);
}

void TBody::DataDblClick() { OpenCurrentLink(); }

// Takes the address in `token`, if it is one, as the current link.
void TBody::ShowLink(const std::string& token) {
  const DetectedLink link = DetectAddress(token);
  if (link.Kind == LinkKind::None) return;
  CurrentLink_ = link.Target;
  const bool web = link.Kind == LinkKind::Web;
  menus_->SetCaption(menu::N14, web ? texts::kWebLinkCaption : texts::kMailLinkCaption);
  StatusBar1_->SetSimpleText(web ? texts::kWebLinkStatus : texts::kMailLinkStatus);
}

void TBody::DataCaretMoved() {
  if (following_) return;  // the watch keeps the user's place; nothing moves the pointer
  StatusBar1_->SetSimpleText(PaneStatus());
  CurrentLink_.clear();
  ShowLink(Data_->TokenAtCaret());
  if (CurrentLink_.empty()) return;
  // The pointer goes onto the address, so that a double click opens it.
  const TPoint caret = Data_->CaretPos();
  POINT p{caret.X, caret.Y};
  ClientToScreen(Data_->Handle(), &p);
  SetCursorPos(p.x, p.y + Data_->FontHeight() / 2);
}

void TBody::DataMouseMove(int x, int y) {
  Data_->Host().SetCursor(crArrow);
  StatusBar1_->SetSimpleText(PaneStatus());
  CurrentLink_.clear();
  ShowLink(Data_->TokenAtPos(TPoint{x, y}));
  if (!CurrentLink_.empty()) Data_->Host().SetCursor(crHandPoint);
}

void TBody::DataKeyDown(uint16_t& key, TShiftState shift) {
  if (shift == ssCtrl && key == VK_RETURN) {
    key = 0;  // the pane gets no line break
    GoToSourceClick();
    return;
  }
  if (shift != ssShift || key != vk::F10) return;
  const TPoint caret = Data_->CaretPos();
  POINT p{caret.X, caret.Y};
  ClientToScreen(Data_->Handle(), &p);
  key = 0;  // the popup is open already; no context-menu message for the same key
  ShowPopupMenu1(p.x, p.y);
}

void TBody::DataDrawLine(const std::string& lineStr, int x, int y, int index, const TRect& rect, int selected) {
  auto* gdi = dynamic_cast<TGdiCanvas*>(Data_->PaintCanvas());
  if (!gdi) return;
  if (!selected) PaintWatchedRow(index, x, y, rect);
  RECT pane{};
  GetWindowRect(Data_->Handle(), &pane);
  DcMarkCanvas canvas(gdi->Dc());
  DrawRowMarks(*Data_, canvas, TDrawnLine{lineStr, x, y, index, rect, selected}, pane.right - pane.left);
}

}  // namespace glean
