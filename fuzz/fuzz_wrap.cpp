// WrapText over arbitrary text under every rule combination: the rows of each logical
// line join back to it, no row ends inside a double-byte character, WrapCount agrees,
// no row is wider than the rules let it be, and the wrap's own cursor cuts every line
// as the plain column walk does.
#include "fuzz_editor.h"
#include "editor/model/line_split.h"
#include "editor/model/wrap_cursor.h"
#include "editor/model/wrap_cut.h"

using namespace glean;
using namespace glean::fuzz;

namespace {
struct WalkCursor : TEditorAttributeArray {
  TColumnMetrics m;
  void Build(std::string_view text) { TEditorAttributeArray::Build(text, m, DefaultDelimiters()); }
};
struct RowSink {
  std::vector<std::pair<std::string, TRowAttribute>> rows;
  void Row(std::string_view text, TRowAttribute a) { rows.emplace_back(std::string(text), a); }
  void LastToLineBreak() { rows.back().second = TRowAttribute::LineBreak; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  FuzzEditor e;
  e.Configure(in);
  TEditorScreenStrings& l = e.List();
  std::string text = in.Rest();
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  TEditorStringList rows;
  l.WrapText(text, rows);
  TColumnMetrics m = l.Metrics();
  int r = 0;
  for (const std::string& line : lines) {
    std::string joined;
    int first = r;
    while (true) {
      FUZZ_CHECK(r < rows.Count(), "a row for every part of a line");
      if (!joined.empty()) FUZZ_CHECK(!sjis::IsTrailPosition(line, joined.size()), "cut on a character boundary");
      const std::string& row = rows.Ref(r);
      if (rows.RowAttribute(r) == TRowAttribute::Wrapped) {
        FUZZ_CHECK(!row.empty(), "a wrapped row holds text");
        FUZZ_CHECK(DisplayWidth(row, m) <= m.WrapByte + 4, "row width within the hanging limit");
      }
      joined += row;
      if (rows.RowAttribute(r++) != TRowAttribute::Wrapped) break;
    }
    FUZZ_CHECK(joined == line, "rows join back to the line");
    if (l.WordWrap()) FUZZ_CHECK(l.WrapCount(line) == r - first, "WrapCount agrees with WrapText");
    if (l.WordWrap()) {
      const TWrapRules rules(l.WrapOption(), m.WrapByte);
      TWrapCursor fast(m, DefaultDelimiters());
      WalkCursor walk;
      walk.m = m;
      RowSink got, want;
      CutLine(line, rules, fast, got);
      CutLine(line, rules, walk, want);
      FUZZ_CHECK(got.rows == want.rows, "the wrap's cursor cuts as the column walk does");
    }
  }
  FUZZ_CHECK(r == rows.Count() || (lines.empty() && rows.Count() == 1), "no extra rows");
  return 0;
}
