// The edit-control messages a screen reader sends, answered by the core: offsets over
// screen rows, line lengths, selections, buffers and positions.
#include "editor/control/core/edit_messages.h"

#include <cstring>

#include "editor/model/undo.h"
#include "fake_host.h"

namespace glean::testing {
namespace {

namespace em = glean::edit_msg;

int Low(int32_t r) { return r & 0xFFFF; }
int High(int32_t r) { return (static_cast<uint32_t>(r) >> 16) & 0xFFFF; }

TEST_F(EditorTest, TwoLineTextOffsets) {
  SetText("ab\r\ncd");
  EXPECT_EQ(editor.GetTextLen(), 6);
  EXPECT_EQ(em::LineCount(editor), 2);
  EXPECT_EQ(em::LineIndex(editor, 0), 0);
  EXPECT_EQ(em::LineIndex(editor, 1), 4);
  EXPECT_EQ(em::LineIndex(editor, 2), -1);
  EXPECT_EQ(em::LineFromChar(editor, 3), 0);  // the LF still belongs to row 0
  EXPECT_EQ(em::LineFromChar(editor, 4), 1);
  EXPECT_EQ(em::LineFromChar(editor, 6), 1);  // the end of the last row
  EXPECT_EQ(em::LineLength(editor, 4), 2);
  EXPECT_EQ(em::LineLength(editor, 0), 2);
  char buf[16] = {};
  EXPECT_EQ(em::GetText(editor, buf, sizeof buf), 6);
  EXPECT_STREQ(buf, "ab\r\ncd");
}

TEST_F(EditorTest, TextEndingInALineBreakHasNoRowAfterIt) {
  SetText("ab\r\ncd\r\n");
  EXPECT_EQ(em::LineCount(editor), 2);
  EXPECT_EQ(editor.GetTextLen(), 8);
  EXPECT_EQ(em::LineFromChar(editor, 8), 2);  // past the end: the row count
  EXPECT_EQ(em::LineLength(editor, 8), 0);
}

TEST_F(EditorTest, GetSelWritesTheCaretTwiceWithoutASelection) {
  SetText("ab\r\ncd");
  editor.SetRowCol(1, 2);
  int32_t s = -7, t = -7;
  const int32_t r = em::GetSel(editor, &s, &t);
  EXPECT_EQ(s, 6);
  EXPECT_EQ(t, 6);
  EXPECT_EQ(Low(r), 6);
  EXPECT_EQ(High(r), 6);
  EXPECT_EQ(em::GetSel(editor, nullptr, nullptr), r);  // null pointers are skipped
}

TEST_F(EditorTest, SetSelOrdersItsEndsAndLeavesTheCaretHigh) {
  SetText("ab\r\ncd");
  em::SetSel(editor, 5, 1);
  int32_t s = 0, t = 0;
  em::GetSel(editor, &s, &t);
  EXPECT_EQ(s, 1);
  EXPECT_EQ(t, 5);
  EXPECT_EQ(editor.SelText(), "b\r\nc");
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 1);  // offset 5
  em::SetSel(editor, -1, 0);
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(editor.Row(), 1);
  EXPECT_EQ(editor.Col(), 1);  // the caret stays
  em::SetSel(editor, 0, -1);
  EXPECT_EQ(editor.SelText(), "ab\r\ncd");
}

TEST_F(EditorTest, DoubleByteCharactersCountTwo) {
  SetText("aあb\r\nいう");
  EXPECT_EQ(editor.GetTextLen(), 10);
  EXPECT_EQ(em::LineIndex(editor, 1), 6);
  EXPECT_EQ(em::LineLength(editor, 7), 4);
  EXPECT_EQ(em::LineFromChar(editor, 5), 0);
  EXPECT_EQ(em::LineFromChar(editor, 6), 1);
  em::SetSel(editor, 1, 3);
  EXPECT_EQ(editor.SelText(), "あ");
  int32_t s = 0, t = 0;
  em::GetSel(editor, &s, &t);
  EXPECT_EQ(t - s, 2);
  // Positions: あ is two columns wide.
  const int32_t p = em::PosFromChar(editor, 3);
  EXPECT_EQ(Low(p), editor.LeftOffset() + 3 * editor.CharWidth());
  EXPECT_EQ(High(p), editor.TopOffset());
  const int32_t q = em::PosFromChar(editor, 8);  // う on row 1
  EXPECT_EQ(Low(q), editor.LeftOffset() + 2 * editor.CharWidth());
  EXPECT_EQ(High(q), editor.TopOffset() + editor.RowHeight());
}

TEST_F(EditorTest, WrappedRowsAreLinesWithoutLineEnds) {
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  SetText(std::string(50, 'a'));
  ASSERT_EQ(em::LineCount(editor), 3);
  EXPECT_EQ(em::LineIndex(editor, 1), 20);
  EXPECT_EQ(em::LineIndex(editor, 2), 40);
  EXPECT_EQ(em::LineFromChar(editor, 19), 0);
  EXPECT_EQ(em::LineFromChar(editor, 20), 1);
  EXPECT_EQ(em::LineFromChar(editor, 50), 2);
  EXPECT_EQ(em::LineLength(editor, 45), 10);
  EXPECT_EQ(editor.GetTextLen(), 50);
  char buf[64] = {};
  EXPECT_EQ(em::GetText(editor, buf, sizeof buf), 50);  // no CR LF between the rows
}

TEST_F(EditorTest, LineLengthOfMinusOneCountsTheUnselectedBytes) {
  SetText("abcdef\r\nghijk\r\nxyz");
  editor.SetRowCol(2, 1);
  EXPECT_EQ(em::LineLength(editor, -1), 3);  // the caret row
  EXPECT_EQ(em::LineFromChar(editor, -1), 2);
  em::SetSel(editor, 2, 10);  // "cdef\r\ngh"
  ASSERT_EQ(editor.SelText(), "cdef\r\ngh");
  EXPECT_EQ(em::LineLength(editor, -1), 2 + 3);  // "ab" and "ijk"
  EXPECT_EQ(em::LineFromChar(editor, -1), 0);
  em::SetSel(editor, 9, 11);  // "hi" within one row
  EXPECT_EQ(em::LineLength(editor, -1), 3);  // "g" and "jk"
  EXPECT_EQ(em::LineIndex(editor, -1), 8);  // the caret row
}

TEST_F(EditorTest, GetLineCopiesNoMoreThanTheBufferHolds) {
  SetText("abcdef\r\nあい");
  char buf[8];
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(em::GetLine(editor, 0, buf, 3), 3);
  EXPECT_EQ(std::string(buf, 4), "abc#");  // no zero, nothing past the size
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(em::GetLine(editor, 1, buf, 8), 4);
  EXPECT_EQ(std::string(buf, 5), "あい#");
  EXPECT_EQ(em::GetLine(editor, 2, buf, 8), 0);
  EXPECT_EQ(em::GetLine(editor, -1, buf, 8), 0);
  EXPECT_EQ(em::GetLine(editor, 0, nullptr, 8), 0);
  EXPECT_EQ(em::GetLine(editor, 0, buf, 0), 0);
}

TEST_F(EditorTest, GetTextStopsOneShortOfTheSize) {
  SetText("ab\r\ncd");
  char buf[8];
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(em::GetText(editor, buf, 4), 3);
  EXPECT_EQ(std::string(buf, 5), std::string("ab\r\0#", 5));
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(em::GetText(editor, buf, 0), 0);
  EXPECT_EQ(buf[0], '#');
}

TEST_F(EditorTest, CharFromPosFindsTheNearestBoundary) {
  SetText("aあb\r\ncd");
  // Between a and あ.
  int32_t r = em::CharFromPos(editor, At(0, 1).X, At(0, 1).Y, host.client);
  EXPECT_EQ(Low(r), 1);
  EXPECT_EQ(High(r), 0);
  // On the second half of あ, nearer its end: after it.
  r = em::CharFromPos(editor, At(0, 3).X - 1, At(0, 3).Y, host.client);
  EXPECT_EQ(Low(r), 3);
  // The second half of あ as a boundary moves before the character.
  r = em::CharFromPos(editor, At(0, 2).X, At(0, 2).Y, host.client);
  EXPECT_EQ(Low(r), 1);
  r = em::CharFromPos(editor, At(1, 9).X, At(1, 9).Y, host.client);  // past the row end
  EXPECT_EQ(Low(r), 6 + 2);
  EXPECT_EQ(High(r), 1);
  EXPECT_EQ(em::CharFromPos(editor, -1, 5, host.client), -1);
  EXPECT_EQ(em::CharFromPos(editor, 5, host.client.Bottom, host.client), -1);
}

TEST_F(EditorTest, ScrollCaretPutsTheCaretAThirdDown) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line\r\n";
  SetText(text);
  const int rows = editor.VisibleRows();
  ASSERT_GT(rows, 3);
  editor.SetTopRow(0);
  editor.SetRowCol(150, 0);
  editor.SetTopRow(0);
  em::ScrollCaret(editor);
  EXPECT_EQ(editor.TopRow(), 150 - rows / 3);
  const int top = editor.TopRow();
  em::ScrollCaret(editor);  // visible now: nothing moves
  EXPECT_EQ(editor.TopRow(), top);
  EXPECT_EQ(em::PosFromChar(editor, em::LineIndex(editor, 150)) >> 16 & 0xFFFF,
            editor.TopOffset() + (rows / 3) * editor.RowHeight());
}

