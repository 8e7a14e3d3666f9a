// The parser over arbitrary bytes with the main window's colouring: every row is
// re-coloured, every token lies inside its row and moves the scan forward, and the row
// states stay inside their ranges.
#include "fuzz_editor.h"

using namespace glean;
using namespace glean::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  FuzzEditor e;
  e.Configure(in);
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText(in.Rest());
  auto parser = e.Fountain().CreateParser();
  for (int r = 0; r < l.Count(); ++r) {
    TRowAttributeData state = l.RowState(r);
    FUZZ_CHECK(state.BracketIndex >= -1 && state.BracketIndex < 2, "row parsed, bracket index in range");
    const std::string& row = l.Ref(r);
    parser->Init(row, state);
    int end = 0, tokens = 0;
    while (parser->NextToken() != TokenKind::End) {
      FUZZ_CHECK(parser->TokenPos() >= end, "tokens in order");
      FUZZ_CHECK(parser->TokenLength() > 0, "a token moves the scan");
      end = parser->TokenPos() + parser->TokenLength();
      FUZZ_CHECK(end <= int(row.size()), "a token ends inside its row");
      parser->TokenColor();
      FUZZ_CHECK(++tokens <= int(row.size()), "no more tokens than bytes");
    }
  }
  // An edit in the middle re-colours from the start of its line and leaves the rows
  // above that line as they were (rows of the line two screens below the edit may be
  // left for painting).
  if (l.Count() > 2) {
    const int first = l.LineStartRow(l.Count() / 2);
    l.UpdateRows(l.Count() / 2, 1, kNoteLeft);
    for (int r = 0; r < first; ++r) FUZZ_CHECK(l.BracketIndex(r) != -2, "rows above an edit stay parsed");
    FUZZ_CHECK(l.BracketIndex(first) != -2, "the edited row is parsed");
  }
  return 0;
}
