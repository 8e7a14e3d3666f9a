// Mouse presses, selection drags, row selection, the cursor choice, tokens under a
// point, and scrolling with the scroll bars.
#include "fake_host.h"

namespace glean::testing {
namespace {

TEST_F(EditorTest, ClickPutsTheCaretOnTheNearestCellBoundary) {
  SetText("abcdef\r\nghijkl\r\n");
  editor.MouseDown({3 * 6 + 2, 2 + 12 + 5}, false, false);  // left part of cell 3
  editor.MouseUp({3 * 6 + 2, 2 + 12 + 5}, false);
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 3);
  editor.MouseDown({3 * 6 + 4, 2 + 5}, false, false);  // right part: the next boundary
  editor.MouseUp({3 * 6 + 4, 2 + 5}, false);
  EXPECT_EQ(editor.Row(), 0);
  EXPECT_EQ(editor.Col(), 4);
  EXPECT_FALSE(editor.Selected());
}

TEST_F(EditorTest, DraggingSelectsOnceTheMouseHasMovedHalfACell) {
  SetText("abcdefghij\r\n");
  editor.MouseDown(At(0, 2), false, false);
  editor.MouseMove({At(0, 2).X + 2, At(0, 2).Y}, true, false);
  EXPECT_FALSE(editor.Selected());
  editor.MouseMove(At(0, 6), true, false);
  editor.MouseUp(At(0, 6), false);
  EXPECT_TRUE(editor.Selected());
  EXPECT_EQ(editor.SelText(), "cdef");
  // Shift+press extends from the anchor.
  editor.MouseDown(At(0, 8), true, false);
  editor.MouseUp(At(0, 8), false);
  EXPECT_EQ(editor.SelText(), "cdefgh");
}

TEST_F(EditorTest, DroppingASelectionOntoItselfOnlyRemovesIt) {
  SetText("abcdefghij\r\nsecond row\r\n");
  editor.SetSelStart(2);
  editor.SetSelLength(5);  // "cdefg"
  const std::string before = editor.Lines().GetText();
  const TPoint press = {4 * 6 + 1, 2 + 3};
  editor.MouseDown(press, false, false);
  EXPECT_EQ(editor.DragState(), TDragState::Pending);
  editor.MouseMove({press.X + 6, press.Y}, true, false);
  EXPECT_EQ(editor.DragState(), TDragState::Dragging);
  EXPECT_EQ(host.cursor, crDrag);
  editor.CtrlChanged(true);
  EXPECT_EQ(host.cursor, ProgramCursors().DragSelCopy);
  editor.MouseUp({press.X + 6, press.Y}, true);
  EXPECT_EQ(editor.DragState(), TDragState::Idle);
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(editor.Lines().GetText(), before);
  // A press inside the selection released without moving cancels the drag.
  editor.SetSelStart(2);
  editor.SetSelLength(5);
  editor.MouseDown(press, false, false);
  editor.MouseUp(press, false);
  EXPECT_EQ(editor.DragState(), TDragState::Idle);
  EXPECT_FALSE(editor.Selected());
  // No drag on a read-only text: the press starts a new selection there.
  editor.SetReadOnly(true);
  editor.SetSelStart(2);
  editor.SetSelLength(5);
  editor.MouseDown(press, false, false);
  EXPECT_EQ(editor.DragState(), TDragState::Idle);
  editor.MouseUp(press, false);
}

TEST_F(EditorTest, PressInTheLeftMarginSelectsWholeRows) {
  editor.Margin().SetLeft(12);
  SetText("one\r\ntwo\r\nthree");
  editor.MouseDown({3, 2 + 12 + 3}, false, false);
  EXPECT_EQ(editor.SelText(), "two\r\n");
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 0);
  editor.MouseMove({3, 2 + 24 + 3}, true, false);
  editor.MouseUp({3, 2 + 24 + 3}, false);
  EXPECT_EQ(editor.SelText(), "two\r\nthree");
  editor.MouseDown({3, 3}, false, false);
  editor.MouseMove({3, 2 + 12 + 3}, true, false);
  editor.MouseUp({3, 2 + 12 + 3}, false);
  EXPECT_EQ(editor.SelText(), "one\r\ntwo\r\n");
}

TEST_F(EditorTest, CursorFollowsWhereTheMouseIs) {
  editor.Margin().SetLeft(12);
  SetText("abcdefgh\r\n");
  editor.MouseMove({3, 20}, false, false);
  EXPECT_EQ(host.cursor, ProgramCursors().RightArrow);
  editor.MouseMove({30, 1}, false, false);
  EXPECT_EQ(host.cursor, crDefault);
  editor.MouseMove({30, 5}, false, false);
  EXPECT_EQ(host.cursor, crIBeam);
  editor.SetSelStart(1);
  editor.SetSelLength(5);
  editor.MouseMove({12 + 6 * 2 + 1, 5}, false, false);
  EXPECT_EQ(host.cursor, editor.Caret().Cursors().InSelCursor());
}

