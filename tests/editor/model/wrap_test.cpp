// Cut positions of the wrap at 80 columns: double-byte characters, word break, kinsoku,
// hanging punctuation and tabs.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "base/sjis.h"
#include "editor/model/column_classes.h"
#include "editor/model/line_split.h"
#include "editor/model/screen_strings.h"
#include "editor/model/wrap_cursor.h"
#include "editor/model/wrap_cut.h"

namespace glean {
namespace {

using Rows = std::vector<std::pair<std::string, TRowAttribute>>;

class WrapTest : public ::testing::Test {
 protected:
  WrapTest() {
    list.SetWordWrap(true);
    option().SetWrapByte(80);
  }
  TEditorWrapOption& option() { return list.WrapOption(); }
  Rows Wrap(const std::string& text) {
    TEditorStringList rows;
    list.WrapText(text, rows);
    Rows out;
    for (int r = 0; r < rows.Count(); ++r) out.emplace_back(rows.Ref(r), rows.RowAttribute(r));
    return out;
  }
  std::vector<size_t> Lengths(const std::string& text) {
    std::vector<size_t> out;
    for (auto& row : Wrap(text)) out.push_back(row.first.size());
    return out;
  }
  static std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  }
  TEditorScreenStrings list;
};

TEST_F(WrapTest, ALineShorterThanTheColumnIsOneRowAndAFullOneGetsAnEmptyRow) {
  EXPECT_EQ(Wrap(std::string(79, 'a')), (Rows{{std::string(79, 'a'), TRowAttribute::LineBreak}}));
  EXPECT_EQ(Wrap(std::string(80, 'a')), (Rows{{std::string(80, 'a'), TRowAttribute::Wrapped},
                                               {"", TRowAttribute::LineBreak}}));
  option().SetFollowRetMark(true);
  EXPECT_EQ(Wrap(std::string(80, 'a')), (Rows{{std::string(80, 'a'), TRowAttribute::LineBreak}}));
  EXPECT_EQ(list.WrapCount(std::string(80, 'a')), 1);
  option().SetFollowRetMark(false);
  EXPECT_EQ(list.WrapCount(std::string(80, 'a')), 2);
  EXPECT_EQ(list.WrapCount(std::string(200, 'a')), 3);
}

TEST_F(WrapTest, SplitsLinesAtEveryKindOfLineEnd) {
  EXPECT_EQ(Wrap("a\r\nb\rc\nd\r\n"),
            (Rows{{"a", TRowAttribute::LineBreak}, {"b", TRowAttribute::LineBreak},
                  {"c", TRowAttribute::LineBreak}, {"d", TRowAttribute::LineBreak}}));
  EXPECT_EQ(Wrap(""), (Rows{{"", TRowAttribute::LineBreak}}));
  EXPECT_EQ(Wrap("\r\n\r\n"), (Rows{{"", TRowAttribute::LineBreak}, {"", TRowAttribute::LineBreak}}));
}

TEST_F(WrapTest, ADoubleByteCharacterOnColumns80And81MovesWhole) {
  std::string line = std::string(79, 'a') + "あ" + "bbb";
  EXPECT_EQ(Lengths(line), (std::vector<size_t>{79, 5}));
  EXPECT_EQ(Wrap(line)[1].first, "あbbb");
  // Forty double-byte characters fill the row exactly.
  EXPECT_EQ(Lengths(Repeat("漢", 41)), (std::vector<size_t>{80, 2}));
}

TEST_F(WrapTest, WordBreakCutsAfterTheLastDelimiterFromColumn27) {
  option().SetWordBreak(true);
  std::string words = std::string(50, 'a') + " " + std::string(60, 'b');
  EXPECT_EQ(Lengths(words), (std::vector<size_t>{51, 60}));
  std::string punct = std::string(60, 'a') + "," + std::string(60, 'b');
  EXPECT_EQ(Lengths(punct), (std::vector<size_t>{61, 60}));
  // After a double-byte character as well.
  std::string mixed = std::string(70, 'a') + "あ" + std::string(40, 'b');
  EXPECT_EQ(Lengths(mixed), (std::vector<size_t>{72, 40}));
  // No delimiter in columns 27..80: cut after column 26.
  std::string run = std::string(10, 'a') + " " + std::string(100, 'b');
  EXPECT_EQ(Lengths(run), (std::vector<size_t>{26, 26, 59}));
  // Without word break the same run is cut at the column.
  option().SetWordBreak(false);
  EXPECT_EQ(Lengths(run), (std::vector<size_t>{80, 31}));
}

TEST_F(WrapTest, LeadingKeepsOpeningBracketsOffTheRowEnd) {
  option().SetLeading(true);
  EXPECT_EQ(Wrap(std::string(79, 'a') + "(" + "bb")[1].first, "(bb");
  // A full-width opening bracket whose second half falls on column 80.
  EXPECT_EQ(Wrap(std::string(78, 'a') + "（" + "bb")[1].first, "（bb");
}

TEST_F(WrapTest, LeadingPullsTheCharacterBeforeAClosingMarkDown) {
  option().SetLeading(true);
  Rows rows = Wrap(Repeat("あ", 40) + "、" + Repeat("い", 10));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].first, Repeat("あ", 39));
  EXPECT_EQ(rows[1].first, "あ、" + Repeat("い", 10));
  // No cut moves below column 64.
  EXPECT_EQ(Lengths(Repeat("、", 50)), (std::vector<size_t>{64, 36}));
  // Without kinsoku the mark begins the row.
  option().SetLeading(false);
  EXPECT_EQ(Wrap(Repeat("あ", 40) + "、" + Repeat("い", 10))[1].first, "、" + Repeat("い", 10));
}

