// The sample app's own command-line parsing: titles reach it as Shift-JIS, and a trail
// byte 0x5C must not be taken for a backslash before a quote.
#include "command_line.h"

#include <gtest/gtest.h>

namespace sample_app {
namespace {

using Args = std::vector<std::string>;

TEST(SampleAppCommandLine, SplitsAtBlanksAndGroupsQuotedText) {
  EXPECT_EQ(SplitCommandLine(R"("C:\dir with space\SampleApp.exe" --title "a b"  c)"),
            (Args{R"(C:\dir with space\SampleApp.exe)", "--title", "a b", "c"}));
  EXPECT_EQ(SplitCommandLine("app.exe\t--x\t\"\""), (Args{"app.exe", "--x", ""}));
  EXPECT_EQ(SplitCommandLine("app.exe"), (Args{"app.exe"}));
}

TEST(SampleAppCommandLine, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(SplitCommandLine(R"(app a\\b "c\\" d\"e "f""g")"),
            (Args{"app", R"(a\\b)", R"(c\)", R"(d"e)", R"(f"g)"}));
  // The program name keeps its backslashes even before a quote.
  EXPECT_EQ(SplitCommandLine(R"("C:\x\"y)")[0], R"(C:\x\y)");
}

TEST(SampleAppCommandLine, TrailByteBackslashIsPartOfItsCharacter) {
  // "表" is 0x95 0x5C: taken for a backslash, it would eat the closing quote.
  const std::string hyou = "表";
  ASSERT_EQ(hyou, "\x95\x5C");
  EXPECT_EQ(SplitCommandLine("app --title \"表\" --scenario all"),
            (Args{"app", "--title", "表", "--scenario", "all"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\表\\app.exe\" x"), (Args{"C:\\表\\app.exe", "x"}));
}

TEST(SampleAppCommandLine, TrailingBlanksInsideQuotesStay) {
  EXPECT_EQ(SplitCommandLine("app --title \"末尾  \"")[2], "末尾  ");
}

TEST(SampleAppOptions, DefaultsWithoutArguments) {
  Options options;
  EXPECT_EQ(ParseOptions({"app"}, options), "");
  EXPECT_EQ(options.title, kDefaultTitle);
  EXPECT_EQ(options.scenario, "all");
  EXPECT_EQ(options.hang_after_ms, -1);
  EXPECT_EQ(options.folder, "");
}

TEST(SampleAppOptions, TakesEveryOption) {
  Options options;
  EXPECT_EQ(ParseOptions({"app", "--title", "題名", "--scenario", "twins", "--hang-after", "250",
                          "--folder", "C:\\d"},
                         options),
            "");
  EXPECT_EQ(options.title, "題名");
  EXPECT_EQ(options.scenario, "twins");
  EXPECT_EQ(options.hang_after_ms, 250);
  EXPECT_EQ(options.folder, "C:\\d");
}

TEST(SampleAppOptions, RejectsWhatItCannotUse) {
  Options options;
  EXPECT_NE(ParseOptions({"app", "--colour", "red"}, options), "");
  EXPECT_NE(ParseOptions({"app", "--title"}, options), "");
  EXPECT_NE(ParseOptions({"app", "--hang-after", "soon"}, options), "");
  EXPECT_NE(ParseOptions({"app", "--hang-after", "-5"}, options), "");
  EXPECT_NE(ParseOptions({"app", "--hang-after", "10ms"}, options), "");
  EXPECT_NE(ParseOptions({"app", "--hang-after", ""}, options), "");
  EXPECT_EQ(ParseOptions({"app", "--hang-after", "0"}, options), "");
  EXPECT_EQ(options.hang_after_ms, 0);
}

}  // namespace
}  // namespace sample_app
