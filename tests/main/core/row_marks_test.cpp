// Tab and full-width-space marks over rows of the pane as Glean configures it, drawn on
// a recording canvas at the places the rows' tokens give.
#include <gtest/gtest.h>

#include "editor/control/fake_host.h"
#include "main/core/links.h"
#include "main/core/row_marks.h"

namespace glean::testing {
namespace {

struct Stroke {
  std::vector<TPoint> Points;
  TColor Color;
  int Width;
};

class MarkRecorder : public IMarkCanvas {
 public:
  void Polyline(const std::vector<TPoint>& points, TColor color, int penWidth) override {
    strokes.push_back({points, color, penWidth});
  }
  void FillRect(const TRect& r, TColor color) override { fills.push_back({r, color}); }
  std::vector<Stroke> strokes;
  std::vector<std::pair<TRect, TColor>> fills;
};


class RowMarks : public EditorTest {
 protected:
  RowMarks() {
    glean::ConfigurePane(editor, 16);
    editor.Imagebar().SetVisible(false);
    editor.Resized();
  }
  TDrawnLine Row(int index, int selected = 0) {
    TDrawnLine line;
    line.LineStr = editor.ListRows().Ref(index);
    line.X = editor.LeftOffset();
    line.Y = editor.TopOffset() + index * editor.RowHeight();
    line.Index = index;
    line.ARect = {0, line.Y, host.client.Right, line.Y + editor.RowHeight()};
    line.Selected = selected;
    return line;
  }
  int ColX(int col) const { return editor.LeftOffset() + col * editor.CharWidth(); }
  MarkRecorder Draw(const TDrawnLine& line) {
    MarkRecorder r;
    DrawRowMarks(editor, r, line, host.client.Right);
    return r;
  }
};

TEST_F(RowMarks, TabsAreMarkedAtTheirDisplayColumns) {
  editor.Caret().SetTabSpaceCount(8);
  SetText("abc\t\tdef");
  const int E = editor.CharWidth();
  ASSERT_LE(E, 13);
  MarkRecorder r = Draw(Row(0));
  ASSERT_EQ(r.strokes.size(), 4u) << "two lines per chevron";
  const int y0 = editor.TopOffset() + (editor.RowHeight() - editor.Margin().Line()) / 2;
  for (int mark = 0; mark < 2; ++mark) {
    const int x0 = ColX(mark == 0 ? 3 : 8) + 2;
    EXPECT_EQ(r.strokes[2 * mark].Points, (std::vector<TPoint>{{x0, y0 - 1}, {x0 + 3, y0}}));
    EXPECT_EQ(r.strokes[2 * mark + 1].Points, (std::vector<TPoint>{{x0, y0 + 1}, {x0 + 3, y0}}));
    EXPECT_EQ(r.strokes[2 * mark].Color, kMarkRed);
    EXPECT_EQ(r.strokes[2 * mark].Width, 1);
  }
  EXPECT_TRUE(r.fills.empty()) << "nothing selected";

  // Outside the painted rectangle, and in the selection's text colour.
  TDrawnLine cut = Row(0, 2);
  cut.ARect.Left = ColX(4);
  r = Draw(cut);
  ASSERT_EQ(r.strokes.size(), 2u);
  EXPECT_EQ(r.strokes[0].Points[0].X, ColX(8) + 2);
  EXPECT_EQ(r.strokes[0].Color, editor.View().Colors().Select().Color());
}

TEST_F(RowMarks, AWideFontGetsTheBigChevron) {
  editor.Caret().SetTabSpaceCount(4);
  TEditorFont font = editor.Font();
  font.Height = 28;
  editor.SetFont(font);
  host.metrics = {28, 0, 14};
  editor.Resized();
  SetText("\tx");
  ASSERT_GT(editor.CharWidth(), 13);
  MarkRecorder r = Draw(Row(0));
  ASSERT_EQ(r.strokes.size(), 2u);
  const int x0 = ColX(0) + 2;
  const int y0 = editor.TopOffset() + (editor.RowHeight() - editor.Margin().Line()) / 2;
  EXPECT_EQ(r.strokes[0].Points, (std::vector<TPoint>{{x0, y0 - 5}, {x0 + 5, y0}}));
  EXPECT_EQ(r.strokes[1].Width, 2);
}

TEST_F(RowMarks, TheQuotationByteHidesWideSpacesAndTheTabsInsideTheRun) {
  // 0x81 is the pane's quotation byte: the full-width space opens a quoted run.
  SetText("a　b\tc");
  MarkRecorder r = Draw(Row(0));
  EXPECT_TRUE(r.strokes.empty());

  // Without a quotation byte the same row shows its square and its chevron.
  editor.View().SetQuotation("");
  editor.Lines().SetText("a　b\tc");
  r = Draw(Row(0));
  ASSERT_EQ(r.strokes.size(), 3u);
  const int s = editor.CharWidth() - editor.Margin().Character();
  const int x0 = ColX(1) + 2, y0 = editor.TopOffset() + 2;
  const int x1 = x0 + 2 * s - 4, y1 = y0 + 2 * s - 4;
  EXPECT_EQ(r.strokes[0].Points, (std::vector<TPoint>{{x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}, {x0, y1}}));
  EXPECT_EQ(r.strokes[0].Color, kMarkRed);
  EXPECT_EQ(r.strokes[1].Points[0].X, ColX(4) + 2) << "the tab after the square";

  // A square cut by the painted rectangle's left edge has no left side.
  TDrawnLine cut = Row(0, 3);
  cut.ARect.Left = x0 + 1;
  cut.ARect.Right = ColX(3);
  r = Draw(cut);
  EXPECT_TRUE(r.strokes.empty()) << "the mark must fit the rectangle";
  cut.ARect.Left = ColX(1) - 1;
  cut.ARect.Right = host.client.Right;
  r = Draw(cut);
  ASSERT_FALSE(r.strokes.empty());
  EXPECT_EQ(r.strokes[0].Points.size(), 5u);
  EXPECT_EQ(r.strokes[0].Color, editor.View().Colors().Hit().Color() == clNone
                                    ? editor.Font().Color
                                    : editor.View().Colors().Hit().Color());
}

TEST_F(RowMarks, DrawWideSpaceMarkWithoutItsLeftSide) {
  SetText("x");
  TDrawnLine line = Row(0, 2);
  const int s = editor.CharWidth() - editor.Margin().Character();
  const int x = 100, x0 = x + 2, y0 = line.Y + 2, x1 = x0 + 2 * s - 4, y1 = y0 + 2 * s - 4;
  line.ARect.Left = x0 + 1;
  MarkRecorder r;
  DrawWideSpaceMark(editor, r, line, x);
  ASSERT_EQ(r.strokes.size(), 1u);
  EXPECT_EQ(r.strokes[0].Points, (std::vector<TPoint>{{x0 + 1, y1}, {x1, y1}, {x1, y0}, {x0, y0}}));
  line.ARect.Left = x1 + 1;
  r.strokes.clear();
  DrawWideSpaceMark(editor, r, line, x);
  EXPECT_TRUE(r.strokes.empty());
}

TEST_F(RowMarks, ASelectedRowLosesItsHighlightBeyondTheText) {
  SetText("abc");
  TDrawnLine line = Row(0, 2);
  MarkRecorder r = Draw(line);
  const int E = editor.CharWidth();
  ASSERT_EQ(r.fills.size(), 1u);
  const TRect expected = TRect{line.X + 4 * E, line.Y, line.X + 4 * E + (host.client.Right / E - 3) * E,
                               line.Y + editor.FontHeight()}.Intersect(line.ARect);
  EXPECT_EQ(r.fills[0].first.Left, expected.Left);
  EXPECT_EQ(r.fills[0].first.Right, expected.Right);
  EXPECT_EQ(r.fills[0].second, editor.Color());
}

TEST_F(RowMarks, AnAddressInsideAQuotedRunIsNoAddress) {
  SetText("見て「www.example.com です\nwww.example.com");
  TTokenInfo token;
  ASSERT_TRUE(editor.TokenAtPos({ColX(8), editor.TopOffset() + 1}, token));
  EXPECT_EQ(DetectAddress(token.Text).Kind, LinkKind::None) << token.Text;
  ASSERT_TRUE(editor.TokenAtPos({ColX(2), editor.TopOffset() + editor.RowHeight() + 1}, token));
  EXPECT_EQ(DetectAddress(token.Text).Target, "http://www.example.com");
}

}  // namespace
}  // namespace glean::testing
