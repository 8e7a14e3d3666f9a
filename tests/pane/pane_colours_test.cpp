// The pane's colour choice and the zoom's sizes, for every setting and theme.
#include <gtest/gtest.h>

#include <set>

#include "pane/pane_colours.h"
#include "pane/pane_zoom.h"

namespace glean {
namespace {

// Windows' "High Contrast Black" and a theme whose grey text and hyperlink melt into
// the window colour.
constexpr SystemColours kHighContrastBlack{0x000000, 0xFFFFFF, 0xFFFF00 /* cyan-ish */, 0x000000,
                                           0x00FFFF, 0x3FF23F, 0x000000, 0xFFFFFF};
constexpr SystemColours kMeltingTheme{0x202020, 0xF0F0F0, 0x303030, 0x303030,
                                      0x212121, 0x222222, 0x202020, 0x202020};

std::vector<ColourPair> Pairs(const PaneColours& c) {
  return {c.plain, c.header, c.note, c.error, c.link, c.mail, c.selection, c.hit, c.endMark, c.list};
}

TEST(PaneColours, SettingAndHighContrastDecideWhoseColours) {
  const PaneColours own = ChoosePaneColours(SystemColorUse::Never, false, kHighContrastBlack);
  EXPECT_EQ(own.plain, (ColourPair{clBlack, clWhite}));
  EXPECT_EQ(own.header, (ColourPair{clBlue, clYellow}));
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::Never, true, kHighContrastBlack), own) << "0 ignores high contrast";
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::InHighContrast, false, kHighContrastBlack), own);
  const PaneColours system = ChoosePaneColours(SystemColorUse::Always, false, kHighContrastBlack);
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::InHighContrast, true, kHighContrastBlack), system);
  EXPECT_EQ(system.plain, (ColourPair{kHighContrastBlack.windowText, kHighContrastBlack.window}));

  EXPECT_EQ(SystemColorUseOf(1), SystemColorUse::Always);
  EXPECT_EQ(SystemColorUseOf(7), SystemColorUse::InHighContrast) << "a broken value is the default";
}

TEST(PaneColours, SystemColoursOnlyAndEveryTextDistinct) {
  for (const SystemColours& theme : {kHighContrastBlack, kMeltingTheme}) {
    const PaneColours c = ChoosePaneColours(SystemColorUse::Always, false, theme);
    const std::set<TColor> system{theme.window,    theme.windowText, theme.highlight, theme.highlightText,
                                  theme.hotLight, theme.grayText,   theme.btnFace,   theme.btnText};
    for (const ColourPair& p : Pairs(c)) {
      EXPECT_TRUE(system.count(p.text)) << std::hex << p.text;
      EXPECT_TRUE(system.count(p.back)) << "no fixed background: " << std::hex << p.back;
      EXPECT_TRUE(Distinct(p.text, p.back)) << std::hex << p.text << " on " << p.back;
    }
  }
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::Always, false, kHighContrastBlack).header,
            (ColourPair{kHighContrastBlack.highlightText, kHighContrastBlack.highlight})) << "a band";
  // Links keep the theme's link colour; where grey and link melt into the window, the
  // plain text colour stands in.
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::Always, false, kHighContrastBlack).link.text, kHighContrastBlack.hotLight);
  EXPECT_EQ(ChoosePaneColours(SystemColorUse::Always, false, kMeltingTheme).link.text, kMeltingTheme.windowText);
}

TEST(PaneZoom, StepsThroughTheSizesFromAnySize) {
  int size = kMinFontSize, steps = 0;
  while (size < kMaxFontSize && steps < 100) size = ZoomIn(size), ++steps;
  EXPECT_EQ(steps, 14);
  EXPECT_EQ(ZoomIn(72), 72);
  EXPECT_EQ(ZoomIn(13), 14) << "a size between the steps goes to the next";
  EXPECT_EQ(ZoomOut(13), 12);
  EXPECT_EQ(ZoomOut(8), 8);
  EXPECT_EQ(ZoomOut(500), 72);
}

}  // namespace
}  // namespace glean
