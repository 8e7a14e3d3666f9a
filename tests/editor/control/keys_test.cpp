// Keyboard and input-method input on the core: the host events first, the key table,
// Backspace, Tab, Return, single- and double-byte characters and the IME result.
#include "base/sjis.h"
#include "editor/model/undo.h"
#include "fake_host.h"

namespace glean::testing {
namespace {

class KeysTest : public EditorTest {
 protected:
  std::string Text() { return editor.Lines().GetText(); }
  int UndoSteps() { return editor.ListRows().UndoObj().UndoList().Count(); }
  void Key(uint16_t key, TShiftState shift = 0) { editor.KeyDown(key, shift, false); }
  void Char(char c, TShiftState shift = 0) { editor.KeyPress(c, shift); }
  void Type(const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
      if (sjis::IsLeadByte(s[i]) && i + 1 < s.size()) host.queuedBytes = s.substr(i + 1, 1);
      Char(s[i]);
      if (sjis::IsLeadByte(s[i])) ++i;
    }
  }
  void ExpectCaret(int row, int col) {
    EXPECT_EQ(editor.Row(), row);
    EXPECT_EQ(editor.Col(), col);
  }
};

TEST_F(KeysTest, TheHostSeesEveryKeyFirstAndMaySwallowIt) {
  SetText("abc");
  std::vector<uint16_t> downs, ups;
  editor.OnKeyDown = [&](TObject* sender, uint16_t& key, TShiftState) {
    EXPECT_EQ(sender, &editor);
    downs.push_back(key);
    if (key == vk::Left) key = 0;
  };
  editor.OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) { ups.push_back(key); };
  editor.OnKeyPress = [&](TObject*, char& c) {
    if (c == 'a') c = 'b';
    if (c == 'q') c = 0;
  };
  int moves = 0;
  editor.OnCaretMoved = [&](TObject*) { ++moves; };
  Key(vk::Right);
  ExpectCaret(0, 1);
  EXPECT_GE(moves, 1);
  Key(vk::Left);  // swallowed
  ExpectCaret(0, 1);
  editor.KeyUp(vk::Left, 0);
  EXPECT_EQ(downs, (std::vector<uint16_t>{vk::Right, vk::Left}));
  EXPECT_EQ(ups, (std::vector<uint16_t>{vk::Left}));
  Char('a');
  Char('q');
  EXPECT_EQ(Text(), "abbc");
}

TEST_F(KeysTest, FocusEventsAndTheDoubleClick) {
  int enter = 0, exit = 0, dbl = 0;
  editor.OnEnter = [&](TObject*) { ++enter; };
  editor.OnExit = [&](TObject*) { ++exit; };
  editor.OnDblClick = [&](TObject*) { ++dbl; };
  editor.FocusChanged(true);
  editor.FocusChanged(false);
  editor.DblClick();
  EXPECT_EQ(enter, 1);
  EXPECT_EQ(exit, 1);
  EXPECT_EQ(dbl, 1);
}

TEST_F(KeysTest, MovementKeys) {
  SetText("abc\r\ndefgh\r\nij");
  editor.Caret().SetNextLine(true);
  editor.Caret().SetFreeCaret(false);
  editor.SetRowCol(1, 0);
  Key(vk::Left);
  ExpectCaret(0, 3);  // to the end of the previous row
  Key(vk::Right);
  ExpectCaret(1, 0);
  Key(vk::End);
  ExpectCaret(1, 5);
  Key(vk::Home);
  ExpectCaret(1, 0);
  Key(vk::Down);
  ExpectCaret(2, 0);
  Key(vk::Down);  // the EndOfText row: no further
  ExpectCaret(2, 0);
  Key(vk::Home, ssCtrl);
  ExpectCaret(0, 0);
  Key(vk::End, ssCtrl);
  ExpectCaret(2, 2);
}

TEST_F(KeysTest, CtrlEndAfterAFinalLineBreakGoesToTheEmptyRow) {
  SetText("ab\r\ncd\r\n");
  Key(vk::End, ssCtrl);
  ExpectCaret(2, 0);
}

TEST_F(KeysTest, ShiftMovesSelectAndPlainMovesRemoveTheSelection) {
  SetText("abc\r\ndef");
  Key(vk::Right, ssShift);
  Key(vk::Down, ssShift);
  EXPECT_TRUE(editor.Selected());
  EXPECT_EQ(editor.SelText(), "abc\r\nd");
  Key(vk::Left);
  EXPECT_FALSE(editor.Selected());
}

TEST_F(KeysTest, PageMovesKeepTheCaretsPlaceInTheWindow) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "row\r\n";
  SetText(text);
  const int page = ((editor.VisibleRows() - 1) / 2) * editor.Speed().PageVerticalRange();
  ASSERT_GT(page, 0);
  editor.SetRowCol(3, 0);
  Key(vk::Next);
  EXPECT_EQ(editor.TopRow(), page);
  EXPECT_EQ(editor.Row(), 3 + page);
  Key(vk::Prior);
  EXPECT_EQ(editor.TopRow(), 0);
  EXPECT_EQ(editor.Row(), 3);
  Key(vk::Prior);  // at the top: to row 0
  EXPECT_EQ(editor.Row(), 0);
}

