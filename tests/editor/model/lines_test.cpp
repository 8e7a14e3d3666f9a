// The Lines facade: logical lines over screen rows, whole-text set and get, files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "base/errors.h"
#include "fake_editor.h"

namespace glean {
namespace {

using testing::FakeEditor;

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "glean_lines_" + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Lines, AddAppendsLinesAndKeepsAMissingFinalLineBreakMissing) {
  FakeEditor e;
  TEditorStrings& lines = e.Lines();
  EXPECT_EQ(lines.Add("x"), 0);
  EXPECT_EQ(lines.Add("y"), 1);
  EXPECT_EQ(lines.GetText(), "x\r\ny\r\n");
  EXPECT_EQ(lines.Count(), 2);
  lines.SetText("x\r\ny");
  EXPECT_EQ(lines.Add("z"), 2);
  EXPECT_EQ(lines.GetText(), "x\r\ny\r\nz");
  EXPECT_EQ(e.List().RowAttribute(2), TRowAttribute::EndOfText);
  EXPECT_EQ(e.cancelSelection, 3);
  EXPECT_EQ(e.caretHidden, 0);
}

TEST(Lines, PutInsertAndDeleteWorkOnWholeLines) {
  FakeEditor e;
  TEditorStrings& lines = e.Lines();
  lines.SetText("a\r\nb\r\nc");
  lines.Put(2, "C");
  EXPECT_EQ(lines.GetText(), "a\r\nb\r\nC");  // the last line keeps its missing line break
  lines.Put(0, "A");
  EXPECT_EQ(lines.GetText(), "A\r\nb\r\nC");
  EXPECT_EQ(e.caretByOffset, (std::pair<int, int>{0, 3}));
  lines.Insert(1, "new");
  EXPECT_EQ(lines.GetText(), "A\r\nnew\r\nb\r\nC");
  EXPECT_EQ(e.caretByOffset, (std::pair<int, int>{1, 5}));
  lines.Insert(4, "end");  // at the count: an Add
  EXPECT_EQ(lines.GetText(), "A\r\nnew\r\nb\r\nC\r\nend");
  lines.Delete(1);
  EXPECT_EQ(lines.GetText(), "A\r\nb\r\nC\r\nend");
  EXPECT_EQ(e.caretByOffset, (std::pair<int, int>{1, 0}));
  EXPECT_THROW(lines.Get(4), EListError);
  EXPECT_THROW(lines.Put(-1, "x"), EListError);
  lines.SetText("only");
  lines.Delete(0);
  EXPECT_EQ(e.List().Count(), 0);
}

TEST(Lines, WithWordWrapALineIsTheRunOfItsRows) {
  FakeEditor e;
  e.List().SetWordWrap(true);
  TEditorStrings& lines = e.Lines();
  std::string wide = std::string(100, 'w') + std::string(100, 'v');
  lines.SetText(wide + "\r\nshort\r\n" + std::string(170, 'z'));
  EXPECT_EQ(e.List().Count(), 3 + 1 + 3);
  EXPECT_EQ(lines.Count(), 3);
  EXPECT_EQ(lines.Get(0), wide);
  EXPECT_EQ(lines.Get(2), std::string(170, 'z'));
  EXPECT_EQ(lines.LineToRow(1), 3);
  EXPECT_EQ(lines.LineToRow(2), 4);
  lines.Put(0, "now short");
  EXPECT_EQ(lines.Count(), 3);
  EXPECT_EQ(e.List().Count(), 1 + 1 + 3);
  lines.Delete(2);
  EXPECT_EQ(lines.GetText(), "now short\r\nshort\r\n");
  EXPECT_THROW(lines.Get(2), EListError);
}

TEST(Lines, SetTextAndGetTextRoundTripAndLeaveNothingToUndo) {
  FakeEditor e;
  TEditorStrings& lines = e.Lines();
  lines.SetText("a\rb\nc\r\n\r\nd");
  EXPECT_EQ(lines.GetText(), "a\r\nb\r\nc\r\n\r\nd");
  EXPECT_FALSE(e.List().UndoObj().CanUndo());
  lines.SetText("");
  EXPECT_EQ(e.List().Count(), 0);
  // A bulk change: redraw off and on, caret hidden and shown, the controls refreshed.
  e.redraw.clear();
  int refreshed = e.repaint;
  lines.SetText("x");
  EXPECT_EQ(e.redraw, (std::vector<bool>{false, true}));
  EXPECT_EQ(e.bulk, 0);
  EXPECT_EQ(e.caretHidden, 0);
  EXPECT_GT(e.repaint, refreshed);
}

TEST(Lines, AssignTakesTheSourceLinesAndPutsTheCaretAtTheEnd) {
  FakeEditor e;
  TStringList captured;
  captured.Add("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇");
  captured.Add("text");
  e.Lines().Assign(captured);
  EXPECT_EQ(e.Lines().GetText(), "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\ntext\r\n");
  EXPECT_EQ(e.row, 2);
  EXPECT_EQ(e.col, 0);
}

TEST(Lines, LoadFromFileHandlesLineEndsAcrossBlocksAndTheEndMarker) {
  FakeEditor e;
  TEditorStrings& lines = e.Lines();
  const size_t block = TEditorStrings::kBlockSize;
  // CR as the last byte of the first block, LF as the first byte of the second.
  std::string first(block - 1, 'a');
  std::string text = first + "\r\n" + "second\r\n" + std::string(block, 'c') + "\rtail";
  std::string path = TempPath("blocks.txt");
  WriteFile(path, text);
  lines.LoadFromFile(path);
  ASSERT_EQ(lines.Count(), 4);
  EXPECT_EQ(lines.Get(0), first);
  EXPECT_EQ(lines.Get(1), "second");
  EXPECT_EQ(lines.Get(2), std::string(block, 'c'));
  EXPECT_EQ(lines.Get(3), "tail");
  EXPECT_EQ(e.List().RowAttribute(3), TRowAttribute::EndOfText);
  EXPECT_FALSE(e.List().UndoObj().CanUndo());

  // A line that runs over a block end, and text after 0x1A that is never read.
  WriteFile(path, std::string(block + 100, 'x') + "\r\nend\x1A" + "ignored\r\n");
  lines.LoadFromFile(path);
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Get(0), std::string(block + 100, 'x'));
  EXPECT_EQ(lines.Get(1), "end");
  EXPECT_EQ(e.List().RowAttribute(1), TRowAttribute::EndOfText);

