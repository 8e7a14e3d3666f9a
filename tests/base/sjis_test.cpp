#include "base/sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace glean::sjis {
namespace {

TEST(Sjis, LeadByteRanges) {
  for (int c = 0; c < 256; ++c) {
    bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(c)), expected) << c;
  }
  EXPECT_TRUE(IsLeadByte('\x81'));  // the char overload must not sign-extend
}

// "aソb": the trail byte of ソ is 0x5C, the ASCII backslash; "表" likewise.
const std::string kMixed = "a\x83\x5C" "b\x95\x5C";

TEST(Sjis, StepsForwardOverWholeCharacters) {
  std::vector<size_t> seen;
  for (size_t i = 0; i < kMixed.size(); i = NextCharPos(kMixed, i)) seen.push_back(i);
  EXPECT_EQ(seen, (std::vector<size_t>{0, 1, 3, 4}));
  EXPECT_EQ(NextCharPos(kMixed, kMixed.size()), kMixed.size());
}

TEST(Sjis, StepsBackwardOverWholeCharacters) {
  std::vector<size_t> seen;
  for (size_t i = kMixed.size(); i > 0;) {
    i = PrevCharPos(kMixed, i);
    seen.push_back(i);
  }
  EXPECT_EQ(seen, (std::vector<size_t>{4, 3, 1, 0}));
}

TEST(Sjis, TrailBytesThatLookLikeLeadBytes) {
  // 0x81 0x81 0x81 0x81: two characters "＝＝"; a backward step from 4 must land on 2.
  std::string s = "\x81\x81\x81\x81";
  EXPECT_EQ(PrevCharPos(s, 4), 2u);
  EXPECT_TRUE(IsTrailPosition(s, 1));
  EXPECT_FALSE(IsTrailPosition(s, 2));
  EXPECT_EQ(CharBoundaryAtOrBefore(s, 3), 2u);
}

TEST(Sjis, BrokenInput) {
  std::string loneLead = "ab\x82";
  EXPECT_EQ(CharLength(loneLead, 2), 1u);
  EXPECT_EQ(NextCharPos(loneLead, 2), 3u);
  EXPECT_EQ(PrevCharPos(loneLead, 3), 2u);
  // A trail byte alone (0x40 after ASCII) is just ASCII.
  EXPECT_EQ(CharLength("@", 0), 1u);
  EXPECT_EQ(CharLength("", 0), 0u);
}

}  // namespace
}  // namespace glean::sjis
