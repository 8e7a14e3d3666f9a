#include "main/core/row_marks.h"

#include <algorithm>

#include "editor/model/fountain_parser.h"

namespace glean {

namespace {
constexpr char kWideSpace[] = "　";

// A colour option's text colour; "none" there means the pane's font colour.
TColor TextColorOf(TEditorCore& pane, const TFountainColor& color) {
  return color.Color() == clNone ? pane.Font().Color : color.Color();
}
}  // namespace

void DrawTabMark(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int x) {
  if (x < line.ARect.Left) return;
  const TColor color = line.Selected == 0 ? kMarkRed : TextColorOf(pane, pane.View().Colors().Select());
  const int x0 = x + 2;
  const int y0 = line.Y + (pane.RowHeight() - pane.Margin().Line()) / 2;
  const bool wide = pane.CharWidth() > 13;
  const int penWidth = wide ? 2 : 1, half = wide ? 5 : 1, length = wide ? 5 : 3;
  canvas.Polyline({{x0, y0 - half}, {x0 + length, y0}}, color, penWidth);
  canvas.Polyline({{x0, y0 + half}, {x0 + length, y0}}, color, penWidth);
}

void DrawWideSpaceMark(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int x) {
  TEditorColors& colors = pane.View().Colors();
  const TColor color = line.Selected == 0   ? kMarkRed
                       : line.Selected == 2 ? TextColorOf(pane, colors.Select())
                                            : TextColorOf(pane, colors.Hit());
  const int s = pane.CharWidth() - pane.Margin().Character();
  const int left = line.ARect.Left;
  const int x0 = x + 2, y0 = line.Y + 2;
  const int x1 = x0 + 2 * s - 4, y1 = y0 + 2 * s - 4;
  if (x1 < left) return;
  // A square cut by the painted rectangle's left edge loses its left side.
  std::vector<TPoint> points{{std::max(left, x0), y1}, {x1, y1}, {x1, y0}, {std::max(left - 1, x0), y0}};
  if (x0 >= left) points.push_back({x0, y1});
  canvas.Polyline(points, color, 1);
}

void DrawRowMarks(TEditorCore& pane, IMarkCanvas& canvas, const TDrawnLine& line, int paneWidth) {
  const int E = pane.CharWidth();
  if (E <= 0) return;
  TEditorScreenStrings& rows = pane.ListRows();
  if (line.Index >= 0 && line.Index < rows.Count()) {
    const std::string& raw = rows.Ref(line.Index);
    if (raw.find('\t') != std::string::npos || raw.find(kWideSpace) != std::string::npos) {
      const int T = pane.Caret().TabSpaceCount();
      std::unique_ptr<TFountainParser> parser = pane.ActiveFountain()->CreateParser();
      parser->Init(raw, rows.RowState(line.Index));
      int S = 0;  // pixels added by the tabs expanded so far
      while (parser->NextToken() != TokenKind::End) {
        const int P = parser->TokenPos();
        const int x = pane.LeftOffset() - pane.HorzOffset() + P * E + S;
        if (parser->Token() == TokenKind::Tab) {
          if (line.ARect.Left <= x && x <= line.ARect.Right - E) DrawTabMark(pane, canvas, line, x);
          if (T > 0) {
            const int C = P + S / E;
            S += E * (T - C % T - 1);
          }
        } else if (parser->Token() == TokenKind::DbSymbol && parser->TokenString() == kWideSpace) {
          if (line.ARect.Left <= x && x <= line.ARect.Right - 2 * E) DrawWideSpaceMark(pane, canvas, line, x);
        }
      }
    }
  }
  if (line.Selected != 0) {
    const int length = static_cast<int>(line.LineStr.size());
    const int spaces = paneWidth / E - length;
    if (spaces > 0) {
      const int x = line.X + (length + 1) * E;
      const TRect run = TRect{x, line.Y, x + spaces * E, line.Y + pane.FontHeight()}.Intersect(line.ARect);
      if (!run.Empty()) canvas.FillRect(run, pane.Color());
    }
  }
}

}  // namespace glean
