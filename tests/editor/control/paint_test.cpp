// Painting through the recording canvas: what is drawn where, in which colours, and
// how many text outputs a window of rows costs.
#include <map>

#include "fake_host.h"

namespace glean::testing {
namespace {

// The one text output of exactly `text`.
const TCanvasOp* Exact(const TRecordingCanvas& canvas, const std::string& text) {
  const TCanvasOp* found = nullptr;
  for (const TCanvasOp* op : canvas.TextsContaining(text)) {
    if (op->String != text) continue;
    EXPECT_EQ(found, nullptr) << "drawn twice: " << text;
    found = op;
  }
  return found;
}

const TCanvasOp* Only(const std::vector<const TCanvasOp*>& ops) {
  EXPECT_EQ(ops.size(), 1u);
  return ops.empty() ? nullptr : ops[0];
}

class PanePaintTest : public EditorTest {
 protected:
  PanePaintTest() {
    ConfigurePane(editor);
    editor.Imagebar().SetVisible(false);
    editor.Resized();
  }
  int RowTop(int row) const { return editor.TopOffset() + row * editor.RowHeight(); }
};

TEST_F(PanePaintTest, CapturedTextIsDrawnInItsColours) {
  SetText("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n"
          "ok 《note》 end\r\n"
          "see http://example.com/x now\r\n"
          "Error: broken‡\r\n");
  TRecordingCanvas canvas = PaintAll();
  const int w = editor.CharWidth();

  // The header line: once as the row in the default colours, once as a comment.
  auto header = canvas.TextsContaining("∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇");
  ASSERT_EQ(header.size(), 2u);
  EXPECT_EQ(header[0]->Color, clBlack);
  EXPECT_EQ(header[0]->BkColor, clWhite);
  EXPECT_TRUE(header[0]->Opaque);
  EXPECT_EQ(header[1]->Color, clBlue);
  EXPECT_EQ(header[1]->BkColor, clYellow);
  EXPECT_EQ(header[1]->X, 0);
  EXPECT_EQ(header[1]->Y, RowTop(0));

  const TCanvasOp* note = Exact(canvas, "《note》");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->Color, clMaroon);
  EXPECT_EQ(note->X, 3 * w);
  EXPECT_EQ(note->Y, RowTop(1));

  const TCanvasOp* url = Exact(canvas, "http://example.com/x");
  ASSERT_NE(url, nullptr);
  EXPECT_EQ(url->Color, clNavy);
  EXPECT_EQ(url->X, 4 * w);
  EXPECT_EQ(url->Style & fsUnderline, 0);  // the underline is ours, dotted
  bool dotted = false;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Dots && op.Rect.Left == 4 * w && op.Rect.Right == 24 * w &&
        op.Rect.Top == RowTop(2) + editor.FontHeight() - 1 && op.Color == clNavy)
      dotted = true;
  EXPECT_TRUE(dotted);

  // The whole row is the bracket: drawn as the row, then in the bracket's colour.
  auto error = canvas.TextsContaining("Error: broken‡");
  ASSERT_EQ(error.size(), 2u);
  EXPECT_EQ(error[0]->Color, clBlack);
  EXPECT_EQ(error[1]->Color, clRed);
  EXPECT_EQ(error[1]->Y, RowTop(3));
}

TEST_F(PanePaintTest, EofMarkFollowsTheTextEnd) {
  auto eofAt = [&](const std::string& text) {
    SetText(text);
    TRecordingCanvas canvas = PaintAll();
    const TCanvasOp* eof = Only(canvas.TextsContaining("[EOF]"));
    EXPECT_NE(eof, nullptr) << text;
    if (eof) {
      EXPECT_EQ(eof->Color, clFuchsia);
    }
    return eof ? TPoint{eof->X, eof->Y} : TPoint{-1, -1};
  };
  const int w = editor.CharWidth();
  EXPECT_EQ(eofAt(""), (TPoint{0, RowTop(0)}));
  EXPECT_EQ(eofAt("abc\r\n"), (TPoint{0, RowTop(1)}));
  EXPECT_EQ(eofAt("abc"), (TPoint{3 * w, RowTop(0)}));
  EXPECT_EQ(eofAt("ab\r\nあい"), (TPoint{4 * w, RowTop(1)}));
}

TEST_F(EditorTest, LongRowIsCutAtTheColumnLimitWithAHiddenTextMark) {
  editor.Marks().HideMark().SetVisible(true);
  editor.Marks().HideMark().SetColor(clRed);
  SetText(std::string(1200, 'x') + "\r\nshort");
  editor.SetTopCol(990);
  TRecordingCanvas canvas = PaintAll();
  const int w = editor.CharWidth();
  const int x0 = -editor.TopCol() * w;
  const TCanvasOp* row = nullptr;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.Y == editor.TopOffset()) row = &op;
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->String.size(), 1000u);
  EXPECT_EQ(row->X, x0);
  const TCanvasOp* mark = nullptr;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Lines && op.Color == clRed) mark = &op;
  ASSERT_NE(mark, nullptr);
  const int e = std::max(2, w * 3 / 5);
  EXPECT_EQ(mark->Points[1].X, x0 + 1000 * w + w);  // the angle's tip, right of the cut
  EXPECT_EQ(mark->Points[0].X, x0 + 1000 * w + w - e);
  // A double-byte character across the limit stays whole.
  SetText(std::string(999, 'x') + "あいう");
  canvas = PaintAll();
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.Y == editor.TopOffset()) row = &op;
  EXPECT_EQ(row->String.size(), 1001u);
}

