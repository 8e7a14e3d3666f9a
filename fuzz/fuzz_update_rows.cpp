// Sequences of UpdateRows on a text, then undo of every step and redo of every step:
// every state keeps the row invariants, undo gives back the original text and rows,
// redo gives back the final ones.
#include "fuzz_editor.h"

using namespace glean;
using namespace glean::fuzz;

namespace {
struct State {
  std::string text;
  std::vector<std::pair<std::string, int>> rows;
  bool operator==(const State& o) const { return text == o.text && rows == o.rows; }
};
State Take(FuzzEditor& e) {
  State s{e.Lines().GetText(), {}};
  for (int r = 0; r < e.List().Count(); ++r) s.rows.emplace_back(e.List().Ref(r), int(e.List().RowAttribute(r)));
  return s;
}
// Every logical line holds exactly the rows that wrapping the whole line gives.
void CheckCanonical(TEditorScreenStrings& l) {
  for (int r = 0; r < l.Count();) {
    int end = l.LineEndRow(r);
    std::string line;
    for (int k = r; k <= end; ++k) line += l.Ref(k);
    TEditorStringList rows;
    l.WrapText(line, rows);
    bool same = rows.Count() == end - r + 1 || (line.empty() && rows.Count() == 1);
    for (int k = 0; same && k < rows.Count(); ++k) same = rows.Ref(k) == l.Ref(r + k);
    FUZZ_CHECK(same, "rows of a line are those of wrapping the whole line");
    r = end + 1;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  FuzzEditor e;
  e.Configure(in);
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText(in.Bytes(in.Int(0, 600)));
  CheckRows(l);
  l.UndoObj().SetUndoListMax(1000);
  std::vector<State> history{Take(e)};
  while (!in.Empty() && history.size() < 40) {
    int row = l.Count() ? in.Int(0, l.Count()) : 0;
    int count = in.Int(0, 3);
    if (row + count > l.Count()) count = l.Count() - row;
    e.col_ = in.Byte() % 3;
    std::string text = in.Bytes(in.Byte() % 24);
    if (std::getenv("GLEAN_FUZZ_TRACE")) {
      std::fprintf(stderr, "UpdateRows(%d, %d, %zu bytes:", row, count, text.size());
      for (unsigned char c : text) std::fprintf(stderr, " %02x", c);
      std::fprintf(stderr, ") col %d\n", e.col_);
    }
    l.UpdateRows(row, count, text);
    if (std::getenv("GLEAN_FUZZ_TRACE")) {
      for (int r = 0; r < l.Count(); ++r) {
        std::fprintf(stderr, "  row %d attr %d:", r, int(l.RowAttribute(r)));
        for (unsigned char c : l.Ref(r)) std::fprintf(stderr, " %02x", c);
        std::fprintf(stderr, "\n");
      }
    }
    CheckRows(l);
    CheckCanonical(l);
    State now = Take(e);
    if (!(now == history.back())) history.push_back(now);
    // Rows of a line hold no marks here; the lists must agree with what was done.
    FUZZ_CHECK(l.UndoObj().UndoList().Count() >= int(history.size()) - 1, "one undo step per change");
  }
  const int steps = l.UndoObj().UndoList().Count();
  std::vector<State> undone{Take(e)};
  for (int i = 0; i < steps; ++i) {
    l.Undo();
    CheckRows(l);
    undone.push_back(Take(e));
  }
  FUZZ_CHECK(undone.back() == history.front(), "undo of every step restores the original");
  for (int i = 0; i < steps; ++i) {
    l.Redo();
    CheckRows(l);
    if (std::getenv("GLEAN_FUZZ_TRACE")) {
      State a = Take(e), b = undone[size_t(steps - 1 - i)];
      std::fprintf(stderr, "redo %d:", i);
      for (auto& r : a.rows) std::fprintf(stderr, " [%zu|%d]", r.first.size(), r.second);
      std::fprintf(stderr, "\n  want:");
      for (auto& r : b.rows) std::fprintf(stderr, " [%zu|%d]", r.first.size(), r.second);
      std::fprintf(stderr, "\n");
    }
    FUZZ_CHECK(Take(e) == undone[size_t(steps - 1 - i)], "redo retraces the undone states");
  }
  FUZZ_CHECK(Take(e) == history.back(), "redo of every step restores the final state");
  return 0;
}
