// The integer and boolean forms of Glean.ini values.
#include "settings/profile_values.h"

#include <gtest/gtest.h>

namespace glean {
namespace {

TEST(ParseProfileInt, DecimalWithSign) {
  EXPECT_EQ(ParseProfileInt("9"), 9);
  EXPECT_EQ(ParseProfileInt("-5"), -5);
  EXPECT_EQ(ParseProfileInt("+12"), 12);
  EXPECT_EQ(ParseProfileInt("007"), 7);
  EXPECT_EQ(ParseProfileInt("  42"), 42);
  EXPECT_EQ(ParseProfileInt("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseProfileInt("-2147483648"), INT32_MIN);
}

TEST(ParseProfileInt, Hexadecimal) {
  EXPECT_EQ(ParseProfileInt("0x0C"), 12);
  EXPECT_EQ(ParseProfileInt("0X0c"), 12);
  EXPECT_EQ(ParseProfileInt("$C"), 12);
  EXPECT_EQ(ParseProfileInt("$ff"), 255);
  EXPECT_EQ(ParseProfileInt("-$10"), -16);
  EXPECT_EQ(ParseProfileInt("-0x10"), -16);
  EXPECT_EQ(ParseProfileInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseProfileInt("0x80000000"), INT32_MIN);
  EXPECT_EQ(ParseProfileInt("0"), 0);  // a lone zero is decimal, not a prefix
}

TEST(ParseProfileInt, InvalidValuesGiveNothing) {
  for (const char* bad : {"", " ", "abc", "12a", "1 2", "12 ", "-", "+", "$", "0x", "-0x",
                          "0xG", "$-1", "--1", "1.5", "2147483648", "-2147483649",
                          "$100000000", "99999999999999999999", "\x82\x50"}) {
    EXPECT_EQ(ParseProfileInt(bad), std::nullopt) << '"' << bad << '"';
  }
}

TEST(ProfileValues, DefaultsAndTruth) {
  EXPECT_EQ(ProfileIntOr("abc", 9), 9);
  EXPECT_EQ(ProfileIntOr("", 506), 506);
  EXPECT_EQ(ProfileIntOr("0", 9), 0);
  EXPECT_TRUE(ProfileBoolOr("2", false));
  EXPECT_TRUE(ProfileBoolOr("-1", false));
  EXPECT_FALSE(ProfileBoolOr("0", true));
  EXPECT_TRUE(ProfileBoolOr("", true));
  EXPECT_FALSE(ProfileBoolOr("", false));
  EXPECT_TRUE(ProfileBoolOr("yes", true));  // not an integer: the default
  EXPECT_FALSE(ProfileBoolOr("yes", false));
  EXPECT_EQ(FormatProfileBool(true), "1");
  EXPECT_EQ(FormatProfileBool(false), "0");
  EXPECT_EQ(FormatProfileInt(-174), "-174");
  EXPECT_EQ(NoAccessKey(0), "no_access[0]");
  EXPECT_EQ(NoAccessKey(12), "no_access[12]");
}

}  // namespace
}  // namespace glean
