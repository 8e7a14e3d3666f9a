// Captures of the sample app's smaller scenarios: windows without children, equal and
// blank titles, many selected items, texts longer than the buffers, a broken list view,
// a hung program, and the desktop entry; and windows of the test's own with controls set
// up as some programs do (hidden twins, hidden buttons, simple status bars, owner-drawn
// lists without strings).
#include <algorithm>
#include <cstring>

#include "base/errors.h"
#include "base/sjis.h"
#include "capture/window_search.h"
#include "procmem/process_mem_mgr.h"
#include "win/os_error.h"
#include "capture_fixture.h"
#include "../../tools/sample-app/long_text.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::capture::testing {
namespace {

const char kNothing[] = "読み込み可能な文字データがありません。";

TEST(WindowWithoutChildren, FourLinesWithHeadersThreeWithout) {
  SampleApp app("empty", "glean empty window");
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_LINES(Capture("glean empty window", SampleOptions()).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean empty window", "", kNothing}));
  CaptureOptions o = SampleOptions();
  o.show_text_type = false;
  EXPECT_LINES(Capture("glean empty window", o).lines, (Lines{"glean empty window", "", kNothing}));
}

TEST(WindowWithoutChildren, OneLineBesidesTheTitleStillGetsTheMessage) {
  // One label; the title ends with blanks.
  std::string title = std::string("glean one label") + sample_app::kBlankSuffix;
  SampleApp app("blanks", "glean one label", false, title);
  ASSERT_NE(app.Window(), nullptr);
  CaptureOptions o = SampleOptions();
  o.show_text_type = false;
  EXPECT_LINES(Capture(title, o).lines, (Lines{title, "", "末尾に空白のあるタイトル", kNothing}));
}

TEST(Titles, TrimmedTitleOfAWindowWithTrailingBlanksIsNotFound) {
  SampleApp app("blanks", "glean blank title", false,
                std::string("glean blank title") + sample_app::kBlankSuffix);
  ASSERT_NE(app.Window(), nullptr);
  CaptureRun run = Capture("glean blank title", SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::WindowNotFound);
  EXPECT_TRUE(run.lines.empty());
}

TEST(Titles, TwoWindowsWithOneTitleCaptureTheTopmost) {
  SampleApp app("twins", "glean twins");
  ASSERT_NE(app.Window(), nullptr);
  HWND top = FindWindowA(nullptr, "glean twins");
  ASSERT_NE(top, nullptr);
  std::string expected = test::WindowText(GetDlgItem(top, sample_app::twins::kLabel));
  Lines lines = Capture("glean twins", SampleOptions()).lines;
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[4], expected);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "双子の一番目") +
                std::count(lines.begin(), lines.end(), "双子の二番目"),
            1);
}

TEST(Titles, AHiddenWindowOfTheSameTitleAboveTheChosenOneIsPassedOver) {
  // The list offers visible windows only; a program's hidden helper window with the
  // same title, made later and so above it, must not be read in its place.
  test::OwnWindow shown("glean hidden twin");
  ASSERT_NE(AddChild(shown.Get(), "STATIC", "見える窓のラベル", 0, 200, 20), nullptr);
  test::OwnWindow hidden("glean hidden twin", "GleanTestWindow", false);
  ASSERT_EQ(FindWindowA(nullptr, "glean hidden twin"), hidden.Get()) << "the hidden one must lie on top";
  EXPECT_LINES(Capture("glean hidden twin", SampleOptions()).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean hidden twin", "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "見える窓のラベル"}));
  // With no visible window of that title left, the hidden one is still found.
  ShowWindow(shown.Get(), SW_HIDE);
  EXPECT_EQ(Capture("glean hidden twin", SampleOptions()).outcome, CaptureOutcome::Captured);
}

TEST(Titles, AUnicodeControlsTextKeepsWhatTheCodePageLacksThroughTheOneConversion) {
  // The ANSI read turns such characters into "?"; the probe reads the text again in UTF-16.
  test::OwnWindow w("glean unicode label");
  ASSERT_NE(CreateWindowW(L"STATIC", L"caf\u00E9 \u2603? 窓", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, w.Get(),
                          nullptr, GetModuleHandleA(nullptr), nullptr),
            nullptr);
  EXPECT_LINES(Capture("glean unicode label", SampleOptions()).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean unicode label", "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "cafe 〓? 窓"}));
}

