// Option objects: stored ranges, notification only on a real change, and what the
// editor does when an option changes (geometry, re-colouring, repaint).
#include "fake_host.h"

namespace glean::testing {
namespace {

TEST(EditorOptions, ValuesAreClampedToTheirRanges) {
  TEditorCaret caret;
  const std::pair<int, int> tabs[] = {{7, 6}, {100, 8}, {0, 2}, {5, 4}, {1, 2}, {9, 8}, {4, 4}};
  for (auto [asked, stored] : tabs) {
    caret.SetTabSpaceCount(asked);
    EXPECT_EQ(caret.TabSpaceCount(), stored) << asked;
  }
  TEditorRuler ruler;
  ruler.SetGaugeRange(9);
  EXPECT_EQ(ruler.GaugeRange(), 8);
  ruler.SetGaugeRange(12);
  EXPECT_EQ(ruler.GaugeRange(), 10);
  TEditorLeftbar bar;
  bar.SetColumn(0);
  EXPECT_EQ(bar.Column(), 1);
  bar.SetColumn(20);
  EXPECT_EQ(bar.Column(), 8);
  TEditorMargin margin;
  margin.SetLeft(-5);
  EXPECT_EQ(margin.Left(), 0);
  margin.SetLeft(500);
  EXPECT_EQ(margin.Left(), 100);
  TEditorSpeed speed;
  speed.SetPageVerticalRange(9);
  EXPECT_EQ(speed.PageVerticalRange(), 4);
}

TEST(EditorOptions, DefaultsOfTheControl) {
  FakeHost host;
  TEditorCore e(host);
  EXPECT_EQ(e.Caret().Cursors().DefaultCursor(), crIBeam);
  EXPECT_EQ(e.Caret().Cursors().DragSelCursor(), crDrag);
  EXPECT_EQ(e.Caret().Cursors().LeftMarginCursor(), ProgramCursors().RightArrow);
  EXPECT_EQ(e.Caret().Cursors().DragSelCopyCursor(), ProgramCursors().DragSelCopy);
  EXPECT_TRUE(e.Caret().FreeCaret());
  EXPECT_EQ(e.Margin().Left(), 19);
  EXPECT_EQ(e.Margin().Top(), 2);
  EXPECT_EQ(e.Marks().EofMark().Color(), clGray);
  EXPECT_FALSE(e.Marks().EofMark().Visible());
  EXPECT_TRUE(e.Imagebar().Visible());
  EXPECT_EQ(e.Imagebar().Width(), 12);
  EXPECT_EQ(e.Color(), clWhite);
  EXPECT_EQ(e.Font().Name, "FixedSys");
  EXPECT_EQ(e.ScrollBars(), TScrollStyle::ssNone);
  EXPECT_TRUE(e.WantTabs());
  // The delimiters: punctuation and controls, but not digits, letters, '_' or kana.
  const TDelimiters& d = e.DelimiterSet();
  for (int c : {0x00, 0x20, 0x2F, 0x3A, 0x40, 0x5B, 0x5E, 0x60, 0x7B, 0x80, 0xA0, 0xA5, 0xFD, 0xFF})
    EXPECT_TRUE(d.test(size_t(c))) << c;
  for (int c : {int('0'), int('9'), int('A'), int('z'), int('_'), 0xA6, 0xDF}) EXPECT_FALSE(d.test(size_t(c))) << c;
}

TEST(EditorOptions, UndoDepthHasAFloorAndQuotationKeepsOneByte) {
  FakeHost host;
  TEditorCore e(host);
  e.SetUndoListMax(10);
  EXPECT_EQ(e.UndoListMax(), 64);
  e.SetUndoListMax(100);
  EXPECT_EQ(e.UndoListMax(), 100);
  e.View().SetQuotation("abc");
  EXPECT_EQ(e.View().Quotation(), "a");
  e.View().SetQuotation("");
  EXPECT_EQ(e.View().Quotation(), "");
}

TEST(EditorOptions, NotificationOnlyOnARealChange) {
  TEditorMarks marks;
  int changes = 0;
  marks.OnChange = [&](TObject*) { ++changes; };
  marks.EofMark().SetVisible(false);
  marks.Underline().SetColor(clGray);
  EXPECT_EQ(changes, 0);
  marks.RetMark().SetVisible(true);
  EXPECT_EQ(changes, 1);
  TEditorMarks other;
  other.EofMark().SetVisible(true);
  other.WrapMark().SetColor(clRed);
  marks.Assign(other);  // several fields, one notification
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(marks.EofMark().Visible());
  EXPECT_FALSE(marks.RetMark().Visible());
  EXPECT_EQ(marks.WrapMark().Color(), clRed);
}

TEST_F(EditorTest, SettingAnOptionToItsValueDoesNotRepaint) {
  host.ClearLog();
  editor.Margin().SetTop(2);
  editor.Caret().SetTabSpaceCount(8);
  editor.Leftbar().SetVisible(false);
  editor.View().SetUrl(false);
  EXPECT_TRUE(host.invalidated.empty());
  editor.Margin().SetTop(4);
  EXPECT_FALSE(host.invalidated.empty());
  EXPECT_EQ(editor.TopOffset(), 4);
}

TEST_F(EditorTest, UnderlineMakesEveryRowOnePixelTaller) {
  const int before = editor.RowHeight();
  editor.Marks().Underline().SetVisible(true);
  EXPECT_EQ(editor.Margin().UnderlineGap(), 1);
  EXPECT_EQ(editor.RowHeight(), before + 1);
  editor.Marks().Underline().SetVisible(false);
  EXPECT_EQ(editor.RowHeight(), before);
}

TEST_F(EditorTest, AViewChangeRecoloursTheRows) {
  editor.View().Colors().Comment().SetColor(clBlue);
  SetText("abc ∇ note\r\n");
  EXPECT_EQ(PaintAll().TextsContaining("∇ note").size(), 1u);  // the row only
  editor.View().SetCommenter("∇");  // through the view: the rows are parsed again
  EXPECT_EQ(editor.ListRows().BracketIndex(0), -1);
  TRecordingCanvas canvas = PaintAll();
  EXPECT_EQ(canvas.TextsContaining("∇ note").size(), 2u);  // the row, then the comment
}

TEST(EditorGeometry, FollowsTheFontAndTheOptions) {
  FakeHost host;
  host.client = {0, 0, 400, 300};
  host.metrics = {14, 2, 7};
  TEditorCore e(host);
  e.Margin().SetCharacter(1);
  e.Margin().SetLine(3);
  e.Ruler().SetVisible(true);
  e.Leftbar().SetVisible(true);
  e.Resized();
  EXPECT_EQ(e.FontHeight(), 16);
  EXPECT_EQ(e.CharWidth(), 8);
  EXPECT_EQ(e.RowHeight(), 19);
  EXPECT_EQ(e.RulerHeight(), 11);
  EXPECT_EQ(e.TopOffset(), 13);
  EXPECT_EQ(e.ImagebarWidth(), 12);
  EXPECT_EQ(e.LeftbarDigits(), 4);
  EXPECT_EQ(e.LeftbarWidth(), 8 + 4 * 8 + 4 + 2);
  EXPECT_EQ(e.LeftOffset(), 19 + 12 + 46);
  EXPECT_EQ(e.VisibleRows(), (300 - 13 - 5) / 19);
  EXPECT_EQ(e.VisibleCols(), (400 - 77 - 4) / 8);
  e.Ruler().SetEdge(false);
  EXPECT_EQ(e.RulerHeight(), 10);
  // More rows than four digits can number widen the bar.
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "x\r\n";
  e.Lines().SetText(text);
  e.UpdateMetrics();
  EXPECT_EQ(e.LeftbarDigits(), 5);
}

TEST(EditorSharing, TwoEditorsShowOneRowList) {
  FakeHost h1, h2;
  auto first = std::make_unique<TEditorCore>(h1);
  TEditorCore second(h2);
  first->Lines().SetText("shared\r\ntext");
  second.ShareRowList(*first);
  EXPECT_EQ(&second.ListRows(), &first->ListRows());
  EXPECT_EQ(second.Lines().Get(1), "text");
  first.reset();  // the list lives on with the editor that still shows it
  EXPECT_EQ(second.Lines().Count(), 2);
}

}  // namespace
}  // namespace glean::testing
