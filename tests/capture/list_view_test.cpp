// List views: rows in view, none past the list's end, one and several selected rows, two lists
// under one header, and a list without columns; in the 64-bit and the 32-bit sample app.
#include "capture_fixture.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::capture::testing {
namespace {

namespace ids = sample_app::listview;

int PerPage(HWND listView) { return static_cast<int>(SendMessageA(listView, LVM_GETCOUNTPERPAGE, 0, 0)); }

void AddRow(Lines& out, const Lines& cells) {
  Append(out, cells);
  out.push_back("");
}

class ListViews : public ::testing::TestWithParam<bool> {};

TEST_P(ListViews, RowsInViewSelectedRowsAndSharedHeaders) {
  bool is32 = GetParam();
  if (is32) GLEAN_REQUIRE_32BIT();
  const std::string title = is32 ? "glean list views 32" : "glean list views 64";
  SampleApp app("listview", title, is32);
  ASSERT_NE(app.Window(), nullptr);
  int roomy = PerPage(app.Control(ids::kRoomy));
  int one = PerPage(app.Control(ids::kOneSelected));
  int none = PerPage(app.Control(ids::kNoColumns));
  ASSERT_GT(roomy, 3);
  ASSERT_GE(one, 5);
  ASSERT_GT(none, 2);

  // Rows that fit but do not exist give no lines.
  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ 見えているリストビュー項目 ∇"};
  for (const Lines& row : {Lines{"《名前》一行目", "《種類》テキスト"}, Lines{"《名前》二行目", "《種類》画像"},
                           Lines{"《名前》Third row", "《種類》Plain"}})
    AddRow(e, row);
  // One selected row: the rows in view, under the header already written.
  for (int row = 0; row < 5; ++row)
    AddRow(e, {"《名前》単一選択" + std::to_string(row), "《種類》値" + std::to_string(row)});
  // Three selected rows, one of them scrolled away: all three.
  e.push_back("∇ 選択されたﾘｽﾄﾋﾞｭｰ項目 ∇");
  for (int row : {1, 3, 15})
    AddRow(e, {"《名前》複数選択" + std::to_string(row), "《種類》値" + std::to_string(row)});
  // No columns: read as one column without a title.
  AddRow(e, {"列なし一"});
  AddRow(e, {"列なし二"});

  CaptureRun run = Capture(title, SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  EXPECT_LINES(run.lines, e);
}

TEST_P(ListViews, ProgressIsShownPerRowAndListViewsOffReadsNothing) {
  bool is32 = GetParam();
  if (is32) GLEAN_REQUIRE_32BIT();
  const std::string title = is32 ? "glean list progress 32" : "glean list progress 64";
  SampleApp app("listview", title, is32);
  ASSERT_NE(app.Window(), nullptr);
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = title;
  std::vector<std::string> progress;
  int pumps = 0;
  request.ShowProgress = [&](const std::string& s) { progress.push_back(s); };
  request.ProcessMessages = [&] { ++pumps; };
  CaptureWindow(request, SampleOptions(), lines, hits);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.front(), "データを取得中...お待ち下さい：0");
  // One of each per row; messages are also handled between controls.
  EXPECT_GE(pumps, static_cast<int>(progress.size()));

  CaptureOptions o = SampleOptions();
  o.read_listview = false;
  EXPECT_LINES(Capture(title, o).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "読み込み可能な文字データがありません。"}));
}

TEST(ListViewsReentry, ACaptureAskedForDuringACaptureIsIgnored) {
  SampleApp app("listview", "glean reentry");
  ASSERT_NE(app.Window(), nullptr);
  TStringList lines, nested;
  ItemHitTable hits, nestedHits;
  CaptureRequest request;
  request.SelectedTitle = "glean reentry";
  std::vector<CaptureOutcome> nestedOutcomes;
  request.ProcessMessages = [&] {
    EXPECT_TRUE(CaptureInProgress());
    if (nestedOutcomes.empty())
      nestedOutcomes.push_back(CaptureWindow(request, SampleOptions(), nested, nestedHits));
  };
  EXPECT_EQ(CaptureWindow(request, SampleOptions(), lines, hits), CaptureOutcome::Captured);
  ASSERT_EQ(nestedOutcomes.size(), 1u);
  EXPECT_EQ(nestedOutcomes[0], CaptureOutcome::Ignored);
  EXPECT_EQ(nested.Count(), 0);
  EXPECT_FALSE(CaptureInProgress());
  EXPECT_EQ(lines.Get(1), "glean reentry");  // the running capture went on undisturbed
}

INSTANTIATE_TEST_SUITE_P(Bitness, ListViews, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Target32" : "Target64"; });

}  // namespace
}  // namespace glean::capture::testing