// Writes into the caller's buffer and answers that it wrote nothing.
LRESULT CALLBACK AnswerNothingButWrite(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (m != WM_GETTEXT || wp < 6) return DefSubclassProc(h, m, wp, lp);
  std::memcpy(reinterpret_cast<char*>(lp), "ghost", 6);
  return 0;
}

TEST(Titles, AWindowTextIsWhatTheAnswerCountsNotWhatTheBufferHolds) {
  test::OwnWindow w("glean silent label");
  HWND label = AddChild(w.Get(), "STATIC", "", 0);
  ASSERT_TRUE(SetWindowSubclass(label, AnswerNothingButWrite, 1, 0));
  EXPECT_LINES(Capture("glean silent label", SampleOptions()).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean silent label", "", kNothing}));
}

TEST(Titles, ATitleWithCharactersOutsideTheCodePageIsFoundByItsListedForm) {
  // The list holds the title in code page 932, where a character it lacks becomes "〓"
  // (never "?"); the window must still be found by that form.
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = L"GleanUnicodeTestWindow";
  RegisterClassW(&wc);
  HWND w = CreateWindowW(wc.lpszClassName, L"glean \xD55C\xAD6D\x8A9E \U0001F3B5 窓", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         10, 10, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(w, nullptr);
  const std::string listed = "glean 〓〓語 〓 窓";
  EXPECT_EQ(WholeWindowTitle(w), listed);
  CaptureRun run = Capture(listed, SampleOptions());
  DestroyWindow(w);
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  EXPECT_LINES(run.lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", listed, "", "読み込み可能な文字データがありません。"}));
}

TEST(ToolBars, AHiddenButtonIsReadButGetsNoPlaceOnTheScreen) {
  test::OwnWindow w("glean hidden button");
  HWND bar = AddChild(w.Get(), TOOLBARCLASSNAMEA, "", TBSTYLE_LIST, 400, 28);
  ASSERT_NE(bar, nullptr);
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
  const char* texts[] = {"一つ目", "隠れた", "三つ目"};
  for (int i = 0; i < 3; ++i) {
    std::string list = std::string(texts[i]) + '\0';
    TBBUTTON b{};
    b.idCommand = i + 1;
    b.iBitmap = I_IMAGENONE;
    b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    b.fsState = static_cast<BYTE>(TBSTATE_ENABLED | (i == 1 ? TBSTATE_HIDDEN : 0));
    b.iString = SendMessageA(bar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(list.c_str()));
    SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
  }
  CaptureRun run = Capture("glean hidden button", SampleOptions());
  EXPECT_LINES(run.lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean hidden button", "", "∇ ﾂｰﾙﾊﾞｰ ∇", "一つ目", "隠れた",
                                 "三つ目", ""}));
  // A row for the hidden button would lie on the rectangle asked for before it, where
  // the pointer would read the hidden text over the first button.
  ASSERT_EQ(run.hits.size(), 2u);
  EXPECT_EQ(run.hits[0].Text, "一つ目");
  EXPECT_EQ(run.hits[1].Text, "三つ目");
  EXPECT_GE(run.hits[1].Left, run.hits[0].Right);
}

TEST(StatusBars, ASimpleModeBarIsReadOnce) {
  test::OwnWindow w("glean simple status");
  HWND bar = AddChild(w.Get(), STATUSCLASSNAMEA, "", 0);
  ASSERT_NE(bar, nullptr);
  int rights[] = {100, 200, -1};
  SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights));
  for (int p = 0; p < 3; ++p) SendMessageA(bar, SB_SETTEXTA, p, reinterpret_cast<LPARAM>(Format("部分%d", p).c_str()));
  SendMessageA(bar, SB_SIMPLE, TRUE, 0);
  SendMessageA(bar, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("簡易表示の文"));
  CaptureRun run = Capture("glean simple status", SampleOptions());
  EXPECT_LINES(run.lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean simple status", "", "∇ ｽﾃｰﾀｽﾊﾞｰ ∇", "簡易表示の文", ""}));
  EXPECT_EQ(run.hits.size(), 1u);
}

