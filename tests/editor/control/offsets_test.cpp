// Byte offsets of the caret and the selection, selected text, box selections and the
// selection events.
#include "fake_host.h"

namespace glean::testing {
namespace {

TEST_F(EditorTest, SelectAllRoundTrips) {
  for (const std::string text : {"ab\r\ncd", "ab\r\n", "あいう\r\nえ\r\n\r\nお", "x"}) {
    SetText(text);
    editor.SetSelStart(0);
    editor.SetSelLength(editor.GetTextLen());
    EXPECT_EQ(editor.GetTextLen(), int(text.size())) << text;
    EXPECT_EQ(editor.SelLength(), int(text.size())) << text;
    EXPECT_EQ(editor.SelText(), text);
    EXPECT_EQ(editor.SelStart(), 0);
  }
}

TEST_F(EditorTest, OffsetsCountDoubleByteCharactersAndLineBreaks) {
  SetText("aあb\r\nいc");
  // Every offset that starts a character maps to itself.
  for (int k : {0, 1, 3, 4, 6, 8, 9}) {
    editor.SetSelStart(k);
    EXPECT_EQ(editor.SelStart(), k) << k;
  }
  editor.SetSelStart(2);  // inside あ: the caret stands before it
  EXPECT_EQ(editor.SelStart(), 1);
  editor.SetSelStart(5);  // inside the CR LF: the row end
  EXPECT_EQ(editor.SelStart(), 4);
  EXPECT_EQ(editor.Row(), 0);
  editor.SetSelStart(100);
  EXPECT_EQ(editor.SelStart(), 9);
  editor.SetSelStart(-4);
  EXPECT_EQ(editor.SelStart(), 0);

  editor.SetSelStart(1);
  editor.SetSelLength(6);  // ends inside い: the selection stops before it
  EXPECT_EQ(editor.SelText(), "あb\r\n");
  editor.SetSelLength(7);
  EXPECT_EQ(editor.SelText(), "あb\r\nい");
  EXPECT_EQ(editor.SelLength(), 7);
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 2);
  editor.SetSelLength(0);
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(editor.SelStart(), 1);  // back at the start of the former selection
}

TEST_F(EditorTest, WrappedRowsAddNothingBetweenThem) {
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  SetText(std::string(50, 'a') + "\r\nb");
  ASSERT_EQ(editor.ListRows().Count(), 4);
  EXPECT_EQ(editor.RowOffset(1), 20);
  EXPECT_EQ(editor.RowOffset(2), 40);
  EXPECT_EQ(editor.RowOffset(3), 52);
  editor.SetSelStart(20);  // the wrap point is the start of the next row
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 0);
  editor.SetSelStart(15);
  editor.SetSelLength(10);
  EXPECT_EQ(editor.SelText(), std::string(10, 'a'));
  EXPECT_EQ(editor.SelLength(), 10);
  editor.SetSelStart(45);
  editor.SetSelLength(8);
  EXPECT_EQ(editor.SelText(), "aaaaa\r\nb");
}

TEST_F(EditorTest, BoxSelectionTakesTheSameColumnsOfEveryRow) {
  SetText("abcdef\r\nあいうえ\r\nxy\r\n");
  int modeChanges = 0;
  editor.OnSelectionModeChange = [&](TObject*) { ++modeChanges; };
  editor.SetSelectionMode(TEditorSelectionMode::smBox);
  EXPECT_EQ(modeChanges, 1);
  editor.SetRowCol(0, 2);
  editor.StartSelection();
  editor.SetRowCol(2, 6);
  editor.ExtendSelection();
  EXPECT_EQ(editor.SelectionRange(), (TSelectionRange{0, 2, 2, 6}));
  EXPECT_EQ(editor.SelText(), "cdef\r\nいう\r\n\r\n");
  EXPECT_EQ(editor.SelLength(), 4 + 2 + 4 + 2 + 0 + 2);
  // The box is painted as a block on every row, past the short row's end too.
  TRecordingCanvas canvas = PaintAll();
  int pieces = 0;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.BkColor == clNavy && op.Rect.Left == 12 && op.Rect.Right == 36)
      ++pieces;
  EXPECT_EQ(pieces, 3);
  editor.SetSelLength(1);  // returns to normal mode first
  EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smNormal);
  EXPECT_EQ(modeChanges, 2);
}

TEST_F(EditorTest, SelectionEventsAndMinimalRepaint) {
  SetText("abcdefghij\r\nklmnopqrst\r\nuvw\r\n");
  std::vector<int> states;
  editor.OnSelectionChange = [&](TObject*, int s) { states.push_back(s); };
  editor.SetRowCol(0, 2);
  editor.StartSelection();
  editor.SetRowCol(0, 5);
  editor.ExtendSelection();
  host.ClearLog();
  editor.SetRowCol(0, 6);
  editor.ExtendSelection();  // one more cell on the same row
  ASSERT_EQ(host.invalidated.size(), 1u);
  EXPECT_EQ(host.invalidated[0], (TRect{30, 2, 36, 14}));
  host.ClearLog();
  editor.SetRowCol(1, 3);
  editor.ExtendSelection();  // row 0 now runs to the edge; row 1 joins
  ASSERT_EQ(host.invalidated.size(), 2u);
  EXPECT_EQ(host.invalidated[0], (TRect{36, 2, 640, 14}));
  EXPECT_EQ(host.invalidated[1], (TRect{0, 14, 18, 26}));
  editor.CleanSelection();
  EXPECT_EQ(states, (std::vector<int>{2, 2, 2, 0}));
  editor.CleanSelection();  // nothing shown: no event
  EXPECT_EQ(states.size(), 4u);
}

TEST_F(EditorTest, HitStyles) {
  SetText("find the needle here");
  std::vector<int> states;
  editor.OnSelectionChange = [&](TObject*, int s) { states.push_back(s); };
  editor.SetHitStyle(TEditorHitStyle::hsDraw);
  editor.View().Colors().Hit().SetBkColor(clYellow);
  editor.ShowHit(9, 6);
  EXPECT_EQ(editor.SelectionState(), TEditorSelectionState::Hit);
  EXPECT_EQ(editor.SelText(), "needle");
  TRecordingCanvas canvas = PaintAll();
  bool drawnAsHit = false;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.BkColor == clYellow && op.Rect.Left == 54) drawnAsHit = true;
  EXPECT_TRUE(drawnAsHit);
  EXPECT_EQ(states.back(), 3);

  editor.SetHitStyle(TEditorHitStyle::hsCaret);  // removes the hit first
  EXPECT_EQ(states.back(), 0);
  editor.ShowHit(9, 6);
  EXPECT_EQ(host.caretShape, (TPoint{36, 12}));  // a block as wide as the hit
  EXPECT_EQ(editor.Col(), 9);
  canvas = PaintAll();
  for (const TCanvasOp& op : canvas.ops) EXPECT_NE(op.BkColor, clYellow);
  editor.CleanSelection();
  EXPECT_EQ(host.caretShape, (TPoint{2, 12}));
}

}  // namespace
}  // namespace glean::testing
