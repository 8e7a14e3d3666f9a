// The sample app's custom-drawn document, read through its accessibility tree from this
// process: the whole capture with the line rules, a Unicode title, a hung tree, a cycle,
// a tree beyond the object limit, and the object under a point.
#include "capture/accessible/accessible_reader.h"
#include "capture/accessible/worker.h"
#include "capture/target_messages.h"
#include "capture/window_search.h"
#include "capture_fixture.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::capture::testing {
namespace {

namespace doc = sample_app::document;

const char kTooMany[] = "Error: 項目が多すぎるため、途中までを取得しました。‡";

// A document scenario; its window is a Unicode window found by class.
struct DocumentApp {
  DocumentApp(const char* scenario, const std::string& title)
      : process(test::TestProcess::Start(test::SampleAppPath(false),
                                         std::string("--scenario ") + scenario + " --title \"" + title + "\"")),
        window(process.WaitForWindow(sample_app::kUnicodeWindowClass, nullptr)),
        shownTitle(title + doc::kTitleSuffix932) {}
  test::TestProcess process;
  HWND window;
  std::string shownTitle;  // as Glean lists it
};

Lines Head(const std::string& title) {
  return {"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", title, "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "文書ビュー", "", "∇ ｱｸｾｼﾋﾞﾘﾃｨ項目 ∇"};
}

// The tree of the normal document, line by line, up to and after the hanging object.
const Lines kBeforeCheckBox = {"サンプル文書", "見出し", "ようこそ、Glean の文書へ。", "《リンク》詳しくはこちら",
                               "《ボタン》送信"};
const Lines kFromCheckBox = {"《チェックボックス》同意する（チェック）", "《ラジオボタン》赤",
                             "《エディット》氏名　山田太郎", "《エディット》同じ", "《画像》ロゴ", "お知らせ",
                             "本日は晴天なり", "一覧", "《リスト項目》項目一", "《リスト項目》項目二",
                             "《タブ》設定", "《メニュー項目》開く", "《コンボボックス》色　青", "値だけ",
                             "Cafe Angstrom", "絵文字〓です", ""};

Lines WholeDocument(const std::string& title) {
  Lines expected = Head(title);
  Append(expected, kBeforeCheckBox);
  Append(expected, kFromCheckBox);
  return expected;
}

TEST(AccessibleTree, TheDocumentIsListedAndCapturedByItsConvertedTitleWithTheLineRules) {
  DocumentApp app("document", "glean 文書");
  ASSERT_NE(app.window, nullptr);
  EXPECT_EQ(WholeWindowTitle(app.window), app.shownTitle);
  WindowEntries entries;
  TStringList noAccess;
  EnumerateTopWindows(nullptr, noAccess, entries);
  bool listed = false;
  for (const WindowEntry& e : entries.Items()) listed |= e.Title == app.shownTitle;
  EXPECT_TRUE(listed);

  CaptureRun run = Capture(app.shownTitle, SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  EXPECT_LINES(run.lines, WholeDocument(app.shownTitle));
  // A tree that is only built once asked (a bare root first) is asked again.
  DocumentApp lazy("doclazy", "glean 遅い文書");
  ASSERT_NE(lazy.window, nullptr);
  EXPECT_LINES(Capture(lazy.shownTitle, SampleOptions()).lines, WholeDocument(lazy.shownTitle));
  // The broken tree: a group lists the root and itself among its children.
  DocumentApp cycle("doccycle", "glean 輪");
  ASSERT_NE(cycle.window, nullptr);
  EXPECT_LINES(Capture(cycle.shownTitle, SampleOptions()).lines, WholeDocument(cycle.shownTitle));

  CaptureOptions off = SampleOptions();
  off.read_accessible = false;
  EXPECT_LINES(Capture(app.shownTitle, off).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", app.shownTitle, "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "文書ビュー"}));
}

TEST(AccessibleTree, AHungTreeEndsTheCaptureInTimeWithWhatWasRead) {
  DocumentApp app("dochang", "glean 止まる文書");
  ASSERT_NE(app.window, nullptr);
  const DWORD start = GetTickCount();
  CaptureRun run = Capture(app.shownTitle, SampleOptions());
  const DWORD took = GetTickCount() - start;
  EXPECT_EQ(run.outcome, CaptureOutcome::NotResponding);
  Lines expected = Head(app.shownTitle);
  Append(expected, kBeforeCheckBox);
  Append(expected, {"", "Error: 指定されたウィンドウが応答しません。‡"});
  EXPECT_LINES(run.lines, expected);
  EXPECT_GE(took, accessible::kIdleLimitMs - 100);
  EXPECT_LT(took, accessible::kIdleLimitMs + 3000);

  // Esc while the worker waits on the hung call: the capture stops at once with what was read.
  DocumentApp again("dochang", "glean また止まる文書");
  ASSERT_NE(again.window, nullptr);
  const DWORD stopAt = GetTickCount() + 300;
  run = Capture(again.shownTitle, SampleOptions(), [&] { return GetTickCount() > stopAt; });
  EXPECT_EQ(run.outcome, CaptureOutcome::Stopped);
  EXPECT_LT(GetTickCount() - stopAt, accessible::kIdleLimitMs - 500);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines.back(), "Error: 取得を中止しました。‡");
}

TEST(AccessibleTree, ATreeBeyondItsLimitsIsCutWithItsLine) {
  // 12,121 objects: the object limit cuts it, or under Wine's slow calls the window's time.
  DocumentApp app("dochuge", "glean 大きな文書");
  ASSERT_NE(app.window, nullptr);
  const DWORD start = GetTickCount();
  CaptureRun run = Capture(app.shownTitle, SampleOptions());
  EXPECT_LT(GetTickCount() - start, accessible::kWindowLimitMs + 3000);
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  const Lines& lines = run.lines;
  const size_t head = Head("").size();
  ASSERT_GE(lines.size(), head + 3);
  EXPECT_LE(lines.size(), head + 10000 + 2);
  EXPECT_EQ(lines[head], "大きな文書");
  EXPECT_EQ(lines[lines.size() - 2], kTooMany);
  // The texts in the tree's order, groups adding no line.
  for (size_t i = head + 1; i + 2 < lines.size(); ++i) {
    const size_t n = i - head - 1;
    ASSERT_EQ(lines[i], "項目 " + std::to_string(n / 100) + "-" + std::to_string(n % 100)) << i;
  }
}

TEST(AccessibleTree, ThePointerReaderReadsTheObjectUnderThePoint) {
  DocumentApp app("document", "glean 指す文書");
  ASSERT_NE(app.window, nullptr);
  HWND view = GetDlgItem(app.window, doc::kView);
  // Other tests' windows open at the same place: the point must fall on this one.
  SetWindowPos(app.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Rows in depth-first order: the document, the heading, its two texts, the unnamed
  // group, the link, its text, then the button on row 7; the list items on 19 and 20.
  auto at = [&](int row) {
    POINT p{30, row * doc::kRowHeight + doc::kRowHeight / 2};
    ClientToScreen(view, &p);
    return accessible::AccessibleTextAtPoint(view, p, nullptr);
  };
  EXPECT_EQ(at(7), "《ボタン》送信");
  EXPECT_EQ(at(8), "《チェックボックス》同意する（チェック）");
  EXPECT_EQ(at(20), "《リスト項目》項目二");
}

}  // namespace
}  // namespace glean::capture::testing
