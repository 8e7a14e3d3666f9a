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
    l.UpdateRows(row, count, text);
    CheckRows(l);
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
    FUZZ_CHECK(Take(e) == undone[size_t(steps - 1 - i)], "redo retraces the undone states");
  }
  FUZZ_CHECK(Take(e) == history.back(), "redo of every step restores the final state");
  return 0;
}
