// The editing primitive of the row list: rewrapping only what an edit touches, the row
// ends it chooses, image-bar marks through replacements, and what the controls are told.
#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "base/sjis.h"
#include "editor/model/undo.h"
#include "fake_editor.h"

namespace glean {
namespace {

using testing::FakeEditor;
using testing::Snapshot;

// The rows a full rewrap of the list's text would give.
std::vector<std::pair<std::string, int>> Rewrapped(FakeEditor& e) {
  FakeEditor fresh;
  fresh.List().WrapOption().Assign(e.List().WrapOption());
  fresh.List().SetWordWrap(e.List().WordWrap());
  fresh.Lines().SetText(e.Lines().GetText());
  return Snapshot(fresh.List());
}

int MarkBits(const TEditorScreenStrings& list) {
  int bits = 0;
  for (int r = 0; r < list.Count(); ++r) bits += std::popcount(unsigned(list.RowMarks(r)));
  return bits;
}

TEST(UpdateRows, InsertIntoAnEmptyListEndsTheTextAsTheInsertedTextEnds) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.UpdateRows(0, 0, "x");
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.Ref(0), "x");
  EXPECT_EQ(l.RowAttribute(0), TRowAttribute::EndOfText);
  l.Clear();
  l.UpdateRows(0, 0, "x\r\n");
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.RowAttribute(0), TRowAttribute::LineBreak);
  // A lone CR at the end is a line break as well: nothing is lost.
  l.Clear();
  l.UpdateRows(0, 0, "y\r");
  EXPECT_EQ(e.Lines().GetText(), "y\r\n");
}

TEST(UpdateRows, RangesOutsideTheListAndEmptyChangesDoNothing) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\nb");
  int changes = e.textChanged;
  l.UpdateRows(-1, 1, "x");
  l.UpdateRows(1, 2, "x");
  l.UpdateRows(3, 0, "x");
  l.UpdateRows(0, 0, "");
  EXPECT_EQ(e.textChanged, changes);
  EXPECT_FALSE(l.UndoObj().CanUndo());
  EXPECT_EQ(e.Lines().GetText(), "a\r\nb");
}

TEST(UpdateRows, AnEditInsideAWrappedLineGivesTheRowsOfAFullRewrap) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.WrapOption().SetWrapByte(20);
  l.WrapOption().SetWordBreak(true);
  l.WrapOption().SetLeading(true);
  l.SetWordWrap(true);
  e.Lines().SetText("first line\r\n" + std::string(30, 'a') + " " + std::string(30, 'b') +
                    "、あいう\r\nlast");
  ASSERT_EQ(l.RowAttribute(1), TRowAttribute::Wrapped);
  std::mt19937 rng(3);
  const std::vector<std::string> inserts = {"x", " ", "あ", "、", "\r\n", "（", "zz", ""};
  for (int step = 0; step < 300; ++step) {
    int row = int(rng() % unsigned(l.Count()));
    std::string text = l.Ref(row);
    size_t at = text.empty() ? 0 : rng() % (text.size() + 1);
    while (at > 0 && sjis::IsTrailPosition(text, at)) --at;
    if (rng() % 3 == 0 && at < text.size()) {
      text.erase(at, sjis::CharLength(text, at));
    } else {
      text.insert(at, inserts[rng() % inserts.size()]);
    }
    if (l.RowAttribute(row) == TRowAttribute::LineBreak) text += "\r\n";
    l.UpdateRows(row, 1, text);
    ASSERT_EQ(Snapshot(l), Rewrapped(e)) << "step " << step;
  }
}

TEST(UpdateRows, ReplacingTheLastRowOfALineJoinsTheNextLine) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("ab\r\ncd\r\nef");
  // "ab" replaced by "x" without a line break: the next line joins it.
  l.UpdateRows(0, 1, "x");
  EXPECT_EQ(e.Lines().GetText(), "xcd\r\nef");
  EXPECT_EQ(l.RowAttribute(l.Count() - 1), TRowAttribute::EndOfText);
  l.UpdateRows(1, 1, "gh\r\n");
  EXPECT_EQ(e.Lines().GetText(), "xcd\r\ngh\r\n");
  EXPECT_EQ(l.RowAttribute(1), TRowAttribute::LineBreak);
}

