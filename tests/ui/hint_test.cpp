// The two parts of a hint: tool tip before the first "|", status bar after it.
#include <gtest/gtest.h>

#include "ui/hint.h"

namespace glean::ui {
namespace {

TEST(Hint, WithoutABarBothPartsAreTheWholeHint) {
  EXPECT_EQ(ShortHint("現在起動中のウィンドウを検索します"), "現在起動中のウィンドウを検索します");
  EXPECT_EQ(LongHint("現在起動中のウィンドウを検索します"), "現在起動中のウィンドウを検索します");
  EXPECT_EQ(ShortHint(""), "");
  EXPECT_EQ(LongHint(""), "");
}

TEST(Hint, TheFirstBarSplits) {
  EXPECT_EQ(ShortHint("一覧| メモ帳"), "一覧");
  EXPECT_EQ(LongHint("一覧| メモ帳"), " メモ帳");
  EXPECT_EQ(LongHint("一覧|a|b"), "a|b");
  EXPECT_EQ(ShortHint("|後"), "");
  EXPECT_EQ(LongHint("前|"), "");
}

TEST(Hint, ATrailByteThatLooksLikeABarDoesNotSplit) {
  // "ポ" is 0x83 0x7C in Shift-JIS: its second byte is the bar's code.
  const std::string hint = "ポップ|ポート";
  ASSERT_EQ(static_cast<unsigned char>(hint[1]), 0x7C);
  EXPECT_EQ(ShortHint(hint), "ポップ");
  EXPECT_EQ(LongHint(hint), "ポート");
  EXPECT_EQ(LongHint("ポポ"), "ポポ");
}

}  // namespace
}  // namespace glean::ui
