// The caret rules: column adjustment on vertical and horizontal moves, second halves,
// tab fillers, the row after a final line break, and the caret on the screen.
#include "fake_host.h"

namespace glean::testing {
namespace {

TEST_F(EditorTest, ShortRowClampsTheColumnAndKeepCaretRestoresIt) {
  editor.Caret().SetFreeCaret(false);
  SetText(std::string(30, 'a') + "\r\nabcde\r\n" + std::string(30, 'b') + "\r\n");
  editor.SetRowCol(0, 20);
  editor.SetRow(1);
  EXPECT_EQ(editor.Col(), 5);
  editor.SetRow(2);
  EXPECT_EQ(editor.Col(), 5);  // nothing remembered without KeepCaret

  editor.Caret().SetKeepCaret(true);
  editor.SetRowCol(0, 20);
  editor.SetRow(1);
  EXPECT_EQ(editor.Col(), 5);
  editor.SetRow(2);
  EXPECT_EQ(editor.Col(), 20);
  editor.SetCol(3);  // a horizontal move forgets the wanted column
  editor.SetRow(1);
  editor.SetRow(0);
  EXPECT_EQ(editor.Col(), 3);
}

TEST_F(EditorTest, FreeCaretAndFreeRow) {
  SetText("abcdefghij\r\nab\r\n");
  editor.SetRowCol(0, 8);
  editor.SetRow(1);
  EXPECT_EQ(editor.Col(), 8);  // free caret: beyond the row end
  editor.Caret().SetFreeCaret(false);
  editor.Caret().SetFreeRow(true);
  editor.SetRowCol(0, 8);
  editor.SetRow(1);
  EXPECT_EQ(editor.Col(), 8);  // free row keeps the column on vertical moves
  editor.SetCol(7);
  EXPECT_EQ(editor.Col(), 2);  // but not on horizontal ones
}

TEST_F(EditorTest, CaretStaysOffSecondHalves) {
  SetText("abcdefghijk\r\nabcdeあい\r\n");  // row 1: columns 5-6 and 7-8 double-byte
  editor.SetRowCol(0, 8);
  editor.SetRow(1);  // column 8 is a second half; vertical moves go left
  EXPECT_EQ(editor.Col(), 7);
  editor.SetRowCol(0, 6);
  editor.SetRow(1);
  EXPECT_EQ(editor.Col(), 5);
  editor.SetRow(0);  // the wanted column comes back on the next row
  EXPECT_EQ(editor.Col(), 6);
  editor.SetRowCol(1, 5);
  editor.SetCol(6);  // a move right steps over the character
  EXPECT_EQ(editor.Col(), 7);
  editor.SetCol(6);  // and left back before it
  EXPECT_EQ(editor.Col(), 5);
  editor.SetRowCol(1, 8);  // SetRowCol lands before the character
  EXPECT_EQ(editor.Col(), 7);
}

TEST_F(EditorTest, CaretStaysOffTabFillers) {
  SetText("a\tb\r\n");  // a at 0, tab at 1 (fills 2-7), b at 8
  editor.SetRowCol(0, 1);
  editor.SetCol(2);
  EXPECT_EQ(editor.Col(), 8);
  editor.SetCol(7);
  EXPECT_EQ(editor.Col(), 1);
  editor.SetRowCol(0, 5);
  EXPECT_EQ(editor.Col(), 1);
  EXPECT_EQ(editor.CaretByte(), 1);
  editor.Caret().SetInTab(true);
  editor.SetRowCol(0, 5);
  EXPECT_EQ(editor.Col(), 5);
  EXPECT_EQ(editor.ColToByte(0, 8), 2);
  EXPECT_EQ(editor.ByteToCol(0, 2), 8);
}

TEST_F(EditorTest, RowAfterAFinalLineBreak) {
  SetText("ab\r\ncd\r\n");
  editor.SetRow(5);
  EXPECT_EQ(editor.Row(), 2);  // the empty row after the last line
  SetText("ab\r\ncd");
  editor.SetRow(5);
  EXPECT_EQ(editor.Row(), 1);
  SetText("");
  editor.SetRow(3);
  EXPECT_EQ(editor.Row(), 0);
  EXPECT_EQ(editor.Col(), 0);
}

TEST_F(EditorTest, ColumnLimit) {
  SetText(std::string(1200, 'x'));
  editor.SetCol(5000);
  EXPECT_EQ(editor.Col(), 1000);
  SetText(std::string(999, 'x') + "あ");  // the last character fills columns 999 and 1000
  editor.SetRowCol(0, 1001);
  EXPECT_EQ(editor.Col(), 1001);
}

TEST_F(EditorTest, WrappedRowEndIsTheNextRowStart) {
  editor.Caret().SetFreeCaret(false);
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  SetText(std::string(30, 'a') + "\r\n");
  ASSERT_EQ(editor.ListRows().RowAttribute(0), TRowAttribute::Wrapped);
  editor.SetRowCol(0, 25);
  EXPECT_EQ(editor.Col(), 19);
}

TEST_F(EditorTest, CaretIsPlacedAndShownInTheWindow) {
  SetText("abc\r\ndef\r\n");
  int moved = 0;
  editor.OnCaretMoved = [&](TObject*) { ++moved; };
  editor.SetRowCol(1, 2);
  EXPECT_EQ(host.caretPos, (TPoint{12, 2 + 12}));
  EXPECT_EQ(host.caretShape, (TPoint{2, 12}));
  EXPECT_TRUE(host.caretVisible);
  EXPECT_GE(moved, 1);
  editor.HideCaret();
  EXPECT_FALSE(host.caretVisible);
  editor.HideCaret();
  editor.ShowCaret();
  EXPECT_FALSE(host.caretVisible);  // the hide count nests
  editor.ShowCaret();
  EXPECT_TRUE(host.caretVisible);
  editor.Caret().SetStyle(TEditorCaretStyle::csBrief);
  EXPECT_EQ(host.caretShape, (TPoint{6, 2}));
  EXPECT_EQ(host.caretPos, (TPoint{12, 2 + 12 + 10}));
  editor.FocusChanged(false);
  EXPECT_FALSE(host.caretVisible);
}

TEST(EditorWithoutWindow, StoresTheCaretButDoesNotScroll) {
  FakeHost host;
  host.hasWindow = false;
  TEditorCore e(host);
  e.Lines().SetText(std::string(100, 'x') + "\r\n" + std::string(200, 'y'));
  e.SetRowCol(1, 150);
  EXPECT_EQ(e.Row(), 1);
  EXPECT_EQ(e.Col(), 150);
  e.SetTopRow(1);
  EXPECT_EQ(e.TopRow(), 0);
  EXPECT_TRUE(host.invalidated.empty());
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {

class ImeHost : public FakeHost {
 public:
  void MoveImeWindow(int x, int y) override { moves.push_back({x, y}); }
  std::vector<TPoint> moves;
};

TEST(EditorIme, CompositionWindowWaitsForTheKeyRelease) {
  ImeHost host;
  TEditorCore e(host);
  e.Lines().SetText("abcdef\r\nghijkl");
  e.Resized();
  host.moves.clear();
  e.SetKeyRepeat(true);
  e.SetCol(1);
  e.SetCol(2);
  EXPECT_TRUE(host.moves.empty());
  e.KeyReleased();
  ASSERT_EQ(host.moves.size(), 1u);
  EXPECT_EQ(host.moves[0], e.CaretPos());
  e.SetCol(3);
  EXPECT_EQ(host.moves.size(), 2u);
}

TEST_F(EditorTest, RowMarksOutsideTheSixteenBitsAreIgnored) {
  SetText("a\r\nb\r\n");
  editor.PutRowMark(0, 16);
  editor.PutRowMark(0, -1);
  editor.PutRowMark(7, 2);
  EXPECT_EQ(editor.ListRows().RowMarks(0), 0);
  EXPECT_EQ(editor.ListRows().GetUsedMarks(), 0);
  editor.PutRowMark(1, 15);
  editor.GotoRowMark(15);
  EXPECT_EQ(editor.Row(), 1);
}

}  // namespace
}  // namespace glean::testing
