// Row-state propagation: after a change, the parser state at the start of each row is
// recomputed until it converges with what the row already holds.
#include <algorithm>

#include "editor/model/fountain_parser.h"
#include "editor/model/screen_strings.h"

namespace glean {

namespace {
// Rows in two screens of the control: the furthest re-colouring reaches below an edit.
int TwoScreens(const IAttachedEditor& e) {
  return 2 * (e.ScreenHeight() / std::max(e.RowHeight(), 1));
}
}  // namespace

void TEditorScreenStrings::ReparseAll() {
  IAttachedEditor* first = FirstEditor();
  if (!first || first->Loading() || first->Destroying()) return;
  for (int r = 0; r < Count(); ++r) ClearRowState(r);
  TFountain* fountain = first->ActiveFountain();
  if (!fountain || Count() == 0) return;
  std::unique_ptr<TFountainParser> parser = fountain->CreateParser();
  const int last = first->InitBracketsFull()
                       ? Count() - 1
                       : std::min(Count() - 1, TwoScreens(*first) + first->TopRow());
  TRowAttributeData state;
  for (int r = 0; r <= last; ++r) {
    state.RowAttribute = RowAttribute(r);
    SetRowState(r, state);
    parser->ParseRow(r, *this, state);
    state.PrevRowAttribute = RowAttribute(r);
  }
}

int TEditorScreenStrings::ReparseFrom(int row, bool notify) {
  if (row < 0 || row >= Count()) return 0;
  IAttachedEditor* first = FirstEditor();
  if (!first || first->Destroying()) return 0;
  TFountain* fountain = first->ActiveFountain();
  if (!fountain) return 0;
  std::unique_ptr<TFountainParser> parser = fountain->CreateParser();

  TRowAttributeData state;
  int start = 0;
  for (int p = row - 1; p >= 0; --p) {
    if (BracketIndex(p) != -2) {
      state = RowState(p);
      parser->ParseRow(p, *this, state);
      state.PrevRowAttribute = RowAttribute(p);
      start = p + 1;
      break;
    }
  }
  const int last = std::min(row + TwoScreens(*first), Count() - 1);
  int changed = 0;
  for (int n = start; n <= last; ++n) {
    state.RowAttribute = RowAttribute(n);
    if (RowStateEquals(n, state)) return changed;
    SetRowState(n, state);
    if (notify) {
      ++changed;
      for (IAttachedEditor* e : Editors()) e->InvalidateRow(n);
    }
    parser->ParseRow(n, *this, state);
    state.PrevRowAttribute = RowAttribute(n);
  }
  for (int r = last + 1; r < Count(); ++r) ClearRowState(r);
  return changed;
}

}  // namespace glean