TEST(OwnerDrawnLists, WithoutStringsTheyGiveNoText) {
  // Such a list keeps a value of the program's own per item, which LB_GETTEXT and the
  // drop-down list's window text hand out in place of a text: read as characters it is
  // rubbish ("AAAA" here). The same lists with strings are read.
  test::OwnWindow w("glean lists without strings");
  auto add = [&](const char* cls, DWORD style, UINT addMessage, bool strings) {
    HWND list = AddChild(w.Get(), cls, "", style);
    ASSERT_NE(list, nullptr);
    SendMessageA(list, addMessage, 0,
                 strings ? reinterpret_cast<LPARAM>("文字列の項目") : static_cast<LPARAM>(0x0041004100410041));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
  };
  for (bool strings : {false, true}) {
    add("LISTBOX", LBS_OWNERDRAWFIXED | (strings ? LBS_HASSTRINGS : 0), LB_ADDSTRING, strings);
    add("COMBOBOX", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | (strings ? CBS_HASSTRINGS : 0), CB_ADDSTRING, strings);
  }
  EXPECT_LINES(Capture("glean lists without strings", SampleOptions()).lines,
               (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean lists without strings", "", "∇ ﾘｽﾄ項目 ∇", "文字列の項目", "",
                      "∇ ｺﾝﾎﾞﾎﾞｯｸｽ ∇", "文字列の項目", ""}));
}