TEST(UpdateRows, ControlsAreToldOnceWithTheChangedRange) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\nb\r\nc\r\n");
  e.textChanged = 0;
  e.invalidated.clear();
  l.UpdateRows(1, 1, "B\r\nB2\r\n");
  EXPECT_EQ(e.textChanged, 1);
  EXPECT_EQ(e.lastSeen.Row, 1);
  // The next line takes part: the replaced text might not have ended with a line break.
  EXPECT_EQ(e.lastSeen.OldRowCount, 2);
  EXPECT_EQ(e.lastSeen.NewRowCount, 3);
  EXPECT_EQ(e.lastSeen.ReparsedRowCount, 3);
  EXPECT_EQ(e.lastSeen.Valid, 1);
  EXPECT_EQ(e.invalidated, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(l.LastUpdate().Valid, 0);  // zeroed once the block closed
  // Whole-line deletion.
  l.UpdateRows(0, 2, "");
  EXPECT_EQ(e.lastSeen.Row, 0);
  EXPECT_EQ(e.lastSeen.OldRowCount, 2);
  EXPECT_EQ(e.lastSeen.NewRowCount, 0);
  EXPECT_EQ(e.Lines().GetText(), "B2\r\nc\r\n");
}

TEST(UpdateRows, TheCaretAndTopRowAreClampedToTheRows) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\nb\r\nc\r\nd");
  e.row = 3;
  e.topRow = 3;
  l.UpdateRows(1, 3, "");  // leaves "a" LineBreak: an empty row may follow it
  EXPECT_EQ(l.Count(), 1);
  EXPECT_EQ(e.row, 1);
  EXPECT_EQ(e.topRow, 1);
  e.Lines().SetText("a\r\nb");
  e.row = 5;
  l.UpdateRows(0, 1, "z\r\n");  // last row EndOfText: nothing after it
  EXPECT_EQ(e.row, 1);
}

TEST(Marks, DeletingTheLastLineKeepsItsMarksOnTheRowAbove) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\nb\r\nc\r\n");
  l.SetRowMarks(2, 0x4);
  l.IncludeMarks(0x4);
  l.UpdateRows(2, 1, "");
  EXPECT_EQ(l.Count(), 2);
  EXPECT_EQ(l.RowMarks(1), 0x4);
  EXPECT_EQ(l.GetUsedMarks(), 0x4);
  l.UpdateRows(0, 2, "");
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(l.GetUsedMarks(), 0);
}

TEST(Marks, ASplitRowKeepsItsMarksWithTheTextThatMoved) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("first\r\nsecond\r\n");
  l.SetRowMarks(1, 0x10);
  // Return at the start of row 1 (caret column 0): the mark goes down with "second".
  e.col = 0;
  l.UpdateRows(1, 1, "\r\nsecond\r\n");
  EXPECT_EQ(Snapshot(l)[2].first, "second");
  EXPECT_EQ(l.RowMarks(1), 0);
  EXPECT_EQ(l.RowMarks(2), 0x10);
  // Return inside the row (caret column 3): the mark stays on the upper part.
  e.col = 3;
  l.UpdateRows(2, 1, "sec\r\nond\r\n");
  EXPECT_EQ(l.RowMarks(2), 0x10);
  EXPECT_EQ(l.RowMarks(3), 0);
  // Joining rows (fewer new rows): the marks of the rows that went end on the first.
  l.SetRowMarks(3, 0x20);
  l.UpdateRows(2, 2, "second\r\n");
  EXPECT_EQ(l.RowMarks(2), 0x30);
  EXPECT_EQ(MarkBits(l), 2);
}

