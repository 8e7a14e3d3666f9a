// The editor core's canvas on a device context: fixed-advance text through ExtTextOutA
// with an advance array, fills, lines, dotted underlines and the image-bar images.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "editor/control/core/canvas.h"

namespace glean {

class TGdiCanvas : public ICanvas {
 public:
  // `fontFor` gives the font of a style (bold, italic, strike-out; underline is drawn
  // by the core); `drawImage` draws an image-bar picture.
  using FontFor = std::function<HFONT(TFontStyles)>;
  using ImageDrawer = std::function<bool(HDC, TImageList, int, int, int)>;
  TGdiCanvas(HDC dc, FontFor fontFor, ImageDrawer drawImage);
  ~TGdiCanvas() override;
  TGdiCanvas(const TGdiCanvas&) = delete;
  TGdiCanvas& operator=(const TGdiCanvas&) = delete;

  void SetAdvance(int pixels) override;
  void FillRect(const TRect& r, TColor color) override;
  void TextOut(int x, int y, const TRect& clip, std::string_view text, TColor color,
               TColor bkColor, TFontStyles style, bool opaque) override;
  void Polyline(const std::vector<TPoint>& points, TColor color) override;
  void DottedLine(int x1, int x2, int y, TColor color, TColor bkColor) override;
  bool DrawImage(TImageList list, int index, int x, int y) override;

  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  FontFor fontFor_;
  ImageDrawer drawImage_;
  HGDIOBJ oldFont_;
  int savedDc_;
  std::vector<INT> advances_;
};

}  // namespace glean
