#include "editor/control/gdi_canvas.h"

#include "win/gdi.h"

namespace glean {

namespace {
RECT ToRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
// The longest text the core draws: a row cut at 1000 columns, one byte more to keep a
// double-byte character whole.
constexpr size_t kMaxText = 1001;
}  // namespace

TGdiCanvas::TGdiCanvas(HDC dc, FontFor fontFor, ImageDrawer drawImage)
    : dc_(dc), fontFor_(std::move(fontFor)), drawImage_(std::move(drawImage)) {
  savedDc_ = SaveDC(dc_);
  oldFont_ = SelectObject(dc_, fontFor_(0));
  SetTextAlign(dc_, TA_LEFT | TA_TOP);
}

TGdiCanvas::~TGdiCanvas() {
  SelectObject(dc_, oldFont_);
  RestoreDC(dc_, savedDc_);
}

void TGdiCanvas::SetAdvance(int pixels) { advances_.assign(kMaxText, pixels); }

void TGdiCanvas::FillRect(const TRect& r, TColor color) {
  if (r.Empty()) return;
  const RECT rc = ToRect(r);
  SetBkColor(dc_, color);
  // An opaque output of no text is the cheapest solid fill GDI has.
  ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void TGdiCanvas::TextOut(int x, int y, const TRect& clip, std::string_view text, TColor color,
                         TColor bkColor, TFontStyles style, bool opaque) {
  if (clip.Empty()) return;
  const RECT rc = ToRect(clip);
  SelectObject(dc_, fontFor_(style & TFontStyles(~fsUnderline)));
  SetTextColor(dc_, color);
  SetBkColor(dc_, bkColor);
  SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
  const UINT count = static_cast<UINT>(std::min(text.size(), advances_.size()));
  ExtTextOutA(dc_, x, y, ETO_CLIPPED | (opaque ? ETO_OPAQUE : 0), &rc, text.data(), count,
              advances_.data());
}

void TGdiCanvas::Polyline(const std::vector<TPoint>& points, TColor color) {
  if (points.size() < 2) return;
  win::UniquePen pen(CreatePen(PS_SOLID, 1, color));
  win::SelectedObject selected(dc_, pen.Get());
  std::vector<POINT> pts;
  pts.reserve(points.size());
  for (const TPoint& p : points) pts.push_back({p.X, p.Y});
  ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
}

void TGdiCanvas::DottedLine(int x1, int x2, int y, TColor color, TColor bkColor) {
  FillRect({x1, y, x2, y + 1}, bkColor);
  for (int x = x1; x < x2; x += 2) SetPixelV(dc_, x, y, color);
}

bool TGdiCanvas::DrawImage(TImageList list, int index, int x, int y) {
  return drawImage_ && drawImage_(dc_, list, index, x, y);
}

}  // namespace glean
