// Whole lists, whole trees and whole texts, cut lines past the limits, a capture stopped
// by the user, and controls that lie about their counts.
#include "../../tools/sample-app/long_text.h"
#include "../../tools/sample-app/sample_ids.h"
#include "../../tools/sample-app/whole_tree.h"
#include "capture_fixture.h"

namespace glean::capture::testing {
namespace {

namespace whole = sample_app::whole;

const char kStopLine[] = "Error: 取得を中止しました。‡";

std::string TooMany(int n) { return "Error: 項目が多すぎるため、最初の" + std::to_string(n) + "項目を取得しました。‡"; }

CaptureRun CaptureWith(const std::string& title, bool allItems, CaptureLimits limits = {},
                       std::function<bool()> stop = {}, std::function<void()> pump = {}) {
  CaptureOptions o = SampleOptions();
  o.read_all_items = allItems;
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = title;
  request.Limits = limits;
  request.StopRequested = std::move(stop);
  request.ProcessMessages = std::move(pump);
  CaptureOutcome outcome = CaptureWindow(request, o, lines, hits);
  return {outcome, lines.Items(), hits};
}

Lines ListRows(int count) {
  Lines e;
  for (int r = 0; r < count; ++r) Append(e, {"《番号》" + std::to_string(r), "《件名》件名" + std::to_string(r), ""});
  return e;
}

TEST(WholeLists, EveryRowWithTheOptionTheRowsInViewWithoutAndTheCutLinePastTheLimit) {
  const std::string title = "glean whole list";
  SampleApp app("wholelist", title);
  ASSERT_NE(app.Window(), nullptr);
  HWND list = app.Control(whole::kList);
  const int perPage = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(perPage, 2);
  const Lines head{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, ""};

  Lines e = head;
  e.push_back("∇ 見えているリストビュー項目 ∇");
  Append(e, ListRows(perPage));
  EXPECT_LINES(CaptureWith(title, false).lines, e);

  e = head;
  e.push_back("∇ ﾘｽﾄﾋﾞｭｰ項目 ∇");
  Append(e, ListRows(whole::kListRows));
  EXPECT_LINES(CaptureWith(title, true).lines, e);

  CaptureLimits small;
  small.Items = 40;
  e = head;
  e.push_back("∇ ﾘｽﾄﾋﾞｭｰ項目 ∇");
  Append(e, ListRows(40));
  e.push_back(TooMany(40));
  EXPECT_LINES(CaptureWith(title, true, small).lines, e);
  // Read without scrolling or selecting anything.
  EXPECT_EQ(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

TEST(WholeLists, TwoSelectedRowsAreStillReadAsTheSelection) {
  const std::string title = "glean whole list selection";
  SampleApp app("listview", title);
  ASSERT_NE(app.Window(), nullptr);
  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ﾘｽﾄﾋﾞｭｰ項目 ∇",
          "《名前》一行目", "《種類》テキスト", "", "《名前》二行目", "《種類》画像", "", "《名前》Third row", "《種類》Plain", ""};
  for (int r = 0; r < 5; ++r) Append(e, {"《名前》単一選択" + std::to_string(r), "《種類》値" + std::to_string(r), ""});
  e.push_back("∇ 選択されたﾘｽﾄﾋﾞｭｰ項目 ∇");
  for (int r : {1, 3, 15}) Append(e, {"《名前》複数選択" + std::to_string(r), "《種類》値" + std::to_string(r), ""});
  Append(e, {"列なし一", "", "列なし二", ""});
  EXPECT_LINES(CaptureWith(title, true).lines, e);
}

TEST(WholeTrees, EveryItemDepthFirstWithoutExpandingAndTheCutLine) {
  const std::string title = "glean whole tree";
  SampleApp app("wholetree", title);
  ASSERT_NE(app.Window(), nullptr);
  HWND tree = app.Control(whole::kTree);
  auto item = [&](WPARAM relation, LPARAM from = 0) { return SendMessageA(tree, TVM_GETNEXTITEM, relation, from); };
  const LRESULT caret = item(TVGN_CARET), top = item(TVGN_FIRSTVISIBLE);
  const int inView = static_cast<int>(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0));
  const sample_app::TreeData data = sample_app::WholeTree();
  ASSERT_LT(inView, static_cast<int>(data.nodes.size()));

  Lines off = CaptureWith(title, false).lines;
  ASSERT_GE(off.size(), 5u);
  EXPECT_EQ(off[3], "∇ 見えているﾂﾘｰﾋﾞｭｰ項目 ∇");
  EXPECT_EQ(off.size(), 5u + inView) << Show(off);

  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ﾂﾘｰﾋﾞｭｰ項目 ∇"};
  for (const auto& node : data.nodes) {
    std::string line;
    for (int d = 0; d < node.level; ++d) line += "　";
    e.push_back(line + node.text);
  }
  Lines cut(e.begin(), e.begin() + 4 + 6);
  e.push_back("");
  EXPECT_LINES(CaptureWith(title, true).lines, e);

  CaptureLimits small;
  small.Items = 6;
  Append(cut, {TooMany(6), ""});
  EXPECT_LINES(CaptureWith(title, true, small).lines, cut);

  // Nothing was expanded, selected or scrolled: the lazy branches are still empty.
  EXPECT_EQ(item(TVGN_CARET), caret);
  EXPECT_EQ(item(TVGN_FIRSTVISIBLE), top);
  EXPECT_EQ(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0), inView);
  EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0), static_cast<LRESULT>(data.nodes.size()));
}