TEST_F(WrapTest, PunctuationHangsPastTheColumnWhenAllowed) {
  std::string line = std::string(80, 'a') + "。" + "bbb";
  EXPECT_EQ(Lengths(line), (std::vector<size_t>{80, 5}));
  option().SetFollowPunctuation(true);
  EXPECT_EQ(Lengths(line), (std::vector<size_t>{82, 3}));
  // Two single-byte stops hang, a third does not.
  EXPECT_EQ(Lengths(std::string(80, 'a') + "..." + "b"), (std::vector<size_t>{82, 2}));
}

TEST_F(WrapTest, ATabNearTheColumnEndsAtTheRowEnd) {
  TColumnMetrics m{12, 80, true};
  std::string line = std::string(75, 'a') + "\t" + "bcd";
  std::string classes = BuildColumnClasses(line, m, DefaultDelimiters());
  EXPECT_EQ(classes.substr(74), "1" "23333" "111");  // the tab fills columns 76..80 only
  EXPECT_EQ(DisplayWidth(line, m), 83);
  m.WordWrap = false;
  EXPECT_EQ(BuildColumnClasses(line, m, DefaultDelimiters()).substr(75, 9), "233333333");
  EXPECT_EQ(DisplayWidth(line, m), 87);
  // Through the list (tab width 8 without a control): the tab closes row 0.
  EXPECT_EQ(Lengths(std::string(77, 'a') + "\tb"), (std::vector<size_t>{78, 1}));
}

