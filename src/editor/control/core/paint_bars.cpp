// Painting left of and above the text: the image bar, the line-number bar, the ruler
// with its gauge, numbers and caret mark, and the corner where they meet.
#include <array>
#include <cstdint>

#include "editor/control/core/editor_core.h"

namespace glean {

namespace {
TColor Or(TColor c, TColor fallback) { return c == clNone ? fallback : c; }

// The ruler's digits, 5 x 9 pixels, one row of five bits (bit 4 leftmost) per line;
// "1" is three pixels wide.
struct TRulerGlyph {
  int Width;
  std::array<uint8_t, 9> Rows;
};
constexpr std::array<TRulerGlyph, 10> kRulerDigits{{
    {5, {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {3, {0x08, 0x18, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x1C}},
    {5, {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10, 0x1F}},
    {5, {0x0E, 0x11, 0x01, 0x01, 0x06, 0x01, 0x01, 0x11, 0x0E}},
    {5, {0x02, 0x06, 0x0A, 0x12, 0x12, 0x1F, 0x02, 0x02, 0x02}},
    {5, {0x1F, 0x10, 0x10, 0x1E, 0x01, 0x01, 0x01, 0x11, 0x0E}},
    {5, {0x0E, 0x10, 0x10, 0x1E, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {5, {0x1F, 0x01, 0x02, 0x02, 0x04, 0x04, 0x08, 0x08, 0x08}},
    {5, {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {5, {0x0E, 0x11, 0x11, 0x11, 0x0F, 0x01, 0x01, 0x01, 0x0E}},
}};

// Draws `n` in the ruler font with its top-left corner at (x, 0); returns the width.
int DrawRulerNumber(ICanvas& c, int x, int n, TColor color, const TRect& clip) {
  const std::string digits = std::to_string(n);
  int left = x;
  for (char ch : digits) {
    const TRulerGlyph& g = kRulerDigits[size_t(ch - '0')];
    for (int line = 0; line < 9; ++line) {
      for (int bit = 0; bit < 5; ++bit) {
        if (!(g.Rows[size_t(line)] & (0x10 >> bit))) continue;
        // Pixels of the 3-wide "1" sit in the glyph's left columns.
        const TRect px = TRect{left + bit, line, left + bit + 1, line + 1}.Intersect(clip);
        if (!px.Empty()) c.FillRect(px, color);
      }
    }
    left += g.Width + 1;
  }
  return left - x;
}
}  // namespace

void TEditorCore::PaintCorner(ICanvas& c, const TRect& clip) {
  c.FillRect(TRect{0, 0, leftOffset_, topOffset_}.Intersect(clip), color_);
  const int bars = imagebar_->Width() + leftbarWidth_;
  if (leftbar_->Visible() && leftbar_->Edge() && bars > 0) {
    c.FillRect(TRect{0, 0, bars, topOffset_}.Intersect(clip), Or(leftbar_->BkColor(), color_));
    c.FillRect(TRect{bars - 2, 0, bars - 1, topOffset_}.Intersect(clip), clWhite);
    c.FillRect(TRect{bars - 1, 0, bars, topOffset_}.Intersect(clip), clGray);
  }
  if (ruler_->Visible() && ruler_->Edge()) {
    c.FillRect(TRect{bars, 0, leftOffset_, rulerHeight_}.Intersect(clip), Or(ruler_->BkColor(), color_));
    c.FillRect(TRect{bars, rulerHeight_ - 2, leftOffset_, rulerHeight_ - 1}.Intersect(clip), clWhite);
    c.FillRect(TRect{bars, rulerHeight_ - 1, leftOffset_, rulerHeight_}.Intersect(clip), clGray);
  }
}

void TEditorCore::PaintRuler(ICanvas& c, const TRect& clip) {
  const TRect client = host_.ClientRect();
  // The blank margin between the ruler and the first row.
  c.FillRect(TRect{leftOffset_, rulerHeight_, client.Right, topOffset_}.Intersect(clip), color_);
  if (!ruler_->Visible()) return;
  const TRect area = TRect{leftOffset_, 0, client.Right, rulerHeight_}.Intersect(clip);
  if (area.Empty()) return;
  const TColor bk = Or(ruler_->BkColor(), color_);
  const TColor fg = Or(ruler_->Color(), Or(font_.Color, clBlack));
  const int range = ruler_->GaugeRange();
  const int gaugeBottom = ruler_->Edge() ? rulerHeight_ - 2 : rulerHeight_ - 1;
  c.FillRect(area, bk);
  auto drawColumn = [&](int col, TColor tick, TColor back, TColor digits, const TRect& limit) {
    const int x = leftOffset_ + (col - topCol_) * charWidth_;
    if (back != bk) c.FillRect(TRect{x, 0, x + charWidth_, gaugeBottom}.Intersect(limit), back);
    const int top = col % range == 0 ? 0 : col % (range / 2) == 0 ? 3 : 6;
    if (x >= limit.Left && x < limit.Right) c.Polyline({{x, top}, {x, gaugeBottom}}, tick);
    if (col % range == 0) DrawRulerNumber(c, x + 1, col, digits, limit);
  };
  const int firstCol = topCol_ + std::max(0, (area.Left - leftOffset_) / charWidth_ - 4);
  const int lastCol = topCol_ + (area.Right - leftOffset_) / charWidth_ + 1;
  for (int col = firstCol; col <= lastCol; ++col) {
    if (col % range == 0 && col > kMaxColumns) break;  // labels stop after the first of 1000 or more
    drawColumn(col, fg, bk, fg, area);
  }
  // The caret column in reversed colours.
  const int cx = leftOffset_ + (col_ - topCol_) * charWidth_;
  const TRect cell = TRect{cx, 0, cx + charWidth_, gaugeBottom}.Intersect(area);
  if (!cell.Empty()) {
    const TColor mark = Or(ruler_->MarkColor(), fg);
    c.FillRect(cell, mark);
    const int lead = col_ - col_ % range;  // a number may run into the marked cell
    DrawRulerNumber(c, leftOffset_ + (lead - topCol_) * charWidth_ + 1, lead, bk, cell);
  }
  if (ruler_->Edge()) {
    c.FillRect(TRect{area.Left, rulerHeight_ - 2, area.Right, rulerHeight_ - 1}, clWhite);
    c.FillRect(TRect{area.Left, rulerHeight_ - 1, area.Right, rulerHeight_}, clGray);
  } else {
    c.FillRect(TRect{area.Left, rulerHeight_ - 1, area.Right, rulerHeight_}, fg);
  }
}

std::string TEditorCore::LeftbarNumber(int row) const {
  const int count = list_->Count();
  const bool emptyRowAfter = count == 0 || list_->RowAttribute(count - 1) == TRowAttribute::LineBreak;
  if (row > count || (row == count && !emptyRowAfter)) return {};
  const int base = leftbar_->ZeroBase() ? 0 : 1;
  int number = row + base;
  if (leftbar_->ShowNumberMode() == TEditorShowNumberMode::nmLine) {
    if (row > 0 && row < count + 1 && list_->RowAttribute(row - 1) == TRowAttribute::Wrapped) return {};
    int breaks = 0;
    for (int r = 0; r < row && r < count; ++r)
      if (list_->RowAttribute(r) == TRowAttribute::LineBreak) ++breaks;
    number = breaks + base;
  }
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < leftbarDigits_)
    digits.insert(0, size_t(leftbarDigits_) - digits.size(), leftbar_->ZeroLead() ? '0' : ' ');
  return digits;
}

void TEditorCore::PaintBars(ICanvas& c, int row, const TRect& rect) {
  const int ibw = imagebar_->Width();
  const TColor barBk = leftbar_->Visible() ? Or(leftbar_->BkColor(), color_) : color_;
  if (ibw > 0) {
    const TRect cell{0, rect.Top, ibw, rect.Bottom};
    c.FillRect(cell, barBk);
    const uint16_t marks = row < list_->Count() ? list_->RowMarks(row) : 0;
    for (int bit = 0; bit < 10; ++bit) {
      if (marks & (1u << bit)) {
        c.DrawImage(TImageList::Digits, bit, imagebar_->LeftMargin(), rect.Top + 2);
        break;
      }
    }
    for (int bit = 10; bit < 16; ++bit) {
      if (marks & (1u << bit)) {
        c.DrawImage(TImageList::Marks, bit - 10, imagebar_->LeftMargin() + imagebar_->DigitWidth(),
                    rect.Top + 2);
        break;
      }
    }
  }
  if (leftbarWidth_ > 0) {
    const int right = ibw + leftbarWidth_;
    const TRect cell{ibw, rect.Top, right - 2, rect.Bottom};
    const std::string number = leftbar_->ShowNumber() ? LeftbarNumber(row) : std::string();
    if (number.empty())
      c.FillRect(cell, barBk);
    else
      c.TextOut(ibw + leftbar_->LeftMargin(), rect.Top, cell, number,
                Or(leftbar_->Color(), Or(font_.Color, clBlack)), barBk, 0, true);
    const bool edge = leftbar_->Edge();
    c.FillRect({right - 2, rect.Top, right - 1, rect.Bottom}, edge ? clWhite : barBk);
    c.FillRect({right - 1, rect.Top, right, rect.Bottom},
               edge ? clGray : Or(leftbar_->Color(), Or(font_.Color, clBlack)));
  }
  if (leftOffset_ > ibw + leftbarWidth_) c.FillRect({ibw + leftbarWidth_, rect.Top, leftOffset_, rect.Bottom}, color_);
}

}  // namespace glean