TEST(WholeTexts, TwoHundredKilobytesReadWholeAndCutAtAnInjectedLimit) {
  const std::string title = "glean big text";
  SampleApp app("bigtext", title);
  ASSERT_NE(app.Window(), nullptr);
  const std::string text = sample_app::LinedText(whole::kBigTextBytes);
  EXPECT_LINES(CaptureWith(title, false).lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇", text, ""}));

  CaptureLimits small;
  small.WindowText = 99999;  // falls inside a two-byte character
  Lines l = CaptureWith(title, false, small).lines;
  ASSERT_EQ(l.size(), 7u) << Show(l);
  EXPECT_EQ(l[4], text.substr(0, l[4].size()));
  EXPECT_GE(l[4].size(), 99998u);
  EXPECT_LE(l[4].size(), 99999u);
  EXPECT_EQ(l[5], "Error: テキストが長すぎるため、途中までを取得しました。‡");
}

TEST(StoppedCapture, WhatWasReadStaysFollowedByTheStopLine) {
  const std::string title = "glean stopped list";
  SampleApp app("wholelist", title);
  ASSERT_NE(app.Window(), nullptr);
  int pumps = 0;
  CaptureRun run = CaptureWith(title, true, {}, [&] { return pumps >= 30; }, [&] { ++pumps; });
  EXPECT_EQ(run.outcome, CaptureOutcome::Stopped);
  const Lines& l = run.lines;
  ASSERT_GE(l.size(), 8u) << Show(l);
  EXPECT_EQ(l.back(), kStopLine);
  // Whole rows from the first on, up to where it stopped.
  const int rows = static_cast<int>(l.size() - 5) / 3;
  EXPECT_GE(rows, 20);
  EXPECT_LT(rows, 100);
  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ﾘｽﾄﾋﾞｭｰ項目 ∇"};
  Append(e, ListRows(rows));
  e.push_back(kStopLine);
  EXPECT_LINES(l, e);
}

TEST(LyingControls, EndlessCountsEndInSecondsWithTheCutLineAndTheWindowServed) {
  const std::string title = "glean liars";
  SampleApp app("liars", title);
  ASSERT_NE(app.Window(), nullptr);
  RECT client{};
  GetClientRect(app.Control(whole::kLyingList), &client);
  const int fit = client.bottom - client.top;
  ASSERT_GT(fit, 3);
  DWORD last = GetTickCount(), longestGap = 0;
  const DWORD start = last;
  CaptureRun run = CaptureWith(title, false, {}, {}, [&] {
    longestGap = std::max(longestGap, GetTickCount() - last);
    last = GetTickCount();
  });
  EXPECT_LT(GetTickCount() - start, 15000u);
  EXPECT_LT(longestGap, 1000u) << "the window was not served for a second";

  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ﾂｰﾙﾊﾞｰ ∇", "一つ目", "二つ目", TooMany(1000), "",
          "∇ 見えているリストビュー項目 ∇"};
  const char* names[] = {"甲", "乙", "丙"};
  for (int r = 0; r < fit; ++r) Append(e, r < 3 ? Lines{std::string("《名前》") + names[r], ""} : Lines{""});
  e.push_back(TooMany(fit));
  EXPECT_LINES(run.lines, e);
}

}  // namespace
}  // namespace glean::capture::testing
