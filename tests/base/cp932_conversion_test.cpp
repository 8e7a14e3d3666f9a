#include "base/cp932_conversion.h"

#include <gtest/gtest.h>

#include <map>

namespace glean::sjis {
namespace {

// Code page 932 for ASCII and a few Japanese characters, as the system's encoder would
// answer: all or nothing for a run.
bool SmallEncoder(std::u16string_view units, std::string& out) {
  static const std::map<char16_t, std::string> kKnown = {
      {u'日', "日"}, {u'本', "本"}, {u'ｱ', "ｱ"}, {u'　', "　"}};
  std::string add;
  for (char16_t c : units) {
    if (c < 0x80) {
      add += static_cast<char>(c);
    } else if (auto it = kKnown.find(c); it != kKnown.end()) {
      add += it->second;
    } else {
      return false;
    }
  }
  out += add;
  return true;
}

TEST(Cp932Conversion, KeepsWhatTheCodePageHasAndReplacesTheRest) {
  const struct {
    std::u16string in;
    std::string out;
  } cases[] = {
      {u"", ""},
      {u"plain 日本ｱ　", "plain 日本ｱ　"},
      {u"café", "cafe"},
      {u"Ångström", "Angstrom"},
      {u"Łódź Ŵ ǅ Ấ ỹ", "〓odz W 〓 A y"},    // Ł has no decomposition, ǅ is a ligature
      {u"e\u0301\u0308x", "ex"},               // combining marks of their own are dropped
      {u"ß Ø ☃ 😀!", "〓 〓 〓 〓!"},            // a surrogate pair is one character
      {u"a\xD800" u"b\xDC00", "a〓b〓"},           // lone surrogates
      {u"日本\u00E9日", "日本e日"},
  };
  for (const auto& c : cases) EXPECT_EQ(FromUtf16(c.in, SmallEncoder), c.out) << c.out;
}

TEST(Cp932Conversion, DropsWhatItLacksWhenAskedAndNeverPassesOnBadBytes) {
  EXPECT_EQ(FromUtf16(u"caf\u00E9 \u2603日\U0001F600", SmallEncoder, TMissing::Drop), "caf 日");
  // An encoder that answers bytes no Shift-JIS reader takes (as the system's does for a
  // few private-use characters), or more than two bytes a unit: a character it lacks.
  auto odd = [](std::u16string_view units, std::string& out) {
    if (units == u"\uF8F1") return out += '\xFD', true;
    if (units == u"\uF8F2") return out += "\x82", true;
    if (units == u"x") return out += "xxx", true;
    return SmallEncoder(units, out);
  };
  EXPECT_EQ(FromUtf16(u"a\uF8F1b\uF8F2x日", odd), "a〓b〓〓日");
  EXPECT_EQ(FromUtf16(u"\uF8F1x", odd, TMissing::Drop), "");
}

}  // namespace
}  // namespace glean::sjis