TEST_F(WrapTest, ColumnClassesAndTheCursor) {
  TColumnMetrics m{4, 80, true};
  std::string text = "a b\tあ";
  std::string classes = BuildColumnClasses(text, m, DefaultDelimiters());
  EXPECT_EQ(classes, "12124" "5");
  TEditorAttributeArray a;
  a.Init(text, classes);
  EXPECT_EQ(a.Position(), 1);
  EXPECT_EQ(a.ByteIndex(), 1);
  a.MoveTo(5);
  EXPECT_EQ(a.Current(), '4');
  EXPECT_EQ(a.CurrentChar(), "あ");
  a.Next();
  EXPECT_EQ(a.Current(), '5');
  EXPECT_EQ(a.ByteIndex(), 6);
  EXPECT_EQ(a.CurrentChar(), "あ");
  a.BackOneChar();
  EXPECT_EQ(a.Position(), 4);
  EXPECT_EQ(a.CurrentChar(), "\t");
  EXPECT_EQ(a.NextChar(), "あ");
  EXPECT_EQ(a.Position(), 4);
  a.MoveTo(100);
  EXPECT_EQ(a.Current(), '0');
  EXPECT_EQ(a.CurrentChar(), "");
  // The tab's filler columns keep the byte index on the tab.
  std::string tabbed = "\tx";
  a.Init(tabbed, BuildColumnClasses(tabbed, m, DefaultDelimiters()));
  a.MoveTo(4);
  EXPECT_EQ(a.Current(), '3');
  EXPECT_EQ(a.ByteIndex(), 1);
  a.Next();
  EXPECT_EQ(a.ByteIndex(), 2);
  a.Prev();
  EXPECT_EQ(a.ByteIndex(), 1);
  // A lead byte with nothing after it is a byte of its own.
  EXPECT_EQ(BuildColumnClasses("a\x82", m, DefaultDelimiters()), "11");
}

TEST(IsIn, MatchesWholeCharactersOnly) {
  EXPECT_TRUE(IsIn("、", "、。"));
  EXPECT_TRUE(IsIn(".", "、.。"));
  EXPECT_FALSE(IsIn("", "、。"));
  // The trail byte of "ー" (0x81 0x5B) is '[': a lone '[' is not in a set holding only "ー".
  EXPECT_FALSE(IsIn("[", "ー"));
  EXPECT_TRUE(IsIn("[", "ー["));
}

TEST(WrapOption, ClampsTheColumnAndNotifiesOnlyOnChange) {
  TEditorWrapOption o;
  int changes = 0;
  o.OnChange = [&](TObject*) { ++changes; };
  o.SetWrapByte(10);
  EXPECT_EQ(o.WrapByte(), 20);
  o.SetWrapByte(300);
  EXPECT_EQ(o.WrapByte(), 250);
  EXPECT_EQ(changes, 2);
  o.SetWrapByte(250);
  o.SetLeadStr(o.LeadStr());
  o.SetWordBreak(false);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(o.FollowStr(), "、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ");
  EXPECT_EQ(o.LeadStr(), "（［｛「『([{｢");
  EXPECT_EQ(o.PunctuationStr(), "、。，．,.｡､");
  TEditorWrapOption other;
  other.SetLeading(true);
  o.Assign(other);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(o.Leading());
  EXPECT_EQ(o.WrapByte(), 80);
}

// Random mixed lines under every rule combination: rows join back to the line, no row
// ends inside a double-byte character, and no row is wider than the rules allow.
TEST_F(WrapTest, RandomLinesJoinBackAndNeverSplitACharacter) {
  std::mt19937 rng(7);
  const std::vector<std::string> pieces = {"a", "b", " ", ",", ".", "\t", "あ", "、", "。",
                                           "（", "「", "ｱ", "ｰ", "漢", "(", ")", "x_y"};
  for (int round = 0; round < 400; ++round) {
    option().SetWordBreak(round & 1);
    option().SetLeading(round & 2);
    option().SetFollowPunctuation(round & 4);
    option().SetFollowRetMark(round & 8);
    option().SetWrapByte(20 + int(rng() % 100));
    std::string line;
    int n = int(rng() % 300);
    for (int i = 0; i < n; ++i) line += pieces[rng() % pieces.size()];
    Rows rows = Wrap(line);
    std::string joined;
    for (size_t i = 0; i < rows.size(); ++i) {
      const std::string& row = rows[i].first;
      EXPECT_FALSE(sjis::IsTrailPosition(line, joined.size()) && !joined.empty())
          << "cut inside a character at byte " << joined.size();
      EXPECT_EQ(rows[i].second, i + 1 < rows.size() ? TRowAttribute::Wrapped : TRowAttribute::LineBreak);
      TColumnMetrics m = list.Metrics();
      if (i + 1 < rows.size()) {
        EXPECT_LE(DisplayWidth(row, m), option().WrapByte() + 3);
      }
      joined += row;
    }
    EXPECT_EQ(joined, line);
    EXPECT_EQ(list.WrapCount(line), int(rows.size()));
  }
}

