#include "editor/control/core/recording_canvas.h"

namespace glean {

void TRecordingCanvas::FillRect(const TRect& r, TColor color) {
  if (r.Empty()) return;
  TCanvasOp op;
  op.Kind = TCanvasOp::Fill;
  op.Rect = r;
  op.Color = color;
  ops.push_back(std::move(op));
}

void TRecordingCanvas::TextOut(int x, int y, const TRect& clip, std::string_view text,
                               TColor color, TColor bkColor, TFontStyles style, bool opaque) {
  TCanvasOp op;
  op.Kind = TCanvasOp::Text;
  op.Rect = clip;
  op.X = x;
  op.Y = y;
  op.String = std::string(text);
  op.Color = color;
  op.BkColor = bkColor;
  op.Style = style;
  op.Opaque = opaque;
  ops.push_back(std::move(op));
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& points, TColor color) {
  TCanvasOp op;
  op.Kind = TCanvasOp::Lines;
  op.Points = points;
  op.Color = color;
  ops.push_back(std::move(op));
}

void TRecordingCanvas::DottedLine(int x1, int x2, int y, TColor color, TColor bkColor) {
  TCanvasOp op;
  op.Kind = TCanvasOp::Dots;
  op.Rect = {x1, y, x2, y + 1};
  op.Color = color;
  op.BkColor = bkColor;
  ops.push_back(std::move(op));
}

bool TRecordingCanvas::DrawImage(TImageList list, int index, int x, int y) {
  TCanvasOp op;
  op.Kind = TCanvasOp::Image;
  op.List = list;
  op.Index = index;
  op.X = x;
  op.Y = y;
  ops.push_back(std::move(op));
  return true;
}

int TRecordingCanvas::Count(TCanvasOp::TKind kind) const {
  int n = 0;
  for (const TCanvasOp& op : ops)
    if (op.Kind == kind) ++n;
  return n;
}

std::vector<const TCanvasOp*> TRecordingCanvas::TextsContaining(const std::string& text) const {
  std::vector<const TCanvasOp*> out;
  for (const TCanvasOp& op : ops)
    if (op.Kind == TCanvasOp::Text && op.String.find(text) != std::string::npos) out.push_back(&op);
  return out;
}

}  // namespace glean
