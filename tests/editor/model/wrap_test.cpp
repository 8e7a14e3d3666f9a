// Cut positions of the wrap at 80 columns: double-byte characters, word break, kinsoku,
// hanging punctuation and tabs.
#include <gtest/gtest.h>

#include <random>

#include "base/sjis.h"
#include "editor/model/column_classes.h"
#include "editor/model/screen_strings.h"

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

}  // namespace
}  // namespace glean
