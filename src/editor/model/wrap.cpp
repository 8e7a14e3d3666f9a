// Cutting logical lines into screen rows, and rewrapping or unwrapping the whole list.
#include <algorithm>

#include "editor/model/line_split.h"
#include "editor/model/screen_strings.h"
#include "editor/model/update_block.h"
#include "editor/model/wrap_cursor.h"
#include "editor/model/wrap_cut.h"

namespace glean {

namespace {

// One wrap pass: the rules and the cursor, made once for every line it cuts.
struct WrapPass {
  WrapPass(const TEditorWrapOption& o, const TColumnMetrics& m, const TDelimiters& d)
      : rules(o, m.WrapByte), cursor(m, d), metrics(m) {}
  template <class Sink>
  void Cut(std::string_view line, Sink& sink) {
    CutLine(line, rules, cursor, sink);
  }
  // Whether the line is narrower than the wrap column, as DisplayWidth tells, without
  // walking the whole line: the cursor's columns reach past the column when it is not.
  bool Fits(std::string_view line) {
    const int w = metrics.WrapByte;
    if (static_cast<int>(line.size()) < w && line.find('\t') == std::string_view::npos) return true;
    cursor.Build(line);
    return cursor.ColumnCount() < w;
  }
  TWrapRules rules;
  TWrapCursor cursor;
  TColumnMetrics metrics;
};

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
    TheStringItem& item = out.emplace_back();
    item.Text.assign(text.data(), text.size());
    item.Word1 = uint32_t(attribute);
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
      WrapPass pass{WrapOption(), Metrics(), Delims()};
      ListSink sink{rows};
      ForEachLine(text, [&](std::string_view line) { pass.Cut(line, sink); });
    }
  } catch (...) {
    rows.EndUpdate();
    throw;
  }
  rows.EndUpdate();
}

int TEditorScreenStrings::WrapCount(std::string_view line) {
  if (!wordWrap_) return 1;
  WrapPass pass{WrapOption(), Metrics(), Delims()};
  CountSink sink;
  pass.Cut(line, sink);
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
    WrapPass pass{WrapOption(), Metrics(), Delims()};
    ItemSink sink{out};
    ForEachLine(text, [&](std::string_view line) { pass.Cut(line, sink); });
  }
  if (!text.empty() && !EndsWithLineBreak(text)) SetAttr(out.back(), TRowAttribute::EndOfText);
  ReplaceAll(std::move(out));
}

void TEditorScreenStrings::Rewrap() {
  if (Count() == 0 || FirstLoading()) return;
  for (IAttachedEditor* e : Editors()) e->CleanSelection();
  InQuietUpdate(*this, [&] {
    const TRowAttribute lastAttribute = RowAttribute(Count() - 1);
    WrapPass pass{WrapOption(), Metrics(), Delims()};
    std::vector<TheStringItem> out;
    size_t bytes = 0;
    for (int r = 0; r < Count(); ++r) bytes += Ref(r).size();
    out.reserve(static_cast<size_t>(Count()) + bytes / size_t(pass.metrics.WrapByte));
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
      if (pass.Fits(line)) {
        TheStringItem item;
        item.Text = std::move(line);
        for (uint16_t m : marks) OrMarks(item, m);
        out.push_back(std::move(item));
      } else {
        ItemSink sink{out};
        pass.Cut(line, sink);
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
