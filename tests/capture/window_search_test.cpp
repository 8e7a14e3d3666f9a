// The window list: which top-level windows are offered, with which titles and icons,
// and whether a screen reader is running.
#include <algorithm>

#include "capture/window_search.h"
#include "capture_fixture.h"

namespace glean::capture::testing {
namespace {

using TitledWindow = test::OwnWindow;

struct Listed {
  std::vector<std::string> titles;
  std::vector<std::string> fullTitles;
  bool allHaveIcons = true;
};

Listed Search(const TStrings& noAccess, HWND own = nullptr) {
  WindowEntries entries;
  EnumerateTopWindows(own, noAccess, entries);
  Listed out;
  for (const auto& e : entries.Items()) {
    out.titles.push_back(e.Title);
    out.fullTitles.push_back(e.FullTitle);
  }
  return out;
}

bool Has(const std::vector<std::string>& v, const std::string& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(WindowSearch, FixedTitlesAndClassesAreLeftOutButLookalikesStay) {
  TitledWindow progman("Program Manager");
  TitledWindow progman2("Program Manager 2");
  TitledWindow glean("グリーナ！");
  TitledWindow glean2("グリーナ！の設定");
  TitledWindow app("glean TApplication class", "TApplication");
  TitledWindow hidden("glean hidden window", "GleanTestWindow", false);
  TitledWindow untitled("");
  TStringList none;
  Listed l = Search(none);
  EXPECT_FALSE(Has(l.titles, "Program Manager"));
  EXPECT_TRUE(Has(l.titles, "Program Manager 2"));
  EXPECT_FALSE(Has(l.titles, "グリーナ！"));
  EXPECT_TRUE(Has(l.titles, "グリーナ！の設定"));
  EXPECT_FALSE(Has(l.titles, "glean TApplication class"));
  EXPECT_FALSE(Has(l.titles, "glean hidden window"));
  EXPECT_FALSE(Has(l.titles, ""));
}

TEST(WindowSearch, OwnWindowIsLeftOut) {
  TitledWindow own("glean own main window");
  TStringList none;
  EXPECT_FALSE(Has(Search(none, own.Get()).titles, "glean own main window"));
  EXPECT_TRUE(Has(Search(none).titles, "glean own main window"));
}

TEST(WindowSearch, OtherProgramsWindowsOfEveryKind) {
  SampleApp app("windowlist", "glean window list");
  ASSERT_NE(app.Window(), nullptr);
  TStringList none;
  Listed l = Search(none);
  EXPECT_TRUE(Has(l.titles, "glean window list"));
  EXPECT_TRUE(Has(l.titles, "glean window list ツール窓"));     // a tool window with a title
  EXPECT_FALSE(Has(l.titles, "glean window list TApplication"));
  EXPECT_FALSE(Has(l.titles, "glean window list 隠れた窓"));
}

TEST(WindowSearch, NoAccessEntriesAreCaseSensitiveSubstrings) {
  TitledWindow a("Secret Diary - メモ帳");
  TitledWindow b("glean public window");
  TStringList block;
  block.Add("Diary");
  Listed l = Search(block);
  EXPECT_FALSE(Has(l.titles, "Secret Diary - メモ帳"));
  EXPECT_TRUE(Has(l.titles, "glean public window"));
  TStringList otherCase;
  otherCase.Add("diary");
  EXPECT_TRUE(Has(Search(otherCase).titles, "Secret Diary - メモ帳"));
  EXPECT_TRUE(IsNoAccessTitle("abc", block) == false);
  TStringList empty;
  EXPECT_FALSE(IsNoAccessTitle("anything", empty));
}

TEST(WindowSearch, LongTitlesAreShownCutButKeptWholeForFindingTheWindow) {
  std::string title(300, 'x');
  title.replace(0, 6, "glean ");
  TitledWindow w(title);
  TStringList none;
  Listed l = Search(none);
  auto at = std::find(l.fullTitles.begin(), l.fullTitles.end(), title);
  ASSERT_NE(at, l.fullTitles.end());
  EXPECT_EQ(l.titles[at - l.fullTitles.begin()], title.substr(0, 254));
  EXPECT_EQ(Capture(title, SampleOptions()).outcome, CaptureOutcome::Captured);

  // A blocked word past the cut blocks the window too, since it is captured by its
  // whole title.
  TStringList block;
  block.Add("秘密");
  TitledWindow secret(std::string("glean long ") + std::string(280, 'y') + " 秘密の窓");
  Listed blocked = Search(block);
  EXPECT_FALSE(std::any_of(blocked.fullTitles.begin(), blocked.fullTitles.end(),
                           [](const std::string& t) { return t.find("秘密") != std::string::npos; }));
  EXPECT_TRUE(Has(blocked.fullTitles, title));
}

TEST(WindowSearch, IconsAreCopiedAndReleased) {
  TitledWindow w("glean icon window");
  TStringList none;
  {
    WindowEntries warm;  // the first search creates Wine's own lasting objects
    EnumerateTopWindows(nullptr, none, warm);
  }
  DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 5; ++i) {
    WindowEntries entries;
    EnumerateTopWindows(nullptr, none, entries);
    auto it = std::find_if(entries.Items().begin(), entries.Items().end(),
                           [](const WindowEntry& e) { return e.Title == "glean icon window"; });
    ASSERT_NE(it, entries.Items().end());
    ICONINFO info{};
    ASSERT_NE(it->Icon, nullptr);
    ASSERT_TRUE(GetIconInfo(it->Icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user + 2);
}

TEST(ScreenReader, WholeTitleInAnyCaseInTheListedOrder) {
  EXPECT_TRUE(DetectScreenReader({"メモ帳", "xpreader"}));
  EXPECT_TRUE(DetectScreenReader({"95READER"}));
  EXPECT_TRUE(DetectScreenReader({"2000Reader"}));
  EXPECT_TRUE(DetectScreenReader({"98reader"}));
  EXPECT_FALSE(DetectScreenReader({"XPReader 2", "The 95Reader", "ﾃﾞｽｸﾄｯﾌﾟ"}));
  EXPECT_FALSE(DetectScreenReader({}));
}

TEST(ScreenReader, AReaderWindowBlockedFromTheListIsNotDetected) {
  TitledWindow reader("XPReader");
  TStringList none, block;
  block.Add("XPR");
  EXPECT_TRUE(DetectScreenReader(Search(none).titles));
  EXPECT_FALSE(DetectScreenReader(Search(block).titles));
}

}  // namespace
}  // namespace glean::capture::testing