// The wrap cuts with a cursor of its own that works columns out only where it is asked;
// the plain column walk over the whole class string is the reference it must match.
struct WalkCursor : TEditorAttributeArray {
  TColumnMetrics m;
  const TDelimiters* d;
  void Build(std::string_view text) { TEditorAttributeArray::Build(text, m, *d); }
};
struct RowSink {
  Rows rows;
  void Row(std::string_view text, TRowAttribute a) { rows.emplace_back(std::string(text), a); }
  void LastToLineBreak() { rows.back().second = TRowAttribute::LineBreak; }
};

std::string RandomText(std::mt19937& rng, int pieceCount) {
  // Lead bytes followed by a tab or by another lead byte ("＝" is 0x81 0x81), lone lead
  // bytes, tabs and long runs: where a byte's place in its character is hard to tell.
  static const std::vector<std::string> pieces = {
      "a", "b", " ", ",", ".", "\t", "\t\t", "あ", "、", "。", "（", "「", "」", "ｱ", "ｰ", "漢",
      "(", ")", "x_y", "＝＝＝", "\x81\t", "\x82", "ー", "abcdefghijkl", "\xfc\xfc\xfc"};
  std::string text;
  const size_t kinds = 1 + rng() % pieces.size();  // some texts use only a few pieces
  for (int i = 0; i < pieceCount; ++i) text += pieces[rng() % kinds];
  return text;
}

TEST(WrapCursor, CutsEveryLineAsTheColumnWalkDoes) {
  std::mt19937 rng(11);
  for (int round = 0; round < 4000; ++round) {
    TEditorWrapOption o;
    o.SetWordBreak(rng() & 1);
    o.SetLeading(rng() & 1);
    o.SetFollowPunctuation(rng() & 1);
    o.SetFollowRetMark(rng() & 1);
    o.SetWrapByte(20 + int(rng() % 231));
    const TColumnMetrics m{int(rng() % 14), o.WrapByte(), true};
    TDelimiters d = DefaultDelimiters();
    if (rng() % 4 == 0)
      for (size_t c = 0; c < 256; ++c) d[c] = rng() % 2;
    const std::string line = RandomText(rng, int(rng() % 400));
    const TWrapRules rules(o, m.WrapByte);
    TWrapCursor fast(m, d);
    WalkCursor walk;
    walk.m = m;
    walk.d = &d;
    RowSink got, want;
    CutLine(line, rules, fast, got);
    CutLine(line, rules, walk, want);
    ASSERT_EQ(got.rows, want.rows) << "round " << round;
  }
}

// A zoom step rewraps the rows already there: the rows must be those of wrapping the text.
TEST_F(WrapTest, RewrappingAtAnotherColumnGivesTheRowsOfWrappingTheText) {
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    option().SetWordBreak(rng() & 1);
    option().SetLeading(rng() & 1);
    option().SetWrapByte(20 + int(rng() % 100));
    std::string text;
    for (int n = 1 + int(rng() % 30); n > 0; --n) text += RandomText(rng, int(rng() % 60)) + "\r\n";
    list.LoadText(text);
    option().SetWrapByte(20 + int(rng() % 100));
    Rows rows;
    for (int r = 0; r < list.Count(); ++r) rows.emplace_back(list.Ref(r), list.RowAttribute(r));
    ASSERT_EQ(rows, Wrap(text)) << "round " << round;
  }
}

TEST(ForEachLine, EndsLinesAtCrLfLoneCrAndLoneLf) {
  std::mt19937 rng(3);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int n = int(rng() % 12); n > 0; --n) text += "a\r\n"[rng() % 3];
    std::vector<std::string> want, got;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r' && text[i] != '\n') {
        line += text[i];
        continue;
      }
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      want.push_back(std::exchange(line, std::string()));
    }
    if (!line.empty()) want.push_back(line);
    ForEachLine(text, [&](std::string_view l) { got.emplace_back(l); });
    ASSERT_EQ(got, want) << round;
  }
}

}  // namespace
}  // namespace glean