TEST_F(EditorTest, TokensUnderAPointCoverWrappedRows) {
  editor.View().SetUrl(true);
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  SetText("see http://example.com/long/path ok");
  ASSERT_GE(editor.ListRows().Count(), 2);
  EXPECT_EQ(editor.TokenAtPos(At(0, 1)), "see");
  EXPECT_EQ(editor.TokenAtPos(At(1, 2)), "http://example.com/long/path");
  EXPECT_EQ(editor.TokenAtPos({-1, 5}), "");
  editor.SelectTokenAtPos(At(0, 6));
  EXPECT_EQ(editor.SelText(), "http://example.com/long/path");
  editor.SetSelStart(1);
  EXPECT_EQ(editor.TokenAtCaret(), "see");
}

class ScrollTest : public EditorTest {
 protected:
  ScrollTest() {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "row " + std::to_string(i) + "\r\n";
    SetText(text);
  }
};

TEST_F(ScrollTest, ScrollingMovesTheWindowContentsAndRepaintsTheStrip) {
  const int rows = editor.VisibleRows();
  ASSERT_EQ(rows, (480 - 2 - 5) / 12);
  EXPECT_EQ(host.vbar.max, 200 + rows - 1);
  EXPECT_EQ(host.vbar.page, rows);
  host.ClearLog();
  int topChanges = 0;
  editor.OnTopRowChange = [&](TObject*) { ++topChanges; };
  editor.VScroll(TScrollCode::LineDown, 0);
  EXPECT_EQ(editor.TopRow(), 1);
  ASSERT_EQ(host.scrolls.size(), 1u);
  EXPECT_EQ(host.scrolls[0].Dy, -12);
  EXPECT_EQ(host.scrolls[0].Area, (TRect{0, 2, 640, 480}));
  EXPECT_EQ(host.vbar.pos, 1);
  editor.VScroll(TScrollCode::PageDown, 0);
  EXPECT_EQ(editor.TopRow(), 1 + rows);
  editor.VScroll(TScrollCode::Bottom, 0);
  EXPECT_EQ(editor.TopRow(), 200);  // the empty row after the last line at the top
  editor.VScroll(TScrollCode::ThumbTrack, 50);
  EXPECT_EQ(editor.TopRow(), 50);
  EXPECT_EQ(topChanges, 4);
  EXPECT_EQ(editor.Row(), 0);  // the caret stays where it was
  editor.HScroll(TScrollCode::LineDown, 0);
  EXPECT_EQ(editor.TopCol(), 1);
  EXPECT_EQ(host.scrolls.back().Dx, -6);
  editor.HScroll(TScrollCode::ThumbPosition, 5000);
  EXPECT_EQ(editor.TopCol(), 1000 - editor.VisibleCols() / 2);
}

TEST_F(ScrollTest, LockScrollMovesTheCaretWithTheView) {
  editor.Caret().SetLockScroll(true);
  editor.SetRow(5);
  editor.VScroll(TScrollCode::LineDown, 0);
  EXPECT_EQ(editor.TopRow(), 1);
  EXPECT_EQ(editor.Row(), 6);
}

TEST_F(ScrollTest, CaretIsScrolledIntoView) {
  const int rows = editor.VisibleRows();
  editor.SetRow(100);
  EXPECT_EQ(editor.TopRow(), 100 - rows + 1);
  editor.SetRow(10);
  EXPECT_EQ(editor.TopRow(), 10);
  SetText(std::string(500, 'x'));
  const int cols = editor.VisibleCols();
  editor.SetCol(cols + 3);
  EXPECT_EQ(editor.TopCol(), cols / 4);  // at least a quarter window at once
  editor.SetCol(0);
  EXPECT_EQ(editor.TopCol(), 0);
}

TEST_F(EditorTest, EditsRepaintOnlyTheChangedRowsAndMoveTheRest) {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "line\r\n";
  SetText(text);
  int changes = 0;
  editor.OnChange = [&](TObject*) { ++changes; };
  host.ClearLog();
  editor.ListRows().UpdateRows(3, 1, "changed\r\n");
  EXPECT_TRUE(host.scrolls.empty());
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(editor.Modified());
  bool row3 = false;
  for (const TRect& r : host.invalidated) {
    if (r.Top == 2 + 3 * 12) row3 = true;
    EXPECT_LT(r.Bottom, 2 + 12 * 6) << "only the rows at the change";
  }
  EXPECT_TRUE(row3);
  host.ClearLog();
  editor.ListRows().UpdateRows(3, 1, "two\r\nrows\r\n");  // one row more: the rest moves down
  ASSERT_EQ(host.scrolls.size(), 1u);
  EXPECT_EQ(host.scrolls[0].Dy, 12);
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {

TEST_F(EditorTest, LineNumbersNeedingAnotherDigitWidenTheBar) {
  editor.Leftbar().SetVisible(true);
  std::string text;
  for (int i = 0; i < 9998; ++i) text += "x\r\n";
  SetText(text);
  const int before = editor.LeftOffset();
  EXPECT_EQ(editor.LeftbarDigits(), 4);  // rows 1..9999 (the empty one after the last line)
  host.ClearLog();
  editor.ListRows().UpdateRows(0, 0, "one more\r\n");
  EXPECT_EQ(editor.LeftbarDigits(), 5);
  EXPECT_EQ(editor.LeftOffset(), before + editor.CharWidth());
  bool whole = false;
  for (const TRect& r : host.invalidated) whole = whole || r == host.client;
  EXPECT_TRUE(whole) << "the text area moves right";
}

}  // namespace
}  // namespace glean::testing
