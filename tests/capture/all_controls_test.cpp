// A capture of the sample app's window with every control kind, compared line by line
// with what the capture rules give for it.
#include "capture_fixture.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::capture::testing {
namespace {

namespace ids = sample_app::all;

const char kTitle[] = "glean all controls";

// Rows in view of the list view: the page may hold more rows than the list has; those
// rows give no text, only their empty line.
// The four rows there are, though more would fit.
Lines ListViewRows() {
  const Lines cells[] = {{"《名前》書類.txt", "12 KB", "テキスト"},
                         {"《名前》写真.jpg", "1.5 MB", "画像"},
                         {"《名前》readme", "3 KB", "Plain"},
                         {"《名前》音楽.mp3", "4 MB", "音声"}};
  Lines out{"∇ 見えているリストビュー項目 ∇"};
  for (const Lines& row : cells) {
    Append(out, row);
    out.push_back("");
  }
  return out;
}

Lines ExpectedWithHeaders() {
  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", kTitle, "",
          "∇ ﾂｰﾙﾊﾞｰ ∇", "新規", "開く", "Save", "印刷", "",
          "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "名前(&N):", "同じラベル", "&", "Plain ASCII label",
          "",
          "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇", "一行の編集 Edit", "",
          "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇", "一行目\r\n二行目\r\nThird line", "",
          "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "実行(&R)", "チェック済み", "Not checked", "グループ枠", "枠内のボタン",
          "",
          "∇ ｺﾝﾎﾞﾎﾞｯｸｽ ∇", "みかん", "",
          "∇ ｺﾝﾎﾞﾎﾞｯｸｽ ∇", "Nagoya", "",
          "∇ ﾘｽﾄ項目 ∇", "二番目", "",
          "∇ ﾘｽﾄ項目 ∇", "未選択の先頭", "",
          "∇ 選択されたﾘｽﾄ項目 ∇", "項目2", "項目5", "項目7", ""};
  Append(e, ListViewRows());
  Append(e, {"∇ 見えているﾂﾘｰﾋﾞｭｰ項目 ∇", "ルート", "子項目一", "孫項目", "子項目二", "",
             "Child three", "二つ目のルート", "枝", "葉っぱ", "Last root", ""});
  Append(e, {"∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "表示ページのラベル", "",
             "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇", "表示ページの編集", "",
             "∇ ｽﾃｰﾀｽﾊﾞｰ ∇", "準備完了", "Line 1, Col 1", ""});
  return e;
}

class AllControls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = new SampleApp("all", kTitle); }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(app_->Window(), nullptr) << "the sample app did not come up"; }
  int PerPage() const {
    return static_cast<int>(SendMessageA(app_->Control(ids::kListView), LVM_GETCOUNTPERPAGE, 0, 0));
  }
  static SampleApp* app_;
};
SampleApp* AllControls::app_ = nullptr;

