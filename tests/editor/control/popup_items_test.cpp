// The editor's own popup menu on the core: items, enabling rules, check marks, the mark
// toggles and the box-mode item.
#include "editor/control/core/popup_items.h"

#include "fake_host.h"

namespace glean::testing {
namespace {

namespace pm = glean::popup;

class PopupTest : public EditorTest {
 protected:
  bool Enabled(int id) { return pm::StateOf(editor, id).Enabled; }
  bool Checked(int id) { return pm::StateOf(editor, id).Checked; }
};

TEST_F(PopupTest, ItemsCaptionsAndShortcutsInOrder) {
  std::vector<std::string> top;
  for (const pm::TItem& item : pm::Items())
    if (item.Parent == 0) top.push_back(item.Caption + "|" + item.Shortcut);
  EXPECT_EQ(top, (std::vector<std::string>{
                     "マーク設定|", "マークジャンプ|", "-|", "元に戻す(&U)|Ctrl+Z",
                     "やり直し(&R)|Ctrl+A", "-|", "切り取り(&T)|Ctrl+X", "コピー(&C)|Ctrl+C",
                     "貼り付け(&P)|Ctrl+V", "Box貼り付け(&B)|Ctrl+B", "削除(&D)|", "-|",
                     "すべて選択(&A)|", "-|", "Box選択モード(&K)|Ctrl+K"}));
  int marks = 0;
  for (const pm::TItem& item : pm::Items())
    if (item.Parent == pm::kMarks) {
      EXPECT_EQ(item.Caption, std::to_string(marks));
      EXPECT_EQ(item.Shortcut, "Shift+Ctrl+" + std::to_string(marks));
      ++marks;
    }
  EXPECT_EQ(marks, 10);
  EXPECT_EQ(pm::ForShortcut('3', ssCtrl), pm::kMarkJump + 3);
  EXPECT_EQ(pm::ForShortcut('3', ssCtrl | ssShift), pm::kMarkSet + 3);
  EXPECT_EQ(pm::ForShortcut('A', ssCtrl), pm::kRedo);
  EXPECT_EQ(pm::ForShortcut('Y', ssCtrl), 0);
}

TEST_F(PopupTest, WithNothingSelectedCutCopyAndDeleteAreDisabled) {
  SetText("abc");
  EXPECT_FALSE(Enabled(pm::kCut));
  EXPECT_FALSE(Enabled(pm::kCopy));
  EXPECT_FALSE(Enabled(pm::kDelete));
  EXPECT_FALSE(Enabled(pm::kPaste));
  EXPECT_FALSE(Enabled(pm::kBoxPaste));
  host.SetClipboardText("x", false);
  EXPECT_TRUE(Enabled(pm::kPaste));
  EXPECT_TRUE(Enabled(pm::kBoxPaste));
  EXPECT_TRUE(Enabled(pm::kSelectAll));
  EXPECT_FALSE(Enabled(pm::kUndo));
  pm::Run(editor, pm::kPaste);
  EXPECT_EQ(editor.Lines().GetText(), "xabc");
  EXPECT_TRUE(Enabled(pm::kUndo));
  pm::Run(editor, pm::kUndo);
  EXPECT_EQ(editor.Lines().GetText(), "abc");
  EXPECT_TRUE(Enabled(pm::kRedo));
  pm::Run(editor, pm::kRedo);
  EXPECT_EQ(editor.Lines().GetText(), "xabc");
  SetText("");
  EXPECT_FALSE(Enabled(pm::kSelectAll));
}

TEST_F(PopupTest, OnAReadOnlyEditorOnlyCopySelectAllMarksAndBoxModeAreEnabled) {
  SetText("abc");
  host.SetClipboardText("x", false);
  editor.SetRowCol(0, 1);
  editor.TypeText("y");  // something to undo
  editor.SelectAll();
  editor.SetReadOnly(true);
  for (const pm::TItem& item : pm::Items()) {
    if (item.Id == 0) continue;
    const bool expected = item.Id == pm::kCopy || item.Id == pm::kSelectAll ||
                          item.Id == pm::kMarks || item.Id == pm::kJumps ||
                          item.Id == pm::kBoxMode || item.Parent != 0;
    EXPECT_EQ(Enabled(item.Id), expected) << item.Caption;
  }
}

TEST_F(PopupTest, MarkTogglesAndChecks) {
  SetText("a\r\nb\r\nc");
  editor.SetRowCol(1, 0);
  pm::Run(editor, pm::kMarkSet + 3);
  EXPECT_TRUE(editor.ListRows().RowMarks(1) & (1 << 3));
  EXPECT_TRUE(Checked(pm::kMarkSet + 3));
  EXPECT_TRUE(Checked(pm::kMarkJump + 3));
  editor.SetRowCol(2, 0);
  pm::Run(editor, pm::kMarkSet + 3);  // elsewhere: moves there
  EXPECT_FALSE(editor.ListRows().RowMarks(1) & (1 << 3));
  EXPECT_TRUE(editor.ListRows().RowMarks(2) & (1 << 3));
  editor.SetRowCol(0, 0);
  pm::Run(editor, pm::kMarkJump + 3);
  EXPECT_EQ(editor.Row(), 2);
  pm::Run(editor, pm::kMarkSet + 3);  // on its row: removed
  EXPECT_FALSE(editor.ListRows().RowMarks(2) & (1 << 3));
  EXPECT_FALSE(Checked(pm::kMarkSet + 3));
}

TEST_F(PopupTest, BoxModeTwiceReturnsToNormal) {
  EXPECT_FALSE(Checked(pm::kBoxMode));
  pm::Run(editor, pm::kBoxMode);
  EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smBox);
  EXPECT_TRUE(Checked(pm::kBoxMode));
  pm::Run(editor, pm::kBoxMode);
  EXPECT_EQ(editor.SelectionMode(), TEditorSelectionMode::smNormal);
}

}  // namespace
}  // namespace glean::testing
