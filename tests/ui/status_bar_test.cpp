// The status bar's text read back whole, also where the window system counts its length
// in UTF-16 units rather than in the bytes of the Shift-JIS text.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "harness/process.h"
#include "ui/controls.h"

namespace glean::test {
namespace {

TEST(StatusBar, AJapaneseTextReadsBackWhole) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  OwnWindow parent("status bar");
  ui::StatusBar bar(parent.Get());
  // Every character two bytes: a length in characters is half the bytes needed.
  std::string text;
  for (int i = 0; i < 40; ++i) text += "現在起動中のウィンドウを検索します";
  bar.SetSimpleText(text);
  EXPECT_EQ(bar.SimpleText(), text);
  bar.SetSimpleText("");
  EXPECT_EQ(bar.SimpleText(), "");
}

}  // namespace
}  // namespace glean::test