TEST(Marks, RandomEditsNeverDuplicateMarksAndLoseThemOnlyWithTheirText) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.WrapOption().SetWrapByte(20);
  l.SetWordWrap(true);
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + std::string(i % 45, 'q') + "\r\n";
  e.Lines().SetText(text);
  for (int r = 0; r < l.Count() && r < 16; ++r) l.SetRowMarks(r * 2 % l.Count(), uint16_t(1u << r));
  std::mt19937 rng(11);
  for (int step = 0; step < 400 && l.Count() > 1; ++step) {
    int before = MarkBits(l);
    int row = int(rng() % unsigned(l.Count()));
    int count = 1 + int(rng() % 3);
    if (row + count > l.Count()) count = l.Count() - row;
    TLineText old = l.GetLineText(row, count);
    std::string replacement = old.Text;
    if (!replacement.empty() && rng() % 2) replacement.insert(rng() % replacement.size(), std::string(1 + rng() % 30, 'w'));
    e.col = int(rng() % 2);
    l.UpdateRows(row, count, replacement);
    // Same text back (possibly longer): every mark is still there exactly once.
    uint16_t seen = 0;
    for (int r = 0; r < l.Count(); ++r) {
      EXPECT_EQ(seen & l.RowMarks(r), 0) << "mark duplicated at step " << step;
      seen |= l.RowMarks(r);
    }
    if (l.Count() > 0) {
      EXPECT_EQ(MarkBits(l), before) << "mark lost at step " << step;
    }
  }
}

TEST(WordWrap, TogglingTwiceRestoresLinesAndMarksAndEmptiesUndo) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText(std::string(200, 'a') + "\r\nshort\r\n" + std::string(90, 'b'));
  l.SetRowMarks(0, 1);
  l.SetRowMarks(2, 4);
  l.UpdateRows(1, 1, "SHORT\r\n");
  ASSERT_TRUE(l.UndoObj().CanUndo());
  auto before = Snapshot(l);
  l.SetWordWrap(true);
  EXPECT_EQ(l.Count(), 6);  // 80 + 80 + 40, short, 80 + 10
  EXPECT_EQ(l.RowMarks(0), 1);
  EXPECT_EQ(l.RowMarks(4), 4);
  EXPECT_EQ(l.RowAttribute(5), TRowAttribute::EndOfText);
  EXPECT_FALSE(l.UndoObj().CanUndo());
  EXPECT_GT(e.updateMetrics, 0);
  e.col = 7;
  l.SetWordWrap(false);
  EXPECT_EQ(Snapshot(l), before);
  EXPECT_EQ(l.RowMarks(0), 1);
  EXPECT_EQ(l.RowMarks(2), 4);
  EXPECT_EQ(e.col, 0);
  EXPECT_FALSE(l.UndoObj().CanUndo());
  EXPECT_FALSE(l.UndoObj().CanRedo());
}

TEST(WordWrap, RewrapGathersTheMarksOfRowsThatDisappear) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.SetWordWrap(true);
  e.Lines().SetText(std::string(200, 'a') + "\r\n");
  ASSERT_EQ(l.Count(), 3);
  l.SetRowMarks(1, 2);
  l.SetRowMarks(2, 8);
  l.WrapOption().SetWrapByte(250);  // rewraps: one row
  ASSERT_EQ(l.Count(), 1);
  EXPECT_EQ(l.RowMarks(0), 10);
}

TEST(WordWrap, ChangesWhileTheControlLoadsAreOnlyStored) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText(std::string(200, 'a'));
  e.loading = true;
  l.SetWordWrap(true);
  EXPECT_TRUE(l.WordWrap());
  EXPECT_EQ(l.Count(), 1);
  l.WrapOption().SetWrapByte(30);
  EXPECT_EQ(l.Count(), 1);
  e.loading = false;
  l.Rewrap();
  EXPECT_EQ(l.Count(), 7);
}

