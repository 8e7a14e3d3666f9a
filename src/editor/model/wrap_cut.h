// Cutting one logical line into screen rows by the Japanese line-breaking rules.
// A template over the column cursor: the wrap runs it with TWrapCursor, and the tests
// run it with TEditorAttributeArray, the plain column walk, to show both cut alike.
#pragma once

#include <algorithm>
#include <string_view>

#include "editor/model/column_classes.h"
#include "editor/model/row_attribute.h"
#include "editor/model/wrap_option.h"

namespace glean {

// The options of one wrap pass, with their kinsoku sets prepared once.
struct TWrapRules {
  TWrapRules(const TEditorWrapOption& o, int wrapByte)
      : option(o), wrapByte(wrapByte), lead(o.LeadStr()), follow(o.FollowStr()),
        punctuation(o.PunctuationStr()) {}
  const TEditorWrapOption& option;
  int wrapByte;
  TCharSet lead, follow, punctuation;
};

// Cuts one logical line (word wrap on). The cursor's Build(text) lays out a text's
// columns. Sink: Row(text, attribute) for each row, and LastToLineBreak() when the return
// mark hangs on the last row instead of an empty row.
template <class Cursor, class Sink>
void CutLine(std::string_view line, const TWrapRules& r, Cursor& a, Sink& sink) {
  const int w = r.wrapByte;
  const TEditorWrapOption& o = r.option;
  // Without a tab a line is as wide as it is long: a short one is one row as it is.
  if (static_cast<int>(line.size()) < w && line.find('\t') == std::string_view::npos) {
    sink.Row(line, TRowAttribute::LineBreak);
    return;
  }
  a.Build(line);
  if (a.ColumnCount() < w) {
    sink.Row(line, TRowAttribute::LineBreak);
    return;
  }
  std::string_view rest = line;
  a.MoveTo(w);
  const int kinsokuFloor = (w / 5) * 4;
  for (;;) {
    if (a.Current() == '0') {
      if (!rest.empty())
        sink.Row(rest, TRowAttribute::LineBreak);
      else if (!o.FollowRetMark())
        sink.Row(std::string_view{}, TRowAttribute::LineBreak);
      else
        sink.LastToLineBreak();
      return;
    }
    if (a.Current() == '4') {
      a.Prev();
    } else if (o.WordBreak() && a.ColumnCount() > w) {
      while (a.Current() != '2' && a.Current() != '3' && a.Current() != '5' &&
             a.Position() > w / 3)
        a.BackOneChar();
    }
    if (o.FollowPunctuation()) {
      while (a.Position() < w + 2 && r.punctuation.Contains(a.NextChar())) a.ForwardOneChar();
    }
    if (o.Leading() && a.ColumnCount() > a.Position()) {
      while (a.Position() > kinsokuFloor && r.lead.Contains(a.CurrentChar())) a.BackOneChar();
      if (a.ColumnCount() > a.Position() + 1) {
        std::string_view next = a.NextChar();
        std::string_view cur = a.CurrentChar();
        if (r.follow.Contains(next)) {
          while (a.Position() > kinsokuFloor &&
                 (r.lead.Contains(cur) || r.follow.Contains(next))) {
            a.BackOneChar();
            next = cur;
            cur = a.CurrentChar();
          }
        }
      }
    }
    // Never leave a lead byte at the row end.
    if (a.Current() == '4') a.Next();
    size_t cut = std::min(static_cast<size_t>(std::max(a.ByteIndex(), 1)), rest.size());
    sink.Row(rest.substr(0, cut), TRowAttribute::Wrapped);
    rest.remove_prefix(cut);
    a.Build(rest);
    a.MoveTo(w);
  }
}

}  // namespace glean
