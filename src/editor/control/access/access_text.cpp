#include "editor/control/access/access_text.h"

#include <algorithm>
#include <cmath>

#include "base/sjis.h"

namespace glean::access {

namespace {
constexpr char16_t kReplacement = 0xFFFD;
}

std::optional<TPoint> PixelPoint(double x, double y) {
  if (std::isnan(x) || std::isnan(y)) return std::nullopt;
  // Far beyond any screen, yet far from int's limits when the window origin is taken off.
  constexpr double kFar = 1 << 24;
  return TPoint{int(std::clamp(x, -kFar, kFar)), int(std::clamp(y, -kFar, kFar))};
}

char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0x0391 && c <= 0x03A9) ||
      (c >= 0x0410 && c <= 0x042F))
    return char16_t(c + 0x20);
  if (c == 0x0401) return 0x0451;
  return c;
}

TAccessText::TAccessText(TEditorCore& editor, TWiden widen)
    : editor_(editor),
      widen_(std::move(widen)),
      map_([&editor]() -> const TEditorScreenStrings& { return editor.ListRows(); }) {}

std::u16string TAccessText::WidenRow(int row) {
  const TEditorScreenStrings& rows = editor_.ListRows();
  if (row < 0 || row >= rows.Count()) return {};
  const std::string& s = rows.Ref(row);
  std::u16string w = widen_(s);
  if (int(w.size()) == map_.RowUnits(row)) return w;
  // Bytes the conversion does not pair as we count (a lone lead byte, a bad trail):
  // one unit per character, so that every offset stays where the map puts it.
  w.clear();
  for (size_t p = 0; p < s.size(); p = sjis::NextCharPos(s, p)) {
    const std::u16string c = widen_(std::string_view(s).substr(p, sjis::CharLength(s, p)));
    w.push_back(c.size() == 1 ? c[0] : kReplacement);
  }
  return w;
}

std::u16string TAccessText::Text(TRange r, int maxLength) {
  const int length = Length();
  const int start = std::clamp(r.Start, 0, length);
  int end = std::clamp(r.End, start, length);
  // Compared as a count, never added to start: a client may ask for INT_MAX units.
  if (maxLength >= 0 && maxLength < end - start) end = start + maxLength;
  std::u16string out;
  for (int row = map_.RowOf(start), off = map_.RowStart(row); off < end && row < map_.RowCount(); ++row) {
    std::u16string w = WidenRow(row);
    if (map_.LineEndUnits(row)) w += u"\r\n";
    const int from = std::max(start - off, 0), to = std::min(end - off, int(w.size()));
    if (to > from) out.append(w, size_t(from), size_t(to - from));
    off += int(w.size());
  }
  return out;
}

std::vector<int> TAccessText::WordStops(int row) {
  const std::string& s = editor_.ListRows().Ref(row);
  const int base = map_.RowStart(row);
  std::vector<int> stops{base, base + TTextMap::UnitsOf(s, int(s.size()))};
  for (int byte : editor_.TokenStartBytes(row)) stops.push_back(base + TTextMap::UnitsOf(s, byte));
  std::sort(stops.begin(), stops.end());
  return stops;
}

int TAccessText::UnitRowStart(int row, TUnit unit) {
  if (unit == TUnit::Paragraph) return editor_.ListRows().LineStartRow(row);
  if (unit == TUnit::Page) {
    const int v = PageSize(), d = row - editor_.TopRow();
    return std::max(row - ((d % v) + v) % v, 0);
  }
  return row;
}

int TAccessText::NextUnitRow(int row, TUnit unit) {
  if (unit == TUnit::Paragraph) return editor_.ListRows().LineEndRow(row) + 1;
  if (unit == TUnit::Page) return UnitRowStart(row, unit) + PageSize();
  return row + 1;
}

int TAccessText::StartOf(int pos, TUnit unit) {
  const int length = Length();
  pos = std::clamp(pos, 0, length);
  if (pos == length) return length;
  switch (unit) {
    case TUnit::Character:
      return pos;
    case TUnit::Document:
      return 0;
    case TUnit::Format:
    case TUnit::Word: {
      int best = 0;
      for (int stop : WordStops(map_.RowOf(pos)))
        if (stop <= pos) best = stop;
      return best;
    }
    default:
      return map_.RowStart(UnitRowStart(map_.RowOf(pos), unit));
  }
}

int TAccessText::Next(int pos, TUnit unit) {
  const int length = Length();
  if (pos >= length) return -1;
  pos = std::max(pos, 0);
  switch (unit) {
    case TUnit::Character:
      return pos + 1;
    case TUnit::Document:
      return length;
    case TUnit::Format:
    case TUnit::Word: {
      const int row = map_.RowOf(pos);
      for (int stop : WordStops(row))
        if (stop > pos) return stop;
      return std::min(std::max(map_.RowStart(row + 1), pos + 1), length);
    }
    default: {
      const int row = map_.RowOf(pos);
      return std::min(map_.RowStart(std::min(NextUnitRow(row, unit), map_.RowCount())), length);
    }
  }
}

TRange TAccessText::Expand(TRange r, TUnit unit) {
  const int length = Length();
  int start = StartOf(r.Start, unit);
  if (start >= length) {
    start = Prev(length, unit);
    if (start < 0) return {length, length};
  }
  return {start, Next(start, unit)};
}

int TAccessText::Move(TRange& r, TUnit unit, int count) {
  const bool point = r.Start == r.End;
  int pos = point ? r.Start : StartOf(r.Start, unit);
  int moved = 0;
  for (; moved < count; ++moved) {
    const int next = Next(pos, unit);
    // A whole unit cannot start at the end of the text.
    if (next < 0 || (!point && next >= Length())) break;
    pos = next;
  }
  for (; moved > count; --moved) {
    const int prev = Prev(pos, unit);
    if (prev < 0) break;
    pos = prev;
  }
  r = point ? TRange{pos, pos} : TRange{pos, std::max(Next(pos, unit), pos)};
  return moved;
}

