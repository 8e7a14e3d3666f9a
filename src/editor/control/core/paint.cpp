// Painting the text area: every row once in the default colours, then only the tokens
// whose colours differ; selected pieces in the selection's colours; the end marks; the
// caret-row underline. OnDrawLine is raised for every row or piece drawn.
#include <memory>

#include "editor/control/core/editor_core.h"
#include "editor/control/core/row_text.h"
#include "editor/model/fountain_parser.h"

namespace glean {

namespace {
TColor Or(TColor c, TColor fallback) { return c == clNone ? fallback : c; }
}  // namespace

struct TEditorCore::TPaintContext {
  ICanvas& Canvas;
  TRect Clip;
  std::unique_ptr<TFountainParser> Parser;
  TColor FontColor;
  TColor SelColor;    // text colour of a selected piece
  TColor SelBkColor;  // its background
  int SelState;       // 2 selection, 3 hit
  bool Painted;       // the selection or hit is drawn as such
};

void TEditorCore::Paint(ICanvas& canvas, const TRect& area) {
  const TRect client = host_.ClientRect();
  const TRect clip = area.Intersect(client);
  if (clip.Empty()) return;
  paintCanvas_ = &canvas;
  canvas.SetAdvance(charWidth_);
  if (clip.Intersects({0, 0, leftOffset_, topOffset_})) PaintCorner(canvas, clip);
  if (clip.Intersects({leftOffset_, 0, client.Right, topOffset_})) PaintRuler(canvas, clip);

  if (clip.Bottom > topOffset_) {
    const int top = std::max(clip.Top, topOffset_);
    const int first = topRow_ + (top - topOffset_) / rowHeight_;
    const int last = topRow_ + (clip.Bottom - topOffset_ + rowHeight_ - 1) / rowHeight_ - 1;
    if (clip.Left < leftOffset_) {
      for (int row = first; row <= last; ++row) {
        TRect r = RowRect(row);
        r.Right = leftOffset_;
        PaintBars(canvas, row, r);
      }
    }
    if (clip.Right > leftOffset_) {
      TEditorColors& colors = view_->Colors();
      const bool hit = selState_ == TEditorSelectionState::Hit;
      const TFountainColor& sel = hit ? colors.Hit() : colors.Select();
      TPaintContext pc{canvas,
                       clip,
                       ActiveFountain()->CreateParser(),
                       Or(font_.Color, clBlack),
                       Or(sel.Color(), color_),
                       Or(sel.BkColor(), Or(font_.Color, clBlack)),
                       hit ? 3 : 2,
                       selState_ == TEditorSelectionState::Selected ||
                           (hit && hitStyle_ == TEditorHitStyle::hsDraw)};
      // Align the left edge to the character grid, so that no cell is drawn in part.
      const int left = clip.Left <= leftOffset_
                           ? leftOffset_
                           : leftOffset_ + (clip.Left - leftOffset_) / charWidth_ * charWidth_;
      for (int row = first; row <= last; ++row) {
        TRect r = RowRect(row);
        r.Left = left;
        r.Right = clip.Right;
        PaintRow(pc, row, r);
      }
    }
  }
  PaintUnderline(canvas, clip);
  paintCanvas_ = nullptr;
}

void TEditorCore::PaintRow(TPaintContext& pc, int row, const TRect& rect) {
  const int count = list_->Count();
  if (row >= count) {
    pc.Canvas.FillRect(rect, color_);
    const bool afterBreak = count == 0 || list_->RowAttribute(count - 1) == TRowAttribute::LineBreak;
    if (marks_->EofMark().Visible() && row == count && afterBreak) {
      const int x = leftOffset_ - HorzOffset();
      TRect cell{x, rect.Top, x + 6 * charWidth_, rect.Top + fontHeight_};
      cell = cell.Intersect(rect);
      if (!cell.Empty())
        pc.Canvas.TextOut(x, rect.Top, cell, "[EOF]", Or(marks_->EofMark().Color(), pc.FontColor),
                          color_, font_.Style, true);
    }
    return;
  }
  if (list_->BracketIndex(row) == -2) list_->ReparseFrom(row, false);
  int from = 0, to = 0;
  if (pc.Painted && PieceSpan(screenRange_, row, from, to)) {
    const int x0 = leftOffset_ - HorzOffset();
    const int xFrom = std::clamp(x0 + from * charWidth_, rect.Left, rect.Right);
    const int xTo = std::clamp(to >= (1 << 20) ? rect.Right : x0 + to * charWidth_, xFrom, rect.Right);
    if (xFrom > rect.Left) PaintPiece(pc, row, {rect.Left, rect.Top, xFrom, rect.Bottom}, false);
    if (xTo > xFrom) PaintPiece(pc, row, {xFrom, rect.Top, xTo, rect.Bottom}, true);
    if (rect.Right > xTo) PaintPiece(pc, row, {xTo, rect.Top, rect.Right, rect.Bottom}, false);
    return;
  }
  PaintPiece(pc, row, rect, false);
}

void TEditorCore::PaintPiece(TPaintContext& pc, int row, const TRect& rect, bool selected) {
  ICanvas& canvas = pc.Canvas;
  const std::string& raw = list_->Ref(row);
  const TDrawnRow drawn = ExpandRow(raw, list_->Metrics(), kMaxColumns);
  const int x0 = leftOffset_ - HorzOffset();
  const int y = rect.Top;
  const TColor fg = selected ? pc.SelColor : pc.FontColor;
  const TColor bg = selected ? pc.SelBkColor : color_;

  // A selected piece is one font cell high (and the underline gap); the line margin
  // below it keeps the editor colour.
  TRect textRect = rect;
  if (selected) {
    textRect.Bottom = std::min(rect.Bottom, y + fontHeight_ + margin_->UnderlineGap());
    if (textRect.Bottom < rect.Bottom) canvas.FillRect({rect.Left, textRect.Bottom, rect.Right, rect.Bottom}, color_);
  }
  if (!fullRepaint_)
    canvas.TextOut(x0, y, textRect, drawn.Text, fg, bg, font_.Style & ~fsUnderline, true);
  else
    canvas.FillRect(textRect, bg);

  const int textLen = static_cast<int>(raw.size());
  // Measured in columns, not bytes: tabs can carry a short text far to the right.
  if ((static_cast<int>(drawn.Text.size()) + 5) * charWidth_ >= HorzOffset()) {
    const int limitX = x0 + static_cast<int>(drawn.Text.size()) * charWidth_;
    const TRect visible{textRect.Left, textRect.Top, std::min(textRect.Right, limitX), textRect.Bottom};
    TFountainParser& parser = *pc.Parser;
    parser.Init(raw, list_->RowState(row));
    while (parser.NextToken() != TokenKind::End) {
      const int pos = parser.TokenPos();
      if (pos >= textLen) break;
      const int endPos = std::min(pos + parser.TokenLength(), textLen);
      const int c0 = std::min(drawn.Column[size_t(pos)], int(drawn.Text.size()));
      const int c1 = std::min(drawn.Column[size_t(endPos)], int(drawn.Text.size()));
      const int xs = x0 + c0 * charWidth_;
      if (xs >= visible.Right) break;
      const int xe = x0 + c1 * charWidth_;
      if (xe <= visible.Left || c1 <= c0) continue;
      const TFountainColor* color = parser.TokenColor();
      TFontStyles style = color ? color->Style() : TFontStyles(0);
      TColor tfg = fg, tbg = bg;
      if (!selected && color) {
        tfg = Or(color->Color(), pc.FontColor);
        tbg = Or(color->BkColor(), color_);
      }
      if (!fullRepaint_ && tfg == fg && tbg == bg && style == 0) continue;  // already drawn
      const TRect cell = TRect{xs, textRect.Top, xe, textRect.Bottom}.Intersect(visible);
      canvas.TextOut(xs, y, cell, std::string_view(drawn.Text).substr(size_t(c0), size_t(c1 - c0)),
                     tfg, tbg, (style | font_.Style) & ~fsUnderline, !fullRepaint_ || tbg != color_);
      if ((style | font_.Style) & fsUnderline)
        canvas.DottedLine(cell.Left, cell.Right, y + fontHeight_ - 1, tfg, tbg);
    }
  }

  if (OnDrawLine) {
    std::string lineStr = drawn.Text;
    if (list_->WordWrap() && list_->RowAttribute(row) == TRowAttribute::Wrapped && row + 1 < list_->Count())
      lineStr += ExpandRow(list_->Ref(row + 1), list_->Metrics(), kMaxColumns).Text;
    OnDrawLine(this, lineStr, x0, y, row, rect, selected ? pc.SelState : 0);
  }
  PaintEndMark(pc, row, drawn, rect, selected);
}

void TEditorCore::PaintEndMark(TPaintContext& pc, int row, const TDrawnRow& drawn, const TRect& rect,
                               bool selected) {
  const int col = std::min<int>(static_cast<int>(drawn.Text.size()), kMaxColumns);
  const int x = leftOffset_ - HorzOffset() + col * charWidth_;
  if (x >= rect.Right || x < rect.Left) return;
  const int w = charWidth_, h = fontHeight_, y = rect.Top;
  auto markColor = [&](const TEditorMark& m) {
    return selected ? pc.SelColor : Or(m.Color(), pc.FontColor);
  };
  ICanvas& canvas = pc.Canvas;
  const TRowAttribute attr = list_->RowAttribute(row);
  if (drawn.Cut) {
    if (marks_->HideMark().Visible()) {
      const int e = std::max(2, w * 3 / 5), m = y + h / 2;
      canvas.Polyline({{x + w - e, m - e}, {x + w, m}, {x + w - e - 1, m + e + 1}},
                      markColor(marks_->HideMark()));
    }
    return;
  }
  if (attr == TRowAttribute::EndOfText && marks_->EofMark().Visible()) {
    const TRect cell = TRect{x, y, x + 6 * w, y + h}.Intersect(rect);
    canvas.TextOut(x, y, cell, "[EOF]", Or(marks_->EofMark().Color(), pc.FontColor), color_,
                   font_.Style & ~fsUnderline, true);
  } else if (attr == TRowAttribute::LineBreak && marks_->RetMark().Visible()) {
    const int d = std::max(1, h / 8), f = std::max(d, 3);
    const int cx = x + w / 2, bottom = y + h - 2 * d;
    const TColor c = markColor(marks_->RetMark());
    canvas.Polyline({{cx, y + 2 * d}, {cx, bottom + 1}}, c);
    canvas.Polyline({{cx - f, bottom - f}, {cx, bottom}, {cx + f + 1, bottom - f - 1}}, c);
  } else if (attr == TRowAttribute::Wrapped && marks_->WrapMark().Visible()) {
    const int e = std::max(2, w * 3 / 5), m = y + h / 2;
    canvas.Polyline({{x + w, m - e}, {x + w - e, m}, {x + w + 1, m + e + 1}},
                    markColor(marks_->WrapMark()));
  }
}

void TEditorCore::PaintUnderline(ICanvas& canvas, const TRect& clip) {
  if (!marks_->Underline().Visible() || Selected()) return;
  if (row_ < topRow_ || row_ >= topRow_ + visibleRows_ + 1) return;
  const TRect line = UnderlineRect(row_);
  if (line.Top < topOffset_ || line.Top >= host_.ClientRect().Bottom) return;
  if (!line.Intersects(clip)) return;
  const TRect part = line.Intersect(clip);
  canvas.Polyline({{part.Left, line.Top}, {part.Right, line.Top}},
                  Or(marks_->Underline().Color(), Or(font_.Color, clBlack)));
}

}  // namespace glean