TEST_F(EditorTest, ModifyReadOnlyUndoAndDialogCode) {
  SetText("ab");
  editor.SetModified(false);
  em::SetModify(editor, true);
  EXPECT_TRUE(editor.Modified());
  em::SetReadOnly(editor, true);
  EXPECT_TRUE(editor.ReadOnly());
  em::SetModify(editor, false);
  EXPECT_TRUE(editor.Modified());  // refused on a read-only pane
  editor.ListRows().UpdateRows(0, 1, "xy\r\n");
  ASSERT_TRUE(editor.ListRows().UndoObj().CanUndo());
  EXPECT_FALSE(em::CanUndo(editor));
  em::SetReadOnly(editor, false);
  EXPECT_TRUE(em::CanUndo(editor));

  editor.SetWantTabs(false);
  editor.SetWantReturns(false);
  EXPECT_EQ(em::DlgCode(editor, em::kWantTab | em::kWantAllKeys), em::kWantArrows | em::kWantChars);
  editor.SetWantTabs(true);
  editor.SetWantReturns(true);
  EXPECT_EQ(em::DlgCode(editor, 0),
            em::kWantArrows | em::kWantChars | em::kWantTab | em::kWantAllKeys);
  EXPECT_EQ(em::DlgCode(editor, 0, true),
            em::kWantArrows | em::kWantChars | em::kWantTab | em::kWantAllKeys);
  // The pane as Glean has it: Return wanted, Tab not. Asked about Tab, the pane lets it
  // move the focus on; asked about any other key, it wants them all.
  editor.SetWantTabs(false);
  EXPECT_EQ(em::DlgCode(editor, 0, true), em::kWantArrows | em::kWantChars);
  EXPECT_EQ(em::DlgCode(editor, 0, false), em::kWantArrows | em::kWantChars | em::kWantAllKeys);
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {

namespace em = glean::edit_msg;

TEST_F(EditorTest, SetTextUndoAndEmptyUndoBuffer) {
  em::SetText(editor, "ab\r\ncd");
  EXPECT_EQ(editor.Lines().GetText(), "ab\r\ncd");
  editor.ListRows().UpdateRows(0, 1, "xy\r\n");
  em::SetSel(editor, 0, 2);
  ASSERT_TRUE(em::CanUndo(editor));
  EXPECT_TRUE(em::Undo(editor));
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(editor.Lines().GetText(), "ab\r\ncd");
  EXPECT_FALSE(em::Undo(editor));  // nothing left to undo

  editor.ListRows().UpdateRows(0, 1, "xy\r\n");
  editor.SetReadOnly(true);
  em::SetText(editor, "zz");
  em::EmptyUndoBuffer(editor);
  EXPECT_FALSE(em::Undo(editor));
  EXPECT_EQ(editor.Lines().GetText(), "xy\r\ncd");  // a read-only pane keeps all
  editor.SetReadOnly(false);
  EXPECT_TRUE(em::CanUndo(editor));
  em::EmptyUndoBuffer(editor);
  EXPECT_FALSE(em::CanUndo(editor));
  EXPECT_FALSE(editor.ListRows().UndoObj().CanRedo());
}

TEST_F(EditorTest, CopyTextIsEmptyWithoutASelection) {
  SetText("abcdef\r\nghijkl");
  bool box = true;
  EXPECT_EQ(em::CopyText(editor, box), "");
  EXPECT_FALSE(box);
  em::SetSel(editor, 4, 10);
  EXPECT_EQ(em::CopyText(editor, box), "ef\r\ngh");
  EXPECT_FALSE(box);
  editor.SetSelectionMode(TEditorSelectionMode::smBox);
  editor.SetRowCol(0, 1);
  editor.StartSelection();
  editor.SetRowCol(1, 3);
  editor.ExtendSelection();
  EXPECT_EQ(em::CopyText(editor, box), "bc\r\nhi\r\n");
  EXPECT_TRUE(box);
}

}  // namespace
}  // namespace glean::testing