TEST(Clear, EmptiesRowsUndoAndMarksAndTellsTheControls) {
  FakeEditor e;
  TEditorScreenStrings& l = e.List();
  e.Lines().SetText("a\r\nb\r\n");
  l.UpdateRows(0, 1, "c\r\n");
  l.IncludeMarks(3);
  e.row = 1;
  e.col = 4;
  int changes = e.textChanged, cleans = e.cleanSelection;
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(e.textChanged, changes + 1);
  EXPECT_EQ(e.lastSeen.OldRowCount, 2);  // seen from inside the notification
  EXPECT_EQ(e.cleanSelection, cleans + 1);
  EXPECT_FALSE(l.UndoObj().CanUndo());
  EXPECT_EQ(l.GetUsedMarks(), 0);
  EXPECT_EQ(e.row, 0);
  EXPECT_EQ(e.col, 0);
  EXPECT_EQ(l.LastUpdate().Valid, 0);
}

TEST(Editors, TheFocusedControlIsActiveAndTheLastDetachFreesTheList) {
  auto* first = new FakeEditor;
  TEditorScreenStrings* shared = &first->List();
  FakeEditor second(shared);
  EXPECT_EQ(shared->FirstEditor(), first);
  EXPECT_EQ(shared->ActiveEditor(), first);
  second.focused = true;
  EXPECT_EQ(shared->ActiveEditor(), &second);
  second.Lines().SetText("x\r\n");
  EXPECT_EQ(first->Lines().GetText(), "x\r\n");
  shared->UpdateRows(0, 1, "y\r\n");
  EXPECT_GT(first->textChanged, 0);
  EXPECT_GT(second.textChanged, 0);
  delete first;  // the list lives on for the second control
  EXPECT_EQ(shared->FirstEditor(), &second);
  EXPECT_EQ(second.Lines().GetText(), "y\r\n");
}  // the second control detaches last: the list is freed (the leak checker would tell)

}  // namespace
}  // namespace glean

namespace glean {
namespace {

TEST(UpdateRows, AnEmptyLastRowKeepsTheLineBreakBeforeIt) {
  testing::FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.WrapOption().SetWrapByte(20);
  l.SetWordWrap(true);
  e.Lines().SetText(std::string(20, 'w'));  // a full row, then an empty EndOfText row
  ASSERT_EQ(l.Count(), 2);
  ASSERT_EQ(l.RowAttribute(1), TRowAttribute::EndOfText);
  l.UpdateRows(0, 1, "x\r\n");
  EXPECT_EQ(e.Lines().GetText(), "x\r\n");
  EXPECT_EQ(testing::Snapshot(l), (std::vector<std::pair<std::string, int>>{{"x", 0}, {"", 2}}));
  l.Undo();
  EXPECT_EQ(e.Lines().GetText(), std::string(20, 'w'));
  EXPECT_EQ(l.Count(), 2);
  l.Redo();
  EXPECT_EQ(e.Lines().GetText(), "x\r\n");
  EXPECT_EQ(l.Count(), 2);
}

TEST(UpdateRows, ADeletionAtTheEndOfAWrappedLineRewrapsTheWholeLine) {
  testing::FakeEditor e;
  TEditorScreenStrings& l = e.List();
  l.WrapOption().SetWrapByte(20);
  l.WrapOption().SetWordBreak(true);
  l.SetWordWrap(true);
  // A run without delimiters is cut after 6 columns while it is wider than a row.
  e.Lines().SetText(std::string(24, 'k') + std::string(10, 'q'));
  auto before = testing::Snapshot(l);
  ASSERT_EQ(before.size(), 4u);
  l.UpdateRows(3, 1, "");  // 18 columns are left: one row, as wrapping them anew gives
  auto after = testing::Snapshot(l);
  EXPECT_EQ(after, (std::vector<std::pair<std::string, int>>{{std::string(18, 'k'), 2}}));
  l.Undo();
  EXPECT_EQ(testing::Snapshot(l), before);
  l.Redo();
  EXPECT_EQ(testing::Snapshot(l), after);
}

}  // namespace
}  // namespace glean
