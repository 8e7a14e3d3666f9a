// Marks over the captured text while a row is painted: a red chevron for each tab and
// an open red square for each full-width space, found by the pane's own colouring
// parser, and the selection highlight taken away beyond a selected row's text.
#pragma once

#include <string>
#include <vector>

#include "editor/control/core/editor_core.h"

namespace glean {

// What the marks are drawn with: lines with a pen width, and plain fills.
class IMarkCanvas {
 public:
  virtual ~IMarkCanvas() = default;
  // Lines through the points with a solid pen, the last point excluded.
  virtual void Polyline(const std::vector<TPoint>& points, TColor color, int penWidth) = 0;
  virtual void FillRect(const TRect& r, TColor color) = 0;
};

// The arguments of the pane's row-painting event.
struct TDrawnLine {
  std::string LineStr;  // the row as drawn
  int X = 0, Y = 0;     // pixel x of column 0, the row's top
  int Index = 0;        // screen row
  TRect ARect;          // the rectangle being painted
  int Selected = 0;     // 0 plain, 2 selection, other values a search hit
};

inline constexpr TColor kMarkRed = 0x0000FF;

// `paneWidth`: the pane's width in pixels.
void DrawRowMarks(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int paneWidth);

void DrawTabMark(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int x);
void DrawWideSpaceMark(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int x);

}  // namespace glean