TEST_F(AllControls, WholeCaptureWithHeaders) {
  ASSERT_GT(PerPage(), 4);
  ASSERT_GE(SendMessageA(app_->Control(ids::kTreeView), TVM_GETVISIBLECOUNT, 0, 0), 10);
  CaptureRun run = Capture(kTitle, SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  EXPECT_LINES(run.lines, ExpectedWithHeaders());
}

TEST_F(AllControls, WithoutHeadersOnlyTheTitleLineIsFollowedByAnEmptyLine) {
  CaptureOptions o = SampleOptions();
  o.show_text_type = false;
  Lines e{kTitle, "", "新規", "開く", "Save", "印刷", "名前(&N):", "同じラベル", "&",
          "Plain ASCII label", "一行の編集 Edit", "一行目\r\n二行目\r\nThird line", "実行(&R)",
          "チェック済み", "Not checked", "グループ枠", "枠内のボタン", "みかん", "Nagoya", "二番目",
          "未選択の先頭", "項目2", "項目5", "項目7"};
  Append(e, {"《名前》書類.txt", "12 KB", "テキスト", "《名前》写真.jpg", "1.5 MB", "画像",
             "《名前》readme", "3 KB", "Plain", "《名前》音楽.mp3", "4 MB", "音声"});
  Append(e, {"ルート", "子項目一", "孫項目", "子項目二", "", "Child three", "二つ目のルート", "枝",
             "葉っぱ", "Last root", "表示ページのラベル", "表示ページの編集", "準備完了",
             "Line 1, Col 1"});
  EXPECT_LINES(Capture(kTitle, o).lines, e);
}

TEST_F(AllControls, HitTableHoldsTextsWithScreenRectangles) {
  CaptureRun run = Capture(kTitle, SampleOptions());
  // The in-process readers' rows are the controls' window rectangles.
  std::vector<HitRow> controls;
  for (const HitRow& row : run.hits)
    if (row.Text != "新規" && row.Text != "開く" && row.Text != "Save" && row.Text != "印刷" &&
        row.Text != "準備完了" && row.Text != "Line 1, Col 1" && !row.Text.empty())
      controls.push_back(row);
  std::vector<HitRow> expected{
      Hit("名前(&N):", app_->Control(ids::kLabelName)),
      Hit("同じラベル", app_->Control(ids::kLabelTwin1)),
      Hit("&", app_->Control(ids::kLabelAmpersand)),
      Hit("Plain ASCII label", app_->Control(ids::kLabelAscii)),
      Hit("一行の編集 Edit", app_->Control(ids::kEditSingle)),
      Hit("一行目\r\n二行目\r\nThird line", app_->Control(ids::kEditMulti)),
      Hit("実行(&R)", app_->Control(ids::kButtonRun)),
      Hit("チェック済み", app_->Control(ids::kCheckOn)),
      Hit("Not checked", app_->Control(ids::kCheckOff)),
      Hit("グループ枠", app_->Control(ids::kGroup)),
      Hit("枠内のボタン", app_->Control(ids::kButtonInGroup)),
      Hit("みかん", app_->Control(ids::kComboDropDown)),
      Hit("Nagoya", app_->Control(ids::kComboDropList)),
      Hit("表示ページのラベル", app_->Control(ids::kPage0Label)),
      Hit("表示ページの編集", app_->Control(ids::kPage0Edit)),
  };
  EXPECT_EQ(controls, expected);
}

TEST_F(AllControls, ToolbarAndStatusRowsLieOnTheirItems) {
  CaptureRun run = Capture(kTitle, SampleOptions());
  RECT bar = WindowRectOf(app_->Control(ids::kToolBar));
  RECT status = WindowRectOf(app_->Control(ids::kStatusBar));
  // Toolbar: the four text buttons from left to right inside the bar, not the separators.
  std::vector<HitRow> tool(run.hits.begin(), run.hits.begin() + 4);
  const char* texts[] = {"新規", "開く", "Save", "印刷"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(tool[i].Text, texts[i]);
    EXPECT_GE(tool[i].Left, bar.left);
    EXPECT_LE(tool[i].Right, bar.right);
    EXPECT_GE(tool[i].Top, bar.top);
    EXPECT_LE(tool[i].Bottom, bar.bottom);
    if (i > 0) {
      EXPECT_GE(tool[i].Left, tool[i - 1].Right);
    }
  }
  // Status bar: the textless plain part is skipped; the owner-drawn and the pop-out part
  // give rows with empty texts, each at its own part (right edges 240, 320, 400, end).
  std::vector<HitRow> parts(run.hits.end() - 4, run.hits.end());
  const char* partTexts[] = {"準備完了", "", "", "Line 1, Col 1"};
  const int rights[] = {240, 320, 400};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(parts[i].Text, partTexts[i]) << i;
    EXPECT_GE(parts[i].Top, status.top);
    EXPECT_LE(parts[i].Bottom, status.bottom);
    if (i < 3) {
      EXPECT_NEAR(parts[i].Right, status.left + rights[i], 3) << i;
    }
  }
  EXPECT_NEAR(parts[0].Left, status.left + 80, 3);
}

TEST_F(AllControls, HiddenPageIsReadWhenHiddenChildrenAreWanted) {
  CaptureOptions o = SampleOptions();
  o.not_get_hidden = false;
  Lines lines = Capture(kTitle, o).lines;
  auto has = [&](const char* s) { return std::find(lines.begin(), lines.end(), s) != lines.end(); };
  EXPECT_TRUE(has("隠しページのラベル"));
  EXPECT_TRUE(has("隠しページのボタン"));
  o.not_get_hidden = true;
  lines = Capture(kTitle, o).lines;
  EXPECT_FALSE(has("隠しページのラベル"));
}

TEST_F(AllControls, ReadOptionsOffLeaveTheirKindsOutEntirely) {
  CaptureOptions o = SampleOptions();
  o.show_text_type = false;
  o.read_listview = o.read_treeview = o.read_status = o.read_tool = false;
  o.read_static = o.read_edit = o.read_combo = o.read_list = false;
  // Nothing but the title section, so the message line follows it.
  EXPECT_LINES(Capture(kTitle, o).lines,
               (Lines{kTitle, "", "読み込み可能な文字データがありません。"}));
}

TEST_F(AllControls, EditOffStillCountsForTheRepeatTest) {
  // With edits off, the edit text still becomes the last child text: the edit inside the
  // drop-down combo box repeats its combo box's text and is dropped either way.
  CaptureOptions o = SampleOptions();
  o.read_edit = false;
  Lines lines = Capture(kTitle, o).lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇"), 0);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "みかん"), 1);
}

TEST_F(AllControls, NoAmpersandCleansStaticsAndTheLoneAmpersandLabel) {
  CaptureOptions o = SampleOptions();
  o.no_ampersand = true;
  CaptureRun run = Capture(kTitle, o);
  // "&" becomes an empty line, so the next label opens a header of its own.
  Lines expectedStart{"∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "名前(N):", "同じラベル", "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇",
                      "Plain ASCII label"};
  auto at = std::find(run.lines.begin(), run.lines.end(), "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇");
  ASSERT_NE(at, run.lines.end());
  EXPECT_EQ(Lines(at, at + 6), expectedStart);
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "実行(R)"), run.lines.end());
  EXPECT_NE(std::find_if(run.hits.begin(), run.hits.end(), [](const HitRow& r) { return r.Text.empty(); }),
            run.hits.end());
}

}  // namespace
}  // namespace glean::capture::testing