TEST_F(PanePaintTest, SelectionSplitsARowIntoThreePieces) {
  SetText("abcdefghij\r\nklm\r\n");
  struct Call {
    std::string line;
    int x, y, index;
    TRect rect;
    int selected;
  };
  std::vector<Call> calls;
  editor.OnDrawLine = [&](TObject* sender, const std::string& s, int x, int y, int index,
                          const TRect& rect, int selected) {
    EXPECT_EQ(sender, &editor);
    EXPECT_NE(editor.PaintCanvas(), nullptr);
    calls.push_back({s, x, y, index, rect, selected});
  };
  editor.SetSelStart(3);
  editor.SetSelLength(4);  // "defg"
  TRecordingCanvas canvas = PaintAll();
  const int w = editor.CharWidth();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0].selected, 0);
  EXPECT_EQ(calls[0].rect.Right, 3 * w);
  EXPECT_EQ(calls[1].selected, 2);
  EXPECT_EQ(calls[1].rect.Left, 3 * w);
  EXPECT_EQ(calls[1].rect.Right, 7 * w);
  EXPECT_EQ(calls[2].selected, 0);
  EXPECT_EQ(calls[2].rect.Left, 7 * w);
  EXPECT_EQ(calls[2].rect.Right, host.client.Right);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls[size_t(i)].line, "abcdefghij");
    EXPECT_EQ(calls[size_t(i)].index, 0);
    EXPECT_EQ(calls[size_t(i)].x, 0);
    EXPECT_EQ(calls[size_t(i)].y, RowTop(0));
  }
  EXPECT_EQ(calls[3].index, 1);
  EXPECT_EQ(calls[3].selected, 0);
  // The selected piece: white on navy, clipped to the selected cells.
  bool found = false;
  for (const TCanvasOp* op : canvas.TextsContaining("abcdefghij"))
    if (op->Color == clWhite && op->BkColor == clNavy && op->Rect.Left == 3 * w &&
        op->Rect.Right == 7 * w)
      found = true;
  EXPECT_TRUE(found);
}

TEST_F(EditorTest, SelectionWithoutColoursIsInverted) {
  editor.View().Colors().Select().SetBkColor(clNone);
  editor.View().Colors().Select().SetColor(clNone);
  SetText("abc");
  editor.SelectAll();
  TRecordingCanvas canvas = PaintAll();
  bool inverted = false;
  for (const TCanvasOp* op : canvas.TextsContaining("abc"))
    if (op->Color == clWhite && op->BkColor == clBlack) inverted = true;
  EXPECT_TRUE(inverted);
}

TEST_F(EditorTest, FirstRowStartsBelowTheTopMargin) {
  SetText("x");
  TRecordingCanvas canvas = PaintAll();
  const TCanvasOp* row = Only(canvas.TextsContaining("x"));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->Y, 2);
  EXPECT_EQ(row->Rect.Top, 2);
  EXPECT_EQ(canvas.advance, 6);
}

TEST_F(PanePaintTest, OneOpaqueOutputPerRowPlusOnePerColouredToken) {
  host.client = {0, 0, 120 * 6, 60 * editor.RowHeight() + editor.TopOffset() + 5};
  editor.Resized();
  ASSERT_EQ(editor.VisibleRows(), 60);
  std::string text;
  int coloured = 0;
  for (int i = 0; i < 70; ++i) {
    switch (i % 4) {
      case 0: text += "∇ ｴﾃﾞｨｯﾄ ∇\r\n"; ++coloured; break;        // one comment
      case 1: text += "plain words only\r\n"; break;                  // none
      case 2: text += "《a》 and 《b》 see www.example.com\r\n"; coloured += 3; break;
      case 3: text += "mail me@example.com, Error: bad‡\r\n"; coloured += 2; break;
    }
    if (i == 59) break;
  }
  SetText(text);
  TRecordingCanvas canvas = PaintAll();
  int rows = 0;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.X == 0 && op.Opaque && op.Color == clBlack &&
        op.BkColor == clWhite && op.Rect.Right == host.client.Right)
      ++rows;
  EXPECT_EQ(rows, 60);
  const int eof = 1;  // the part row under the last one shows "[EOF]"
  EXPECT_EQ(canvas.Count(TCanvasOp::Text), 60 + coloured + eof);
}

TEST_F(EditorTest, ItalicSchemeClearsRowsAndDrawsEveryToken) {
  editor.View().Colors().Ank().SetStyle(fsItalic);
  editor.UpdateMetrics();
  ASSERT_TRUE(editor.FullRepaint());
  SetText("ab cd");
  TRecordingCanvas canvas = PaintAll();
  // No opaque row output; the row is filled and each token drawn.
  EXPECT_EQ(canvas.TextsContaining("ab cd").size(), 0u);
  EXPECT_EQ(canvas.TextsContaining("ab").size(), 1u);
  EXPECT_EQ(canvas.TextsContaining("cd").size(), 1u);
  EXPECT_FALSE(canvas.TextsContaining("ab")[0]->Opaque);
}