TEST(ListBoxes, OnlyTheFirstThousandSelectedItemsAndExactlyThree) {
  SampleApp app("manysel", "glean many selected");
  ASSERT_NE(app.Window(), nullptr);
  Lines e{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean many selected", "", "∇ 選択されたﾘｽﾄ項目 ∇"};
  for (int i = 0; i < 1000; ++i) e.push_back(Format("選択項目 %04d", i));
  Append(e, {"", "∇ 選択されたﾘｽﾄ項目 ∇", "一", "四", "八", ""});
  EXPECT_LINES(Capture("glean many selected", SampleOptions()).lines, e);
}

// A line that must be `full` cut to at most `limit` bytes, at a character boundary, and
// not much shorter (the control may cut a little before the limit).
void ExpectCut(const std::string& actual, const std::string& full, size_t limit, const char* what) {
  EXPECT_LE(actual.size(), limit) << what;
  EXPECT_GE(actual.size() + 4, std::min(limit, full.size())) << what;
  EXPECT_EQ(full.compare(0, actual.size(), actual), 0) << what << " is not the text's start";
  EXPECT_EQ(sjis::CharBoundaryAtOrBefore(actual, actual.size()), actual.size()) << what;
}

// Window texts are read whole; item texts up to 4096 bytes, a longer one cut and followed
// by the line that says so; list box items keep their old buffer.
TEST(LongTexts, WholeWindowTextsAndItemTextsCutWithTheCutLine) {
  using sample_app::LongText;
  const std::string cutLine = "Error: テキストが長すぎるため、途中までを取得しました。‡";
  SampleApp app("longitem", "glean long items");
  ASSERT_NE(app.Window(), nullptr);
  Lines l = Capture("glean long items", SampleOptions()).lines;
  size_t at = 3;
  auto next = [&] { return at < l.size() ? l[at++] : std::string("<missing>"); };
  ASSERT_GE(l.size(), 30u) << Show(l);
  EXPECT_EQ(next(), "∇ ﾂｰﾙﾊﾞｰ ∇");
  EXPECT_EQ(next(), LongText("長いボタン", 300));
  EXPECT_EQ(next(), "短いボタン");
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ ﾘｽﾄ項目 ∇");
  ExpectCut(next(), LongText("長いリスト項目", 12000), 10000, "list box item");
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ 見えているリストビュー項目 ∇");
  EXPECT_EQ(next(), "《長いセル》" + LongText("長いセル三百", 300));
  EXPECT_EQ(next(), "");
  std::string line = next();
  ASSERT_EQ(line.rfind("《長いセル》", 0), 0u) << line;
  ExpectCut(line.substr(std::string("《長いセル》").size()), LongText("長いセル五千", 5000), 4096, "cell");
  EXPECT_EQ(next(), cutLine);
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇");
  EXPECT_EQ(next(), LongText("長いラベル", 12000));
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇");
  EXPECT_EQ(next(), LongText("長い編集", 12000));
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ 見えているﾂﾘｰﾋﾞｭｰ項目 ∇");
  EXPECT_EQ(next(), "短い枝");
  EXPECT_EQ(next(), LongText("長い枝", 2000));
  EXPECT_EQ(next(), "");
  EXPECT_EQ(next(), "∇ ｽﾃｰﾀｽﾊﾞｰ ∇");
  EXPECT_EQ(next(), "短い");
  EXPECT_EQ(next(), LongText("長いパート六百", 600));
  ExpectCut(next(), LongText("長いパート五千", 5000), 4096, "status part");
  EXPECT_EQ(next(), cutLine);
  EXPECT_EQ(next(), "");
  EXPECT_EQ(at, l.size()) << Show(l);
}

// Committed private memory of a process, in bytes: what a reader reserved there and did
// not give back shows up here.
size_t CommittedPrivateBytes(HANDLE process) {
  size_t total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (char* p = nullptr; VirtualQueryEx(process, p, &info, sizeof info) == sizeof info;
       p = static_cast<char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    if (p > static_cast<char*>(info.BaseAddress) + info.RegionSize) break;
  }
  return total;
}

// The line a control ends with when its text pointer cannot be followed: the system's
// reason for refusing that read, as Glean's own read of it gets it.
std::string UnreadablePointerLine(HANDLE process) {
  char byte = 0;
  EXPECT_FALSE(ReadProcessMemory(process, reinterpret_cast<void*>(~uintptr_t{0xFFF}), &byte, 1, nullptr));
  std::string reason = win::SystemErrorMessage(GetLastError());
  std::replace(reason.begin(), reason.end(), '\r', ' ');
  std::replace(reason.begin(), reason.end(), '\n', ' ');
  return "Error: " + reason + "‡";
}

TEST(BrokenTarget, AnUnreadableTextPointerEndsThatControlWithTheOSErrorAndTheCaptureGoesOn) {
  SampleApp app("badpointer", "glean bad pointer");
  ASSERT_NE(app.Window(), nullptr);
  // Warm up: the first capture lets the target make its own allocations once.
  Capture("glean bad pointer", SampleOptions());
  size_t before = CommittedPrivateBytes(app.Process().Handle());
  CaptureRun run = Capture("glean bad pointer", SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::Captured);
  EXPECT_LINES(run.lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean bad pointer", "", "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "前のラベル", "",
                                 "∇ 見えているリストビュー項目 ∇", "《名前》読める行", "《状態》正常", "",
                                 UnreadablePointerLine(app.Process().Handle()), "",
                                 "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇", "後のラベル"}));
  // Nothing placed in the target stays there on this path.
  EXPECT_EQ(CommittedPrivateBytes(app.Process().Handle()), before);
}

// A program that answers late writes into the buffer Glean placed in it after Glean gave
// up: the buffer must still be there, or the program crashes. The rows it answered in time
// are kept.
TEST(SlowTarget, ARowAnsweredLateKeepsTheRowsBeforeItAndTheProgramAlive) {
  namespace ids = sample_app::slowrow;
  SampleApp app("slowrow", "glean slow row");
  ASSERT_NE(app.Window(), nullptr);
  const LeftBlocks left = BlocksLeftInProcesses();
  CaptureRun run = Capture("glean slow row", SampleOptions());
  EXPECT_EQ(run.outcome, CaptureOutcome::NotResponding);
  EXPECT_LINES(run.lines, (Lines{"∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇", "glean slow row", "", "∇ 見えているリストビュー項目 ∇",
                                 "《名前》一行目", "《状態》所有者データ", "", "《名前》二行目", "《状態》所有者データ", "",
                                 "Error: 指定されたウィンドウが応答しません。‡"}));
  EXPECT_GT(BlocksLeftInProcesses().Segments, left.Segments);
  // The late answer is written, and the program goes on answering.
  HWND note = app.Control(ids::kAnswered);
  EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(note) == "遅れた答え: 1" || app.Process().WaitForExit(0); },
                              ids::kDelayMs + 5000));
  EXPECT_FALSE(app.Process().WaitForExit(0)) << "the program died writing its late answer";
  DWORD_PTR ignored = 0;
  EXPECT_TRUE(SendMessageTimeoutA(app.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored));
}

