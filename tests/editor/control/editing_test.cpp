// The editing operations on the core: inserting, deleting the selection, box copy and
// box paste, the clipboard commands, the drops of a dragged selection, and every edit
// being one undo step.
#include "editor/control/core/edit_messages.h"
#include "editor/model/undo.h"
#include "fake_host.h"

namespace glean::testing {
namespace {

class EditingTest : public EditorTest {
 protected:
  std::string Text() { return editor.Lines().GetText(); }
  int UndoSteps() { return editor.ListRows().UndoObj().UndoList().Count(); }
  void Box(int row0, int col0, int row1, int col1) {
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    editor.SetRowCol(row0, col0);
    editor.StartSelection();
    editor.SetRowCol(row1, col1);
    editor.ExtendSelection();
  }
  void ExpectCaret(int row, int col) {
    EXPECT_EQ(editor.Row(), row);
    EXPECT_EQ(editor.Col(), col);
  }
};

TEST_F(EditingTest, TypingBeyondTheRowEndPadsWithSpaces) {
  SetText("abcd");
  editor.SetRowCol(0, 10);  // FreeCaret is on
  ASSERT_EQ(editor.Col(), 10);
  editor.TypeText("x");
  EXPECT_EQ(Text(), "abcd      x");
  ExpectCaret(0, 11);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, InsertTextReplacesTheSelectionWithLines) {
  SetText("ab\r\ncd");
  edit_msg::SetSel(editor, 1, 5);
  editor.InsertText("X\r\nY");
  EXPECT_EQ(Text(), "aX\r\nYd");
  ExpectCaret(1, 1);
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(UndoSteps(), 1);
  editor.Undo();
  EXPECT_EQ(Text(), "ab\r\ncd");
}

TEST_F(EditingTest, InsertAtTheEndAndOnTheRowAfterALastLineBreak) {
  SetText("ab\r\n");
  editor.SetRowCol(1, 0);
  ASSERT_EQ(editor.Row(), 1);
  editor.InsertText("cd");
  EXPECT_EQ(Text(), "ab\r\ncd");
  ExpectCaret(1, 2);
  SetText("");
  editor.InsertText("x\r\ny");
  EXPECT_EQ(Text(), "x\r\ny");
  ExpectCaret(1, 1);
}

TEST_F(EditingTest, ClearSelectionJoinsTheEnds) {
  SetText("abc\r\ndef\r\nghi");
  editor.SetSelStart(2);
  editor.SetSelLength(6);  // "c\r\ndef"
  ASSERT_EQ(editor.SelText(), "c\r\ndef");
  editor.ClearSelection();
  EXPECT_EQ(Text(), "ab\r\nghi");
  ExpectCaret(0, 2);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, ClearingEverythingLeavesNoRows) {
  SetText("ab\r\ncd\r\n");
  editor.SelectAll();
  editor.ClearSelection();
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(editor.ListRows().Count(), 0);
  ExpectCaret(0, 0);
}

TEST_F(EditingTest, BoxCopyCutsTheColumnsOfEveryRow) {
  SetText("abcd\r\nefgh\r\nijkl");
  Box(0, 1, 1, 3);
  EXPECT_EQ(editor.SelText(), "bc\r\nfg\r\n");
  editor.CopyToClipboard();
  EXPECT_EQ(host.clipboard, "bc\r\nfg\r\n");
  EXPECT_TRUE(host.clipboardBox);
  editor.ClearSelection();
  EXPECT_EQ(Text(), "ad\r\neh\r\nijkl");
  ExpectCaret(0, 1);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, BoxCopyThenPasteInsertsTheBlockAsABlock) {
  SetText("abcd\r\nefgh\r\nijkl");
  Box(0, 1, 1, 3);
  editor.CopyToClipboard();
  editor.CleanSelection();
  editor.SetSelectionMode(TEditorSelectionMode::smNormal);
  editor.SetRowCol(1, 1);
  editor.PasteFromClipboard();
  EXPECT_EQ(Text(), "abcd\r\nebcfgh\r\nifgjkl\r\n");  // the last row gains a line break
  ExpectCaret(2, 3);
  EXPECT_EQ(UndoSteps(), 1);
  editor.Undo();
  EXPECT_EQ(Text(), "abcd\r\nefgh\r\nijkl");
}

TEST_F(EditingTest, TheSameTextWithoutTheBoxMarkArrivesAsLines) {
  SetText("abcd\r\nefgh");
  host.SetClipboardText("bc\r\nfg\r\n", false);
  editor.SetRowCol(1, 1);
  editor.PasteFromClipboard();
  EXPECT_EQ(Text(), "abcd\r\nebc\r\nfg\r\nfgh");
  ExpectCaret(3, 0);
}

TEST_F(EditingTest, BoxPastePadsShortRowsAndAddsRows) {
  SetText("abcd\r\nx");
  editor.SetRowCol(0, 3);
  editor.BoxPaste("1\r\n2\r\n3");
  EXPECT_EQ(Text(), "abc1d\r\nx  2\r\n   3\r\n");
  ExpectCaret(2, 4);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, BoxPasteOverABoxSelectionReplacesItsColumns) {
  SetText("abcd\r\nefgh\r\nijkl");
  Box(0, 1, 1, 3);
  editor.BoxPaste("X\r\nY\r\nZ");
  EXPECT_EQ(Text(), "aXd\r\neYh\r\niZjkl\r\n");
  ExpectCaret(2, 2);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, BoxSelectionEdgesDoNotSplitADoubleByteCharacter) {
  SetText("aあb\r\ncdef");
  Box(1, 2, 0, 3);  // column 2 is the second half of あ on row 0
  EXPECT_EQ(editor.SelText(), "あ\r\ne\r\n");
}

TEST_F(EditingTest, CutCopiesThenDeletes) {
  SetText("hello");
  editor.SetSelStart(1);
  editor.SetSelLength(2);
  editor.CutToClipboard();
  EXPECT_EQ(host.clipboard, "el");
  EXPECT_FALSE(host.clipboardBox);
  EXPECT_EQ(Text(), "hlo");
  ExpectCaret(0, 1);
}

TEST_F(EditingTest, ReadOnlyRefusesEveryEdit) {
  SetText("ab\r\ncd");
  editor.SetReadOnly(true);
  host.SetClipboardText("zz", false);
  editor.SelectAll();
  editor.InsertText("x");
  editor.ClearSelection();
  editor.CutToClipboard();
  EXPECT_EQ(host.clipboard, "ab\r\ncd");  // the copy half still works
  editor.CleanSelection();
  editor.PasteFromClipboard();
  editor.BoxPaste("q");
  editor.TypeText("y");
  EXPECT_EQ(Text(), "ab\r\ncd");
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(EditingTest, DraggingTheSelectionMovesIt) {
  SetText("abc def");
  editor.SetSelStart(0);
  editor.SetSelLength(3);
  editor.MouseDown(At(0, 1), false, false);
  ASSERT_EQ(editor.DragState(), TDragState::Pending);
  editor.MouseMove(At(0, 7), true, false);
  ASSERT_EQ(editor.DragState(), TDragState::Dragging);
  editor.MouseUp(At(0, 7), false);
  EXPECT_EQ(Text(), " defabc");
  ExpectCaret(0, 7);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, DraggingWithCtrlCopiesAndAMoveUpwardsKeepsTheText) {
  SetText("abc def");
  editor.SetSelStart(4);
  editor.SetSelLength(3);
  editor.MouseDown(At(0, 5), false, false);
  editor.MouseMove(At(0, 0), true, true);
  editor.MouseUp(At(0, 0), true);
  EXPECT_EQ(Text(), "defabc def");
  ExpectCaret(0, 3);

  SetText("abc\r\ndef");
  editor.SetSelStart(6);
  editor.SetSelLength(2);  // "ef"
  editor.MouseDown(At(1, 2), false, false);
  editor.MouseMove(At(0, 1), true, false);
  editor.MouseUp(At(0, 1), false);
  EXPECT_EQ(Text(), "aefbc\r\nd");
  ExpectCaret(0, 3);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(EditingTest, DroppingOntoTheSelectionOnlyRemovesIt) {
  SetText("abc def");
  editor.SetSelStart(0);
  editor.SetSelLength(3);
  editor.MouseDown(At(0, 1), false, false);
  editor.MouseMove(At(0, 2), true, false);
  editor.MouseUp({editor.LeftOffset() + 6 + 1, editor.TopOffset() + 1}, false);
  EXPECT_EQ(Text(), "abc def");
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(EditingTest, EditsOfTheMessagesAreOneStepEach) {
  SetText("one\r\ntwo\r\nthree");
  int steps = 0;
  auto step = [&](const char* what) {
    ++steps;
    EXPECT_EQ(UndoSteps(), steps) << what;
  };
  editor.SetRowCol(1, 1);
  editor.InsertText("X\r\nY\r\nZ");
  step("insert");
  edit_msg::SetSel(editor, 2, 9);
  editor.ClearSelection();
  step("clear");
  editor.BoxPaste("a\r\nb\r\nc\r\nd");
  step("box paste");
  host.SetClipboardText("p", false);
  editor.PasteFromClipboard();
  step("paste");
  editor.SelectAll();
  editor.CutToClipboard();
  step("cut");
  while (editor.CanUndo()) editor.Undo();
  EXPECT_EQ(Text(), "one\r\ntwo\r\nthree");
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {
TEST_F(EditingTest, BoxPasteBelowIntoADoubleByteRow) {
  SetText("ab\r\ncd\r\nあい漢字");
  editor.SetSelStart(6);
  editor.SetSelLength(0);
  ExpectCaret(1, 2);
  editor.BoxPaste("a\r\nc\r\n");
  EXPECT_EQ(Text(), "ab\r\ncda\r\nあcい漢字\r\n");
}
}  // namespace
}  // namespace glean::testing
