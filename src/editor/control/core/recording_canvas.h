// A canvas that only records what is drawn on it, for the tests and the benchmark.
#pragma once

#include <string>
#include <vector>

#include "editor/control/core/canvas.h"

namespace glean {

struct TCanvasOp {
  enum TKind { Fill, Text, Lines, Dots, Image };
  TKind Kind = Fill;
  TRect Rect;       // fill area, text clip, dotted line (x1, y, x2, y + 1)
  int X = 0, Y = 0; // text origin, image position
  std::string String;
  TColor Color = 0, BkColor = 0;
  TFontStyles Style = 0;
  bool Opaque = false;
  std::vector<TPoint> Points;
  TImageList List = TImageList::Digits;
  int Index = 0;
};

class TRecordingCanvas : public ICanvas {
 public:
  void SetAdvance(int pixels) override { advance = pixels; }
  void FillRect(const TRect& r, TColor color) override;
  void TextOut(int x, int y, const TRect& clip, std::string_view text, TColor color,
               TColor bkColor, TFontStyles style, bool opaque) override;
  void Polyline(const std::vector<TPoint>& points, TColor color) override;
  void DottedLine(int x1, int x2, int y, TColor color, TColor bkColor) override;
  bool DrawImage(TImageList list, int index, int x, int y) override;

  int Count(TCanvasOp::TKind kind) const;
  // The text outputs whose text contains `text`.
  std::vector<const TCanvasOp*> TextsContaining(const std::string& text) const;
  void Clear() { ops.clear(); }

  int advance = 0;
  std::vector<TCanvasOp> ops;
};

}  // namespace glean