TEST(HungTarget, CaptureEndsWithTheNotRespondingLine) {
  SampleApp app("all", "glean hung target");
  ASSERT_NE(app.Window(), nullptr);
  // The sample app stops answering from now on.
  test::TestProcess hung = test::TestProcess::Start(test::SampleAppPath(false),
                                                    "--scenario all --title \"glean hung 2\" --hang-after 300");
  ASSERT_NE(hung.WaitForWindow("GleanSampleApp", "glean hung 2"), nullptr);
  Sleep(600);
  DWORD start = GetTickCount();
  CaptureRun run = Capture("glean hung 2", SampleOptions());
  DWORD took = GetTickCount() - start;
  EXPECT_EQ(run.outcome, CaptureOutcome::NotResponding);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines.back(), "Error: 指定されたウィンドウが応答しません。‡");
  EXPECT_LT(took, 8000u);
  // The other, answering, sample app is still captured normally afterwards.
  EXPECT_EQ(Capture("glean hung target", SampleOptions()).outcome, CaptureOutcome::Captured);
}

TEST(VanishingTarget, WindowClosedDuringTheCaptureEndsItWithoutHarm) {
  auto app = std::make_unique<SampleApp>("listview", "glean vanishing");
  ASSERT_NE(app->Window(), nullptr);
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = "glean vanishing";
  request.ProcessMessages = [&] {
    if (app) {
      app->Process().Terminate();
      app.reset();
    }
  };
  try {
    CaptureWindow(request, SampleOptions(), lines, hits);
  } catch (const Exception&) {
    // An OS error from the vanished process is a proper end too.
  }
  EXPECT_EQ(lines.Get(1), "glean vanishing");
}

TEST(DesktopEntry, ListsTheDesktopFolderWithoutShortcutExtensions) {
  test::TempFolder windows;
  std::string desktop = windows.File("ﾃﾞｽｸﾄｯﾌﾟ");
  ASSERT_TRUE(CreateDirectoryA(desktop.c_str(), nullptr));
  for (const char* name : {"メモ帳.lnk", "電卓.LNK", "読んでね.txt"}) {
    HANDLE f = CreateFileA((desktop + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    CloseHandle(f);
  }
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = "ﾃﾞｽｸﾄｯﾌﾟ";
  request.WindowsFolder = windows.Path();
  EXPECT_EQ(CaptureWindow(request, SampleOptions(), lines, hits), CaptureOutcome::Captured);
  Lines got = lines.Items();
  ASSERT_EQ(got.size(), 4u) << Show(got);
  EXPECT_EQ(got.back(), kNothing);
  Lines names(got.begin(), got.end() - 1);
  std::sort(names.begin(), names.end());
  Lines expected{"メモ帳", "電卓", "読んでね.txt"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  EXPECT_TRUE(hits.empty());
}

TEST(DesktopEntry, MissingDesktopFolderFallsBackToTheUsersDesktop) {
  test::TempFolder windows;  // holds no desktop folder
  EXPECT_NE(DesktopFolderFor(windows.Path()), windows.File("ﾃﾞｽｸﾄｯﾌﾟ"));
  TStringList lines;
  ListDesktopFolder(windows.File("no such folder"), lines);
  EXPECT_EQ(lines.Count(), 0);
}

}  // namespace
}  // namespace glean::capture::testing
