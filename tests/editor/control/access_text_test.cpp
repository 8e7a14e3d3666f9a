// The pane's UTF-16 view for accessibility clients: offsets, units, search and ranges
// that live through edits, over a real row list with wrapped rows.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <memory>

#include "editor/control/access/access_text.h"
#include "editor/control/access/text_range.h"
#include "fake_host.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace glean::testing {
namespace {
using access::TRange;
using access::TUnit;

std::u16string Widen(std::string_view s) {
  std::u16string out(s.size(), u'\0');
#ifdef _WIN32
  const int n = MultiByteToWideChar(932, 0, s.data(), int(s.size()), reinterpret_cast<wchar_t*>(out.data()),
                                    int(out.size()));
  out.resize(size_t(std::max(n, 0)));
#else
  iconv_t cd = iconv_open("UTF-16LE", "CP932");
  char* in = const_cast<char*>(s.data());
  char* to = reinterpret_cast<char*>(out.data());
  size_t inLeft = s.size(), outLeft = out.size() * 2;
  iconv(cd, &in, &inLeft, &to, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft / 2);
#endif
  return out;
}

class AccessTextTest : public EditorTest {
 protected:
  AccessTextTest() : text(editor, Widen) {
    ConfigurePane(editor);
    editor.WrapOption().SetWrapByte(20);
    editor.SetWordWrap(true);
    // Japanese, half-width kana, a wrapped line, empty lines, and an EndOfText row.
    SetText("あいうabc ｱｲｳ def\r\n\r\n漢字かな交じりの長い行はここで折り返されて次の行へ続く\r\n\r\nend ｴﾝﾄﾞ");
    text.RowsChanged({});
  }
  std::u16string Whole() { return Widen(editor.Lines().GetText()); }
  access::TAccessText text;
};

TEST_F(AccessTextTest, OffsetsAndTextAgreeWithTheWholeTextWidened) {
  const std::u16string whole = Whole();
  ASSERT_GT(editor.ListRows().Count(), 5);  // the long line is wrapped
  ASSERT_EQ(editor.ListRows().RowAttribute(editor.ListRows().Count() - 1), TRowAttribute::EndOfText);
  ASSERT_EQ(text.Length(), int(whole.size()));
  EXPECT_EQ(text.WholeText(), whole);
  auto& map = text.Map();
  for (int row = 0; row <= map.RowCount(); ++row)
    EXPECT_EQ(map.RowStart(row), int(Widen(editor.Lines().GetText().substr(0, size_t(editor.RowOffset(row)))).size()))
        << row;
  for (int k = 0; k < text.Length(); ++k) {
    EXPECT_EQ(text.Text({k, k + 1}), whole.substr(size_t(k), 1)) << k;
    const access::TTextPos p = map.ToPos(k);
    if (whole[size_t(k)] != u'\n' && whole[size_t(k)] != u'\r')
      EXPECT_EQ(map.ToOffset(p), k) << k;  // every character's offset survives the round trip
    else
      EXPECT_EQ(p.Byte, int(editor.ListRows().Ref(p.Row).size())) << k;  // the line end: the row's end
  }
  EXPECT_EQ(text.Text({3, 100}, 4), whole.substr(3, 4));
}

TEST_F(AccessTextTest, UnitsExpandAndMoveBothWays) {
  const std::u16string whole = Whole();
  auto& map = text.Map();
  // Line: a screen row with its line end; Paragraph: a logical line.
  EXPECT_EQ(text.Text(text.Expand({1, 1}, TUnit::Line)), u"あいうabc ｱｲｳ def\r\n");
  const int longLine = map.RowStart(2);
  const TRange para = text.Expand({longLine + 15, longLine + 15}, TUnit::Paragraph);
  EXPECT_EQ(para.Start, longLine);
  EXPECT_EQ(text.Text(para), u"漢字かな交じりの長い行はここで折り返されて次の行へ続く\r\n");
  const TRange row = text.Expand({longLine + 15, longLine + 15}, TUnit::Line);
  EXPECT_GT(row.Start, longLine);
  EXPECT_LT(row.End, para.End);
  // Word: the editor's token starts ("abc " and "def" are words, the line end one too).
  EXPECT_EQ(text.Text(text.Expand({4, 4}, TUnit::Word)), u"abc ");
  EXPECT_EQ(text.Expand({0, 0}, TUnit::Document), (TRange{0, int(whole.size())}));
  EXPECT_EQ(text.Expand({5, 9}, TUnit::Character), (TRange{5, 6}));
  // At the end: the last unit.
  EXPECT_EQ(text.Text(text.Expand({text.Length(), text.Length()}, TUnit::Line)), u"end ｴﾝﾄﾞ");

  // Moving a point by rows visits every row start, and back again.
  for (TUnit unit : {TUnit::Line, TUnit::Paragraph, TUnit::Word, TUnit::Character, TUnit::Page}) {
    std::vector<int> stops{0};
    TRange r{0, 0};
    while (text.Move(r, unit, 1) == 1) stops.push_back(r.Start);
    EXPECT_EQ(stops.back(), text.Length()) << int(unit);
    for (size_t i = stops.size() - 1; i > 0; --i) {
      EXPECT_EQ(text.Move(r, unit, -1), -1) << int(unit);
      EXPECT_EQ(r.Start, stops[i - 1]) << int(unit);
    }
    EXPECT_EQ(text.Move(r, unit, -1), 0);
    const size_t expected = unit == TUnit::Line        ? size_t(map.RowCount()) + 1
                            : unit == TUnit::Paragraph ? 6
                            : unit == TUnit::Character ? size_t(text.Length()) + 1
                                                       : stops.size();
    EXPECT_EQ(stops.size(), expected) << int(unit);
  }
  // A whole unit moves as a whole unit and never past the last.
  TRange r{1, 3};
  EXPECT_EQ(text.Move(r, TUnit::Line, 100), map.RowCount() - 1);
  EXPECT_EQ(text.Text(r), u"end ｴﾝﾄﾞ");
  // Endpoints: the start overtaking the end drags it along.
  r = {0, 2};
  EXPECT_EQ(text.MoveEndpoint(r, false, TUnit::Paragraph, 2), 2);
  EXPECT_EQ(r, (TRange{map.RowStart(2), map.RowStart(2)}));
  EXPECT_EQ(text.MoveEndpoint(r, true, TUnit::Document, 5), 1);
  EXPECT_EQ(r.End, text.Length());
}

TEST_F(AccessTextTest, RangesFollowEditsBeforeThemAndSearchFinds) {
  const auto found = text.Find({0, text.Length()}, u"折り返", false, false);
  ASSERT_TRUE(found);
  access::TAnchor start{found->Start}, end{found->End};
  text.Map().AddAnchor(&start);
  text.Map().AddAnchor(&end);
  // The change report is only there while the list tells its editors.
  editor.OnChange = [&](TObject*) { text.RowsChanged(editor.ListRows().LastUpdate()); };
  editor.SetSelStart(0);
  editor.InsertText("前置き\r\n");
  EXPECT_EQ(text.Text({start.Offset, end.Offset}), u"折り返");
  editor.SelectAll();
  editor.InsertText("short");  // everything replaced: anchors stay inside the text
  EXPECT_LE(end.Offset, text.Length());
  text.Map().RemoveAnchor(&start);
  text.Map().RemoveAnchor(&end);

  editor.OnChange = nullptr;
  SetText("Abc ＡＢＣ abc ａｂｃ");
  text.RowsChanged({});
  EXPECT_EQ(text.Find({0, text.Length()}, u"abc", false, false), (TRange{8, 11}));
  EXPECT_EQ(text.Find({0, text.Length()}, u"abc", false, true), (TRange{0, 3}));
  EXPECT_EQ(text.Find({0, text.Length()}, u"ＡＢＣ", true, true), (TRange{12, 15}));
  EXPECT_EQ(text.Find({1, 7}, u"ａｂｃ", false, true), (TRange{4, 7}));
  EXPECT_FALSE(text.Find({0, 6}, u"abc ", true, false));
}

TEST_F(AccessTextTest, SelectionAndCaretInUtf16) {
  auto& map = text.Map();
  const int longLine = map.RowStart(2);
  text.Select({longLine + 2, longLine + 25});
  EXPECT_EQ(editor.SelText(), "かな交じりの長い行はここで折り返されて次の行へ");
  EXPECT_EQ(text.Selection(), (TRange{longLine + 2, longLine + 25}));
  text.Select({4, 4});
  EXPECT_FALSE(editor.Selected());
  EXPECT_EQ(editor.SelStart(), 7);  // あいうa
  EXPECT_EQ(text.Selection(), (TRange{4, 4}));
}

// What a client may hand the provider's ranges: any length, another pane's range, a
// range kept after the pane is gone, a point off every screen.
TEST_F(AccessTextTest, RangesAtTheirEdges) {
  using access::TRangeStatus;
  access::TRangeHome home(&text), otherPane(&text);
  access::TTextRange doc(home, {0, text.Length()}), tail(home, {5, text.Length()}), theirs(otherPane, {0, 3});
  std::u16string all, most, capped;
  ASSERT_EQ(doc.GetText(INT_MAX, all), TRangeStatus::Ok);
  EXPECT_EQ(all, Whole());
  ASSERT_EQ(tail.GetText(INT_MAX, most), TRangeStatus::Ok);
  ASSERT_EQ(tail.GetText(-1, capped), TRangeStatus::Ok);
  EXPECT_EQ(most, capped);
  EXPECT_EQ(doc.GetText(-2, capped), TRangeStatus::Invalid);

  bool same = true;
  int order = 0;
  EXPECT_EQ(doc.Compare(&theirs, same), TRangeStatus::Invalid);
  EXPECT_EQ(doc.Compare(nullptr, same), TRangeStatus::Invalid);
  EXPECT_EQ(doc.CompareEndpoints(0, &theirs, 0, order), TRangeStatus::Invalid);
  EXPECT_EQ(doc.CompareEndpoints(0, &tail, 2, order), TRangeStatus::Invalid);
  EXPECT_EQ(doc.MoveEndpointByRange(1, &theirs, 1), TRangeStatus::Invalid);
  EXPECT_EQ(doc.Range(), (TRange{0, text.Length()}));
  EXPECT_EQ(doc.CompareEndpoints(0, &tail, 0, order), TRangeStatus::Ok);
  EXPECT_EQ(order, -5);

  EXPECT_FALSE(access::PixelPoint(NAN, 10));
  EXPECT_FALSE(access::PixelPoint(10, -NAN));
  const auto beyond = access::PixelPoint(1e300, INFINITY), before = access::PixelPoint(-1e300, -INFINITY);
  ASSERT_TRUE(beyond && before);
  EXPECT_GE(text.AtPoint(beyond->X, beyond->Y).Start, text.Map().RowStart(text.Map().RowCount() - 1));
  EXPECT_EQ(text.AtPoint(before->X, before->Y), (TRange{0, 0}));
}

TEST_F(AccessTextTest, EveryRangeCallAnswersGoneAfterThePane) {
  using access::TRangeStatus;
  auto pane = std::make_unique<access::TAccessText>(editor, Widen);
  access::TRangeHome home(pane.get());
  access::TTextRange r(home, {0, 4}), other(home, {1, 2});
  home.Disconnect();
  pane.reset();  // the ranges outlive the map their endpoints were in
  bool same;
  int n;
  std::u16string s;
  std::optional<TRange> found;
  std::vector<access::TRowBox> boxes;
  const std::function<TRangeStatus()> calls[] = {
      [&] { return r.Compare(&other, same); },
      [&] { return r.CompareEndpoints(0, &other, 1, n); },
      [&] { return r.MoveEndpointByRange(0, &other, 1); },
      [&] { return r.ExpandToEnclosingUnit(3); },
      [&] { return r.FindText(u"a", false, false, found); },
      [&] { return r.GetText(-1, s); },
      [&] { return r.Boxes(boxes); },
      [&] { return r.Move(3, 1, n); },
      [&] { return r.MoveEndpointByUnit(1, 0, 1, n); },
      [&] { return r.Select(); },
      [&] { return r.ScrollIntoView(true); },
  };
  for (size_t i = 0; i < std::size(calls); ++i) EXPECT_EQ(calls[i](), TRangeStatus::Gone) << i;
}

TEST_F(AccessTextTest, TheMapFollowsARowListSharedFromAnotherPane) {
  FakeHost otherHost;
  TEditorCore other(otherHost);
  ConfigurePane(other);
  other.Lines().SetText("短い\r\nrows");
  access::TRangeHome home(&text);
  access::TTextRange end(home, {text.Length() - 3, text.Length()});
  // The pane's own list goes with the swap: nothing may read it afterwards.
  editor.ShareRowList(other);
  EXPECT_EQ(text.WholeText(), u"短い\r\nrows");
  EXPECT_EQ(text.Map().RowStart(1), 4);
  EXPECT_LE(end.Range().End, text.Length());
  std::u16string tailText;
  EXPECT_EQ(end.GetText(-1, tailText), access::TRangeStatus::Ok);
  // Edits of the shared list reach the map through the pane's change reports.
  editor.OnChange = [&](TObject*) { text.RowsChanged(editor.ListRows().LastUpdate()); };
  other.SetSelStart(0);
  other.InsertText("前");
  EXPECT_EQ(text.WholeText(), u"前短い\r\nrows");
  editor.OnChange = nullptr;
}

}  // namespace
}  // namespace glean::testing
