// Addresses in tokens, the spoken form of lines, and the choice among item rectangles.
#include <gtest/gtest.h>

#include "main/core/hit_choice.h"
#include "main/core/links.h"
#include "main/core/spoken_line.h"

namespace glean {
namespace {

TEST(DetectAddress, WebPrefixesWithTheirCaseAndWwwOpenedOverHttp) {
  EXPECT_EQ(DetectAddress("http://a.jp/x").Target, "http://a.jp/x");
  EXPECT_EQ(DetectAddress("https://a.jp").Kind, LinkKind::Web);
  EXPECT_EQ(DetectAddress("ftp://f.jp").Target, "ftp://f.jp");
  DetectedLink www = DetectAddress("www.example.co.jp");
  EXPECT_EQ(www.Kind, LinkKind::Web);
  EXPECT_EQ(www.Target, "http://www.example.co.jp");
  for (const char* none : {"HTTP://a.jp", "WWW.example.com", "Www.x", "http:/a", "www", ""})
    EXPECT_EQ(DetectAddress(none).Kind, LinkKind::None) << none;
}

TEST(DetectAddress, MailNeedsAnAtAfterTheFirstCharacterAndADotAfterIt) {
  DetectedLink mail = DetectAddress("first.last@example.jp");
  EXPECT_EQ(mail.Kind, LinkKind::Mail);
  EXPECT_EQ(mail.Target, "mailto:first.last@example.jp");
  EXPECT_EQ(DetectAddress("a@b.c").Kind, LinkKind::Mail);
  EXPECT_EQ(DetectAddress("@example.jp").Kind, LinkKind::None);
  EXPECT_EQ(DetectAddress("user@localhost").Kind, LinkKind::None);
  EXPECT_EQ(DetectAddress("a.b@c").Kind, LinkKind::None) << "the dot must follow the @";
}

TEST(SpokenLine, PhrasesAtTheEndsEmptyLinesAndLineBreaks) {
  EXPECT_EQ(SpokenLine("一行だけ", 0, 1), "一行だけ　以上で取得データ終わり　");
  EXPECT_EQ(SpokenLine("", 0, 1), "　以上で取得データ終わり　");
  EXPECT_EQ(SpokenLine("最初", 0, 3), "取得データを開始します　　最初");
  EXPECT_EQ(SpokenLine("", 0, 3), "取得データを開始します　　");
  EXPECT_EQ(SpokenLine("", 1, 3), "空行");
  EXPECT_EQ(SpokenLine("中", 1, 3), "中");
  EXPECT_EQ(SpokenLine("最後", 2, 3), "最後　以上で取得データ終わり　");
  EXPECT_EQ(SpokenLine("a\r\nb", 1, 3), "a\r\nb改行");
}

TEST(HitChoice, KeysAreTheScaledAreaAndTheIndex) {
  EXPECT_EQ(HitRankKey({0, 0, 100, 200}, 3), "0.2=3");
  EXPECT_EQ(HitRankKey({10, 10, 22, 11}, 12), "0.00012=12");
  EXPECT_EQ(HitRankKey({0, 0, 1000, 1000}, 0), "10=0");
  EXPECT_EQ(HitRankKey({0, 0, 0, 0}, 1), "0=1");
}

TEST(HitChoice, TheSmallestRecordedItemUnderThePointWins) {
  // A group frame, a button inside it, and an unrelated box.
  std::vector<HitBox> boxes{{0, 0, 200, 300}, {20, 20, 45, 100}, {400, 400, 420, 500}};
  EXPECT_EQ(ChooseHitBox(boxes, 50, 30, true), 1);
  EXPECT_EQ(ChooseHitBox(boxes, 50, 30, false), 1) << "the last one collected";
  EXPECT_EQ(ChooseHitBox(boxes, 250, 150, true), 0);
  EXPECT_EQ(ChooseHitBox(boxes, 500, 410, true), 2) << "edges belong to the box";
  EXPECT_EQ(ChooseHitBox(boxes, 501, 410, true), -1);
  EXPECT_EQ(ChooseHitBox({}, 0, 0, true), -1);

  // Not ranked, the last row collected wins even over a smaller one before it.
  std::vector<HitBox> parts{{0, 0, 10, 10}, {0, 0, 100, 100}};
  EXPECT_EQ(ChooseHitBox(parts, 5, 5, false), 1);
  EXPECT_EQ(ChooseHitBox(parts, 5, 5, true), 0);

  // An area whose key starts another's ("0.0001" of "0.00012") is the smaller one.
  std::vector<HitBox> close{{0, 0, 12, 1}, {0, 0, 10, 1}};
  EXPECT_EQ(ChooseHitBox(close, 1, 0, true), 1);
}

TEST(HitChoice, EqualAreasGoToTheIndexThatSortsFirstAsText) {
  std::vector<HitBox> boxes(9, HitBox{500, 500, 510, 510});
  boxes.push_back({0, 0, 50, 50});  // row 9
  boxes.push_back({0, 0, 50, 50});  // row 10
  EXPECT_EQ(ChooseHitBox(boxes, 10, 10, true), 10) << "\"=10\" sorts before \"=9\"";
}

}  // namespace
}  // namespace glean
