// Menu bars are read from a window of the test's own process: Wine cannot read another
// process's menu bar (GetMenuItemCount answers -1 there, while Windows answers it).
#include <gtest/gtest.h>

#include "capture/capture_driver.h"
#include "capture/in_process_readers.h"
#include "harness/process.h"

namespace glean::capture {
namespace {

using test::OwnWindow;

HMENU MenuWithSeparator() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 1, "ファイル(&F)");
  AppendMenuA(bar, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(bar, MF_STRING, 2, "R&&D &Help");
  return bar;
}

std::vector<std::string> Capture(const std::string& title, const CaptureOptions& options) {
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = title;
  EXPECT_EQ(CaptureWindow(request, options, lines, hits), CaptureOutcome::Captured);
  return lines.Items();
}

TEST(MenuBar, TopLevelItemsWithSeparatorAsEmptyLine) {
  OwnWindow w("glean menu test", "GleanTestWindow", true, MenuWithSeparator());
  CaptureOptions options;
  EXPECT_EQ(Capture("glean menu test", options),
            (std::vector<std::string>{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean menu test", "", "∇ ﾒﾆｭｰ項目 ∇",
                                      "ファイル(&F)", "", "R&&D &Help", ""}));
}

TEST(MenuBar, NoAmpersandDropsEveryAmpersand) {
  OwnWindow w("glean menu test 2", "GleanTestWindow", true, MenuWithSeparator());
  CaptureOptions options;
  options.no_ampersand = true;
  options.show_text_type = false;
  EXPECT_EQ(Capture("glean menu test 2", options),
            (std::vector<std::string>{"glean menu test 2", "", "ファイル(F)", "", "RD Help"}));
}

TEST(MenuBar, ReadMenuOffReadsNothingAndNoMenuGivesTheMessage) {
  OwnWindow w("glean menu test 3", "GleanTestWindow", true, MenuWithSeparator());
  CaptureOptions options;
  options.read_menu = false;
  EXPECT_EQ(Capture("glean menu test 3", options),
            (std::vector<std::string>{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean menu test 3", "",
                                      "読み込み可能な文字データがありません。"}));
}

}  // namespace
}  // namespace glean::capture
