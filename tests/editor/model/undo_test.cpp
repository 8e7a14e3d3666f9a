// Undo and redo give back identical rows, row ends and text; the limits of the lists.
#include "editor/model/undo.h"

#include <gtest/gtest.h>

#include <random>

#include "fake_editor.h"

namespace glean {
namespace {

using testing::FakeEditor;
using testing::Snapshot;

struct Picture {
  std::vector<std::pair<std::string, int>> rows;
  std::string text;
  bool operator==(const Picture& o) const { return rows == o.rows && text == o.text; }
};

void PrintTo(const Picture& p, std::ostream* os) {
  *os << "text \"" << p.text << "\" rows";
  for (auto& r : p.rows) *os << " [" << r.first << "|" << r.second << "]";
}

Picture Take(FakeEditor& e) { return {Snapshot(e.List()), e.Lines().GetText()}; }

class UndoTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    list().WrapOption().SetWrapByte(20);
    list().WrapOption().SetLeading(true);
    list().SetWordWrap(GetParam());
    e.Lines().SetText("alpha beta gamma delta epsilon\r\nあいうえおかきくけこさしすせそ\r\n\r\nlast line");
  }
  TEditorScreenStrings& list() { return e.List(); }
  // Applies one edit and checks that undo gives back the picture before it and redo the
  // picture after it.
  void RoundTrip(int row, int count, const std::string& text) {
    Picture before = Take(e);
    list().UpdateRows(row, count, text);
    Picture after = Take(e);
    ASSERT_TRUE(list().UndoObj().CanUndo());
    list().Undo();
    EXPECT_EQ(Take(e), before);
    ASSERT_TRUE(list().UndoObj().CanRedo());
    list().Redo();
    EXPECT_EQ(Take(e), after);
    list().Undo();
    EXPECT_EQ(Take(e), before);
    list().Redo();
  }
  FakeEditor e;
};

TEST_P(UndoTest, InsertionDeletionAndReplacementComeBackExactly) {
  RoundTrip(list().Count(), 0, "appended\r\n");
  RoundTrip(0, 0, "inserted\r\n");
  RoundTrip(0, 1, "");  // a whole line
  RoundTrip(1, 1, "あいうえお、かきくけこさしすせそたちつてと\r\n");
  RoundTrip(1, 2, "joined");  // a replacement that joins lines
  RoundTrip(list().Count() - 1, 1, "");
}

TEST_P(UndoTest, RandomEditSequencesUndoToTheStartAndRedoToTheEnd) {
  std::mt19937 rng(GetParam() ? 5 : 6);
  const std::vector<std::string> pieces = {"x", "yy ", "あ", "、", "\r\n", "（", "。", ""};
  std::vector<Picture> history{Take(e)};
  list().UndoObj().SetUndoListMax(1000);
  for (int step = 0; step < 150; ++step) {
    int row = list().Count() ? int(rng() % unsigned(list().Count() + 1)) : 0;
    int count = row < list().Count() ? int(rng() % 3) : 0;
    if (row + count > list().Count()) count = list().Count() - row;
    std::string text;
    for (int i = int(rng() % 4); i > 0; --i) text += pieces[rng() % pieces.size()];
    if (count == 0 && text.empty()) text = "z";
    list().UpdateRows(row, count, text);
    history.push_back(Take(e));
  }
  int steps = list().UndoObj().UndoList().Count();
  for (int i = int(history.size()) - 1; i > 0 && list().UndoObj().CanUndo(); --i) {
    list().Undo();
    ASSERT_EQ(Take(e), history[size_t(i - 1)]) << "undo to state " << i - 1;
  }
  EXPECT_EQ(Take(e), history.front());
  for (int i = 1; i <= steps; ++i) {
    list().Redo();
    ASSERT_EQ(Take(e), history[size_t(i)]) << "redo to state " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(WrapOffAndOn, UndoTest, ::testing::Bool());

TEST(Undo, TheListKeepsAtMostUndoListMaxSteps) {
  FakeEditor e;
  TEditorUndoObj& undo = e.List().UndoObj();
  undo.SetUndoListMax(10);
  EXPECT_EQ(undo.UndoListMax(), 64);
  for (int i = 0; i < 65; ++i) e.List().UpdateRows(e.List().Count(), 0, "x\r\n");
  EXPECT_EQ(undo.UndoList().Count(), 64);
  for (int i = 0; i < 64; ++i) e.List().Undo();
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_EQ(e.Lines().GetText(), "x\r\n");  // the first edit can no longer be undone
}

TEST(Undo, ANewEditEndsTheRedoHistoryButARedoDoesNot) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.UpdateRows(0, 0, "a\r\n");
  l.UpdateRows(1, 0, "b\r\n");
  l.Undo();
  l.Undo();
  EXPECT_EQ(l.UndoObj().RedoList().Count(), 2);
  l.Redo();
  EXPECT_EQ(l.UndoObj().RedoList().Count(), 1);
  EXPECT_TRUE(l.UndoObj().CanUndo());
  l.UpdateRows(1, 0, "c\r\n");
  EXPECT_FALSE(l.UndoObj().CanRedo());
  EXPECT_EQ(e.Lines().GetText(), "a\r\nc\r\n");
}

TEST(Undo, TheCaretGoesBackToWhereItWasAndIsShownAgain) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("one\r\ntwo\r\n");
  e.row = 1;
  e.col = 2;
  l.UpdateRows(1, 1, "tw-o\r\n");
  e.row = 1;
  e.col = 4;
  l.Undo();
  EXPECT_EQ(e.row, 1);
  EXPECT_EQ(e.col, 2);
  EXPECT_EQ(e.caretHidden, 0);
  e.row = 0;
  e.col = 0;
  l.Redo();  // to where the caret was when the undo ran
  EXPECT_EQ(e.row, 1);
  EXPECT_EQ(e.col, 4);
}

TEST(Undo, MarksOfAnUndoneInsertionGoToTheRowThatFollows) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\n");
  l.UpdateRows(1, 0, "b\r\nc\r\n");
  l.SetRowMarks(2, 0x40);
  l.IncludeMarks(0x40);
  l.Undo();
  EXPECT_EQ(e.Lines().GetText(), "a\r\n");
  EXPECT_EQ(l.RowMarks(0), 0x40);
  // Undoing everything down to an empty list drops the marks from the used set.
  l.UpdateRows(0, 1, "");
  l.Undo();
  l.SetRowMarks(0, 0x40);
  l.Redo();
  EXPECT_EQ(l.Count(), 0);
}

TEST(Undo, NothingToUndoAfterSetTextLoadOrAWrapChange) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.UpdateRows(0, 0, "x\r\n");
  e.Lines().SetText("y");
  EXPECT_FALSE(l.UndoObj().CanUndo());
  l.UpdateRows(0, 0, "x\r\n");
  l.SetWordWrap(true);
  EXPECT_FALSE(l.UndoObj().CanUndo());
  l.UpdateRows(0, 0, "x\r\n");
  l.Undo();
  l.WrapOption().SetWrapByte(30);
  EXPECT_FALSE(l.UndoObj().CanRedo());
  l.Undo();  // empty lists: nothing happens
  l.Redo();
  EXPECT_EQ(e.Lines().GetText(), "x\r\ny");
}

}  // namespace
}  // namespace glean