  WriteFile(path, "a\r\nb\r\n");
  lines.LoadFromFile(path);
  EXPECT_EQ(e.List().Count(), 2);
  EXPECT_EQ(e.List().RowAttribute(1), TRowAttribute::LineBreak);
  // Zero bytes are kept as text.
  WriteFile(path, std::string("a\0b\r\n", 5));
  lines.LoadFromFile(path);
  EXPECT_EQ(lines.Get(0), std::string("a\0b", 3));
  std::remove(path.c_str());
}

TEST(Lines, LoadFromFileWrapsAndAMissingFileLeavesTheEditorEmpty) {
  FakeEditor e;
  e.List().SetWordWrap(true);
  std::string path = TempPath("wrap.txt");
  WriteFile(path, std::string(100, 'q') + "\n" + "r");
  e.Lines().LoadFromFile(path);
  EXPECT_EQ(e.List().Count(), 3);
  EXPECT_EQ(e.Lines().Count(), 2);
  std::remove(path.c_str());
  EXPECT_THROW(e.Lines().LoadFromFile(path), EFOpenError);
  EXPECT_EQ(e.List().Count(), 0);
  EXPECT_EQ(e.caretHidden, 0);
}

TEST(Lines, SaveToFileWritesTheTextAsItIs) {
  FakeEditor e;
  e.List().SetWordWrap(true);
  e.Lines().SetText(std::string(80, 's') + "\r\n" + std::string(80, 't'));
  // The last line fills its row: an empty EndOfText row ends the text and adds nothing.
  ASSERT_EQ(e.List().Ref(e.List().Count() - 1), "");
  ASSERT_EQ(e.List().RowAttribute(e.List().Count() - 1), TRowAttribute::EndOfText);
  std::string path = TempPath("save.txt");
  e.Lines().SaveToFile(path);
  EXPECT_EQ(ReadFile(path), std::string(80, 's') + "\r\n" + std::string(80, 't'));
  e.Lines().SetText("a\r\nb\r\n");
  e.Lines().SaveToFile(path);
  EXPECT_EQ(ReadFile(path), "a\r\nb\r\n");
  std::remove(path.c_str());
  EXPECT_THROW(e.Lines().SaveToFile(::testing::TempDir() + "no/such/dir/x.txt"), EFCreateError);
}

}  // namespace
}  // namespace glean