TEST_F(KeysTest, TokenMovesSkipSymbols) {
  SetText("abc, def\r\nghi");
  Key(vk::Right, ssCtrl);
  ExpectCaret(0, 5);
  Key(vk::Right, ssCtrl);
  ExpectCaret(0, 8);  // no token after it: the row's end
  Key(vk::Right, ssCtrl);
  ExpectCaret(1, 0);
  Key(vk::Left, ssCtrl);
  ExpectCaret(0, 8);  // stops at the end of a row with a line break
  Key(vk::Left, ssCtrl);
  ExpectCaret(0, 5);
  Key(vk::Left, ssCtrl);
  ExpectCaret(0, 0);
}

TEST_F(KeysTest, DeleteRemovesCharactersAndTheFinalLineBreak) {
  SetText("aあb\r\ncd\r\n");
  editor.SetRowCol(0, 1);
  Key(vk::Delete);
  EXPECT_EQ(Text(), "ab\r\ncd\r\n");  // both bytes of あ
  editor.SetRowCol(1, 2);
  Key(vk::Delete);
  EXPECT_EQ(Text(), "ab\r\ncd");
  ExpectCaret(1, 2);
  Key(vk::Delete);  // the EndOfText row's end: nothing
  EXPECT_EQ(Text(), "ab\r\ncd");
  EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(KeysTest, DeleteBeyondTheEndPadsAndJoins) {
  SetText("ab\r\ncd");
  editor.SetRowCol(0, 4);
  Key(vk::Delete);
  EXPECT_EQ(Text(), "ab  cd");
  ExpectCaret(0, 4);
}

TEST_F(KeysTest, BackspaceDeletesJoinsAndUnIndents) {
  SetText("aあ\r\nb");
  editor.SetRowCol(0, 3);
  Char(8);
  EXPECT_EQ(Text(), "a\r\nb");
  ExpectCaret(0, 1);
  editor.SetRowCol(1, 0);
  Char(8);
  EXPECT_EQ(Text(), "ab");
  ExpectCaret(0, 1);

  SetText("  a\r\n    b");
  editor.SetRowCol(1, 4);
  Char(8);
  EXPECT_EQ(Text(), "  a\r\n  b");  // to the indent of the row above
  ExpectCaret(1, 2);
  editor.Caret().SetBackSpaceUnIndent(false);
  Char(8);
  EXPECT_EQ(Text(), "  a\r\n b");
}

TEST_F(KeysTest, BackspaceUnIndentReplacesACutTabBySpaces) {
  SetText("  a\r\n\tb");
  editor.SetRowCol(1, 8);
  Char(8);
  EXPECT_EQ(Text(), "  a\r\n  b");
  ExpectCaret(1, 2);
}

TEST_F(KeysTest, ReturnWithAutoIndent) {
  SetText("    abc");
  editor.SetRowCol(0, 7);
  Char(13);
  EXPECT_EQ(Text(), "    abc\r\n    ");
  ExpectCaret(1, 4);
  SetText("    abc");
  editor.SetRowCol(0, 2);
  Char(13);
  EXPECT_EQ(Text(), "  \r\n    abc");  // two spaces, and the tail keeps its own
  ExpectCaret(1, 2);
  editor.Caret().SetAutoIndent(false);
  SetText("  x");
  editor.SetRowCol(0, 3);
  Char(13);
  EXPECT_EQ(Text(), "  x\r\n");
  ExpectCaret(1, 0);
}

TEST_F(KeysTest, ShiftReturnWithTabIndentInsertsALineAbove) {
  editor.Caret().SetTabIndent(true);
  SetText("\tabc\r\nz");
  editor.SetRowCol(0, 10);
  Char(13, ssShift);
  EXPECT_EQ(Text(), "\t\r\n\tabc\r\nz");
  ExpectCaret(0, 8);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(KeysTest, PrevSpaceIndentOnAnEmptyLine) {
  editor.Caret().SetPrevSpaceIndent(true);
  SetText("   x\r\n\r\n");
  editor.SetRowCol(1, 0);
  Char(13);
  EXPECT_EQ(Text(), "   x\r\n\r\n   \r\n");
  ExpectCaret(2, 3);
}

TEST_F(KeysTest, TabTypesATabOrSpaces) {
  SetText("abc");
  editor.SetRowCol(0, 3);
  Char(9);
  EXPECT_EQ(Text(), "abc\t");
  ExpectCaret(0, 8);
  editor.Caret().SetSoftTab(true);
  SetText("abc");
  editor.SetRowCol(0, 3);
  Char(9);
  EXPECT_EQ(Text(), "abc     ");
  Char(9, ssShift);  // not with Shift
  editor.SetWantTabs(false);
  Char(9);
  EXPECT_EQ(Text(), "abc     ");
}

TEST_F(KeysTest, DoubleByteCharactersComeAsPairs) {
  SetText("");
  Type("aあい");
  EXPECT_EQ(Text(), "aあい");
  ExpectCaret(0, 5);
  host.queuedBytes.clear();
  Char('\x82');  // a lead byte without its trail: dropped
  EXPECT_EQ(Text(), "aあい");
}

TEST_F(KeysTest, AnImeResultIsTypedOnceAndItsCharactersDropped) {
  SetText("x");
  editor.SetRowCol(0, 1);
  editor.ImeResult("漢字か");
  EXPECT_EQ(Text(), "x漢字か");
  EXPECT_EQ(editor.ImeSkipCount(), 6);
  Type("漢字か");  // the six bytes that follow through WM_CHAR
  EXPECT_EQ(Text(), "x漢字か");
  EXPECT_EQ(editor.ImeSkipCount(), 0);
  Char('!');
  EXPECT_EQ(Text(), "x漢字か!");
  EXPECT_EQ(UndoSteps(), 2);
}

TEST_F(KeysTest, TheCandidateWindowHidesTheCaret) {
  SetText("x");
  editor.UpdateCaret();
  EXPECT_TRUE(host.caretVisible);
  editor.ImeCandidateWindow(true);
  EXPECT_FALSE(host.caretVisible);
  editor.ImeCandidateWindow(false);
  EXPECT_TRUE(host.caretVisible);
}

TEST_F(KeysTest, ReadOnlyMovesButDoesNotEdit) {
  SetText("ab\r\ncd");
  editor.SetReadOnly(true);
  editor.SetRowCol(0, 1);
  Key(vk::Delete);
  Char(8);
  Char(9);
  Char(13);
  Char('x');
  Type("あ");
  editor.ImeResult("い");
  EXPECT_EQ(Text(), "ab\r\ncd");
  Key(vk::Right, ssShift);
  EXPECT_EQ(editor.SelText(), "b");
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(KeysTest, KeysAreIgnoredWhileTheButtonIsDown) {
  SetText("abc");
  editor.MouseDown(At(0, 1), false, false);
  Key(vk::Right);
  Char('x');
  ExpectCaret(0, 1);
  EXPECT_EQ(Text(), "abc");
  editor.MouseUp(At(0, 1), false);
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {

TEST_F(KeysTest, ReturnOverASelectionReplacesItInOneStep) {
  SetText("    abcdef\r\nxyz");
  editor.SetSelStart(6);
  editor.SetSelLength(2);  // "cd"
  Char(13, ssShift);       // Shift+Return does nothing with a selection
  EXPECT_EQ(Text(), "    abcdef\r\nxyz");
  Char(13);
  EXPECT_EQ(Text(), "    ab\r\n    ef\r\nxyz");
  ExpectCaret(1, 4);
  EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(KeysTest, EditingAWrappedLineKeepsTheCaretAfterTheEdit) {
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  const std::string text = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHI";
  SetText(text);
  ASSERT_EQ(editor.ListRows().Count(), 3);
  editor.SetRowCol(1, 0);
  Char(8);  // after a wrapped row: the previous row's last character goes
  std::string expected = text;
  expected.erase(19, 1);
  EXPECT_EQ(Text(), expected);
  EXPECT_EQ(editor.SelStart(), 19);
  Type("JJ");
  expected.insert(19, "JJ");
  EXPECT_EQ(Text(), expected);
  EXPECT_EQ(editor.SelStart(), 21);
  EXPECT_EQ(editor.Row(), 1);
  Key(vk::End, ssCtrl);
  Char(13);
  Type("z");
  EXPECT_EQ(Text(), expected + "\r\nz");
  EXPECT_EQ(UndoSteps(), 5);
}

TEST_F(KeysTest, ThePaneConfigurationTypesAndDeletes) {
  ConfigurePane(editor);
  editor.WrapOption().SetWrapByte(20);
  editor.Resized();
  SetText("∇ ﾀｲﾄﾙ ∇\r\n本文の行\r\n");
  editor.SetRowCol(1, 8);
  Type("です");
  EXPECT_EQ(Text(), "∇ ﾀｲﾄﾙ ∇\r\n本文の行です\r\n");
  Key(vk::Right);  // NextLine: on to the empty row after the last line break
  ExpectCaret(2, 0);
  Char(8);
  EXPECT_EQ(Text(), "∇ ﾀｲﾄﾙ ∇\r\n本文の行です");
  ExpectCaret(1, 12);
  Char(9);  // WantTabs is off in the pane
  EXPECT_EQ(Text(), "∇ ﾀｲﾄﾙ ∇\r\n本文の行です");
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {
// Typed Unicode can reach the pane as a lead byte and, in a later message, its trail byte.
TEST_F(EditorTest, ALeadByteWaitsForItsTrailByteInTheNextMessage) {
  SetText("");
  editor.KeyPress('\x82', 0);
  EXPECT_EQ(editor.Lines().GetText(), "");
  editor.KeyPress('\xA0', 0);
  editor.KeyPress('\x8A', 0);
  editor.KeyPress('\x0D', 0);  // not a trail byte: the lead byte goes, the Return stays
  EXPECT_EQ(editor.Lines().GetText(), "\x82\xA0\r\n");
}
}  // namespace
}  // namespace glean::testing