TEST_F(EditorTest, EndMarksAndLineNumbers) {
  editor.Marks().RetMark().SetVisible(true);
  editor.Marks().RetMark().SetColor(clRed);
  editor.Marks().WrapMark().SetVisible(true);
  editor.Marks().WrapMark().SetColor(clGreen);
  editor.Leftbar().SetVisible(true);
  editor.Leftbar().SetShowNumberMode(TEditorShowNumberMode::nmLine);
  editor.WrapOption().SetWrapByte(20);
  editor.SetWordWrap(true);
  SetText(std::string(30, 'a') + "\r\nb\r\n");  // rows: 20 a's (wrapped), 10 a's, b
  ASSERT_EQ(editor.ListRows().Count(), 3);
  TRecordingCanvas canvas = PaintAll();
  int rets = 0, wraps = 0;
  for (const TCanvasOp& op : canvas.ops) {
    if (op.Kind != TCanvasOp::Lines) continue;
    if (op.Color == clRed) ++rets;
    if (op.Color == clGreen) ++wraps;
  }
  EXPECT_EQ(rets, 4);   // two rows ending with CR LF, two strokes each
  EXPECT_EQ(wraps, 1);
  // Logical line numbers: the continuation row has none; the empty last row is 3.
  std::vector<std::string> numbers;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.X == editor.Leftbar().LeftMargin()) numbers.push_back(op.String);
  EXPECT_EQ(numbers, (std::vector<std::string>{"   1", "   2", "   3"}));
}

TEST_F(EditorTest, ImageBarDrawsTheLowestMarkOfEachKind) {
  editor.Imagebar().SetVisible(true);
  SetText("a\r\nb\r\n");
  editor.PutRowMark(1, 3);
  editor.PutRowMark(1, 7);
  editor.PutRowMark(1, 12);
  editor.PutRowMark(0, 3);  // a digit mark moves
  TRecordingCanvas canvas = PaintAll();
  std::vector<std::tuple<int, int, int>> images;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Image) images.emplace_back(int(op.List), op.Index, op.Y);
  const int r0 = editor.TopOffset() + 2, r1 = r0 + editor.RowHeight();
  EXPECT_EQ(images, (std::vector<std::tuple<int, int, int>>{
                        {int(TImageList::Digits), 3, r0},
                        {int(TImageList::Digits), 7, r1},
                        {int(TImageList::Marks), 2, r1}}));
  EXPECT_EQ(editor.ListRows().GetUsedMarks(), (1 << 3) | (1 << 7) | (1 << 12));
  editor.DeleteRowMark(1, 7);
  EXPECT_EQ(editor.ListRows().GetUsedMarks(), (1 << 3) | (1 << 12));
}

}  // namespace
}  // namespace glean::testing

namespace glean::testing {
namespace {

TEST_F(EditorTest, TokensOfARowMovedRightByTabsAreColoured) {
  editor.View().SetCommenter("#");
  editor.View().Colors().Comment().SetColor(clBlue);
  SetText(std::string(100, '\t') + "# note");  // 800 columns of tabs, 106 bytes
  editor.SetTopCol(790);
  TRecordingCanvas canvas = PaintAll();
  const TCanvasOp* comment = nullptr;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Text && op.Color == clBlue) comment = &op;
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(comment->String, "# note");
  EXPECT_EQ(comment->X, (800 - 790) * editor.CharWidth());
}

TEST_F(EditorTest, RulerGaugeAndCaretMark) {
  editor.Ruler().SetVisible(true);
  editor.Ruler().SetGaugeRange(8);
  SetText("abc");
  editor.SetRowCol(0, 3);
  TRecordingCanvas canvas = PaintAll();
  const int w = editor.CharWidth();
  std::map<int, int> tickTop;  // x -> top of the tick
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Lines && op.Points.size() == 2 && op.Points[0].X == op.Points[1].X &&
        op.Points[1].Y < editor.RulerHeight())
      tickTop[op.Points[0].X] = op.Points[0].Y;
  EXPECT_EQ(tickTop[0], 0);       // column 0: a numbered tick
  EXPECT_EQ(tickTop[4 * w], 3);   // half the range
  EXPECT_EQ(tickTop[5 * w], 6);   // an ordinary column
  EXPECT_EQ(tickTop[8 * w], 0);
  bool marked = false;
  for (const TCanvasOp& op : canvas.ops)
    if (op.Kind == TCanvasOp::Fill && op.Rect.Left == 3 * w && op.Rect.Right == 4 * w &&
        op.Rect.Top == 0 && op.Color == editor.Ruler().MarkColor())
      marked = true;
  EXPECT_TRUE(marked);
  EXPECT_EQ(editor.TopOffset(), 2 + 11);
}

}  // namespace
}  // namespace glean::testing
