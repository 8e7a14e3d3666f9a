// What the editor core draws with. The Windows host implements it with GDI; tests and
// the benchmark record the calls instead.
#pragma once

#include <string_view>
#include <vector>

#include "editor/control/core/geometry_types.h"
#include "editor/model/fountain.h"

namespace glean {

// The two image lists of the image bar: ten digit marks and six symbol marks.
enum class TImageList { Digits, Marks };

class ICanvas {
 public:
  virtual ~ICanvas() = default;

  // Every byte of a text advances by this many pixels (a double-byte character takes two
  // cells), whatever the font's own glyph widths.
  virtual void SetAdvance(int pixels) = 0;
  virtual void FillRect(const TRect& r, TColor color) = 0;
  // Text with its top-left corner at (x, y), clipped to `clip`. Opaque output fills the
  // whole clip rectangle with `bkColor` first; otherwise the background stays.
  // Underline in `style` is ignored: the core draws its own dotted underline.
  virtual void TextOut(int x, int y, const TRect& clip, std::string_view text, TColor color,
                       TColor bkColor, TFontStyles style, bool opaque) = 0;
  // One-pixel lines through the points, the last point excluded as GDI does.
  virtual void Polyline(const std::vector<TPoint>& points, TColor color) = 0;
  // Alternate pixels from x1 (included) to x2 (excluded) on row y, `color` over `bkColor`.
  virtual void DottedLine(int x1, int x2, int y, TColor color, TColor bkColor) = 0;
  // An image of the image bar; false when the list has no such image.
  virtual bool DrawImage(TImageList list, int index, int x, int y) = 0;
};

}  // namespace glean
