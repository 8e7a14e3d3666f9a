// Cutting logical lines into screen rows, and rewrapping or unwrapping the whole list.
#include <algorithm>

#include "editor/model/line_split.h"
#include "editor/model/screen_strings.h"
#include "editor/model/update_block.h"

namespace glean {

namespace {

struct WrapRules {
  WrapRules(const TEditorWrapOption& o, TColumnMetrics m, const TDelimiters& d)
      : option(o), metrics(m), delimiters(d), lead(o.LeadStr()), follow(o.FollowStr()),
        punctuation(o.PunctuationStr()) {}
  const TEditorWrapOption& option;
  TColumnMetrics metrics;
  const TDelimiters& delimiters;
  TCharSet lead, follow, punctuation;
  TEditorAttributeArray cursor;  // reused from cut to cut
};

// Cuts one logical line (word wrap on). Sink: Row(text, attribute) for each row, and
// LastToLineBreak() when the return mark hangs on the last row instead of an empty row.
template <class Sink>
void CutLine(std::string_view line, WrapRules& r, Sink& sink) {
  const int w = r.metrics.WrapByte;
  const TEditorWrapOption& o = r.option;
  // Without a tab a line is as wide as it is long: a short one is one row as it is.
  if (static_cast<int>(line.size()) < w && line.find('\t') == std::string_view::npos) {
    sink.Row(line, TRowAttribute::LineBreak);
    return;
  }
  TEditorAttributeArray& a = r.cursor;
  a.Build(line, r.metrics, r.delimiters);
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
    a.Build(rest, r.metrics, r.delimiters);
    a.MoveTo(w);
  }
}

struct ListSink {
  TEditorStringList& rows;
  void Row(std::string_view text, TRowAttribute attribute) {
    int i = rows.Add(std::string(text));
    rows.SetRowAttribute(i, attribute);
  }
  void LastToLineBreak() {
    if (rows.Count() > 0) rows.SetRowAttribute(rows.Count() - 1, TRowAttribute::LineBreak);
  }
};

struct CountSink {
  int rows = 0;
  void Row(std::string_view, TRowAttribute) { ++rows; }
  void LastToLineBreak() {}
};

// Collects the rows of one line as items, for a rewrap.
struct ItemSink {
  std::vector<TheStringItem>& out;
  void Row(std::string_view text, TRowAttribute attribute) {
    TheStringItem item;
    item.Text.assign(text.data(), text.size());
    item.Word1 = uint32_t(attribute);
    out.push_back(std::move(item));
  }
  void LastToLineBreak() {
    out.back().Word1 = (out.back().Word1 & ~3u) | uint32_t(TRowAttribute::LineBreak);
  }
};

void SetAttr(TheStringItem& item, TRowAttribute attribute) {
  item.Word1 = (item.Word1 & ~3u) | uint32_t(attribute);
}
void OrMarks(TheStringItem& item, uint16_t marks) { item.Word2 |= uint32_t(marks) << 16; }

}  // namespace

void TEditorScreenStrings::WrapText(std::string_view text, TEditorStringList& rows) {
  rows.BeginUpdate();
  try {
    rows.Clear();
    if (text.empty()) {
      rows.Add(std::string());
    } else if (!wordWrap_) {
      ForEachLine(text, [&](std::string_view line) { rows.Add(std::string(line)); });
    } else {
      WrapRules rules{WrapOption(), Metrics(), Delims()};
      ListSink sink{rows};
      ForEachLine(text, [&](std::string_view line) { CutLine(line, rules, sink); });
    }
  } catch (...) {
    rows.EndUpdate();
    throw;
  }
  rows.EndUpdate();
}

int TEditorScreenStrings::WrapCount(std::string_view line) {
  if (!wordWrap_) return 1;
  WrapRules rules{WrapOption(), Metrics(), Delims()};
  CountSink sink;
  CutLine(line, rules, sink);
  return sink.rows;
}

void TEditorScreenStrings::LoadText(std::string_view text) {
  std::vector<TheStringItem> out;
  out.reserve(text.size() / 40 + 16);
  if (!wordWrap_) {
    ForEachLine(text, [&](std::string_view line) {
      out.emplace_back();
      out.back().Text.assign(line.data(), line.size());
    });
  } else {
    WrapRules rules{WrapOption(), Metrics(), Delims()};
    ItemSink sink{out};
    ForEachLine(text, [&](std::string_view line) { CutLine(line, rules, sink); });
  }
  if (!text.empty() && !EndsWithLineBreak(text)) SetAttr(out.back(), TRowAttribute::EndOfText);
  ReplaceAll(std::move(out));
}

void TEditorScreenStrings::Rewrap() {
  if (Count() == 0 || FirstLoading()) return;
  for (IAttachedEditor* e : Editors()) e->CleanSelection();
  InQuietUpdate(*this, [&] {
    const TRowAttribute lastAttribute = RowAttribute(Count() - 1);
    WrapRules rules{WrapOption(), Metrics(), Delims()};
    std::vector<TheStringItem> out;
    size_t bytes = 0;
    for (int r = 0; r < Count(); ++r) bytes += Ref(r).size();
    out.reserve(static_cast<size_t>(Count()) + bytes / size_t(rules.metrics.WrapByte));
    std::vector<uint16_t> marks;
    std::string line;
    for (int r = 0; r < Count();) {
      const int end = LineEndRow(r);
      marks.clear();
      if (end == r) {
        line = std::move(Item(r).Text);
        marks.push_back(RowMarks(r));
      } else {
        line.clear();
        for (int k = r; k <= end; ++k) {
          line += Ref(k);
          marks.push_back(RowMarks(k));
        }
      }
      const size_t firstNew = out.size();
      if (DisplayWidth(line, rules.metrics) < rules.metrics.WrapByte) {
        TheStringItem item;
        item.Text = std::move(line);
        for (uint16_t m : marks) OrMarks(item, m);
        out.push_back(std::move(item));
      } else {
        ItemSink sink{out};
        CutLine(line, rules, sink);
        const size_t made = out.size() - firstNew;
        for (size_t k = 0; k < marks.size(); ++k)
          OrMarks(out[firstNew + std::min(k, made - 1)], marks[k]);
      }
      r = end + 1;
    }
    SetAttr(out.back(), lastAttribute);
    ReplaceAll(std::move(out));
  });
}

void TEditorScreenStrings::Unwrap() {
  if (Count() == 0) return;
  for (IAttachedEditor* e : Editors()) e->CleanSelection();
  InQuietUpdate(*this, [&] {
    const TRowAttribute lastAttribute = RowAttribute(Count() - 1);
    std::vector<TheStringItem> out;
    for (int r = 0; r < Count();) {
      const int end = LineEndRow(r);
      TheStringItem item;
      for (int k = r; k <= end; ++k) {
        item.Text += Ref(k);
        OrMarks(item, RowMarks(k));
      }
      out.push_back(std::move(item));
      r = end + 1;
    }
    SetAttr(out.back(), lastAttribute == TRowAttribute::Wrapped ? TRowAttribute::EndOfText
                                                                 : lastAttribute);
    ReplaceAll(std::move(out));
  });
}

}  // namespace glean