int TAccessText::MoveEndpoint(TRange& r, bool end, TUnit unit, int count) {
  int pos = end ? r.End : r.Start;
  int moved = 0;
  for (; moved < count; ++moved) {
    const int next = Next(pos, unit);
    if (next < 0) break;
    pos = next;
  }
  for (; moved > count; --moved) {
    const int prev = Prev(pos, unit);
    if (prev < 0) break;
    pos = prev;
  }
  if (end) {
    r.End = pos;
    r.Start = std::min(r.Start, pos);
  } else {
    r.Start = pos;
    r.End = std::max(r.End, pos);
  }
  return moved;
}

std::optional<TRange> TAccessText::Find(TRange within, std::u16string_view what, bool backward,
                                        bool ignoreCase) {
  if (what.empty()) return std::nullopt;
  std::u16string hay = Text(within);
  std::u16string needle(what);
  if (ignoreCase) {
    for (char16_t& c : hay) c = FoldCase(c);
    for (char16_t& c : needle) c = FoldCase(c);
  }
  const size_t at = backward ? hay.rfind(needle) : hay.find(needle);
  if (at == std::u16string::npos) return std::nullopt;
  const int start = std::clamp(within.Start, 0, Length()) + int(at);
  return TRange{start, start + int(needle.size())};
}

int TAccessText::OffsetAfter(int row, int byteEnd) {
  const TEditorScreenStrings& rows = editor_.ListRows();
  if (row >= 0 && row < rows.Count() && byteEnd > int(rows.Ref(row).size()))
    return map_.RowStart(row) + map_.RowUnits(row) + map_.LineEndUnits(row);
  return map_.ToOffset({row, byteEnd});
}

TRange TAccessText::Selection() {
  TEditorCore& e = editor_;
  if (!e.Selected()) {
    const int caret = map_.ToOffset({e.Row(), e.CaretByte()});
    return {caret, caret};
  }
  if (e.SelectionMode() == TEditorSelectionMode::smBox) {
    const TSelectionRange& box = e.SelectionRange();
    return {map_.ToOffset({e.SelStartRow(), e.ColToByte(e.SelStartRow(), box.StartCol)}),
            OffsetAfter(e.SelEndRow(), e.ColToByte(e.SelEndRow(), box.EndCol))};
  }
  return {map_.ToOffset({e.SelStartRow(), e.SelStartByte()}), OffsetAfter(e.SelEndRow(), e.SelEndByte() + 1)};
}

void TAccessText::Select(TRange r) {
  TEditorCore& e = editor_;
  const int count = map_.RowCount();
  auto place = [&](int offset) {
    // The end of a text that ends with a line break is the row after the last.
    TTextPos p = map_.ToPos(offset);
    if (offset >= Length() && count > 0 && map_.LineEndUnits(count - 1)) p = {count, 0};
    e.SetRowCol(p.Row, e.ByteToCol(p.Row, p.Byte));
  };
  e.CleanSelection();
  e.SetSelectionMode(TEditorSelectionMode::smNormal);
  place(r.Start);
  if (r.End > r.Start) {
    e.StartSelection();
    place(r.End);
    e.ExtendSelection();
  }
  e.UpdateCaret();
}

TRange TAccessText::Visible() {
  const int top = std::min(editor_.TopRow(), map_.RowCount());
  return {map_.RowStart(top), map_.RowStart(std::min(top + PageSize(), map_.RowCount()))};
}

TRange TAccessText::AtPoint(int x, int y) {
  const int count = map_.RowCount();
  // No metrics yet (a pane without its window): nothing to measure a point against.
  if (count == 0 || editor_.CharWidth() <= 0 || editor_.RowHeight() <= 0) return {};
  int row, col;
  editor_.PosToRowCol({x, y}, true, row, col);
  row = std::clamp(row, 0, count - 1);
  const int offset = map_.ToOffset({row, editor_.ColToByte(row, col)});
  return {offset, offset};
}

std::vector<TRowBox> TAccessText::Boxes(TRange r) {
  std::vector<TRowBox> boxes;
  TEditorCore& e = editor_;
  const int count = map_.RowCount();
  if (count == 0) return boxes;
  const int first = std::max(map_.RowOf(r.Start), e.TopRow());
  const int last = std::min({map_.RowOf(r.End), e.TopRow() + PageSize() - 1, count - 1});
  for (int row = first; row <= last; ++row) {
    const int base = map_.RowStart(row);
    const std::string& s = e.ListRows().Ref(row);
    const int from = TTextMap::ByteOfUnit(s, std::max(r.Start - base, 0));
    const int to = TTextMap::ByteOfUnit(s, std::max(r.End - base, 0));
    const int c0 = e.ByteToCol(row, from), c1 = e.ByteToCol(row, to);
    if (c1 <= c0) continue;
    boxes.push_back({e.LeftOffset() + (c0 - e.TopCol()) * e.CharWidth(),
                     e.TopOffset() + (row - e.TopRow()) * e.RowHeight(), (c1 - c0) * e.CharWidth(),
                     e.RowHeight()});
  }
  return boxes;
}

void TAccessText::ScrollIntoView(TRange r, bool alignToTop) {
  const int row = map_.RowOf(alignToTop ? r.Start : r.End);
  const int top = editor_.TopRow(), rows = PageSize();
  if (alignToTop)
    editor_.SetTopRow(row);
  else if (row < top || row >= top + rows)
    editor_.SetTopRow(std::max(row - rows + 1, 0));
}

}  // namespace glean::access
