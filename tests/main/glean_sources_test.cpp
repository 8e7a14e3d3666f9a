// From a captured line back to its source, in Glean.exe driven from outside: a list taken
// to the clipboard as a table and saved as CSV, and Ctrl+Enter going to the item in the
// sample app, with what a screen reader hears (the clipboard speech on).
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include "base/strings.h"
#include "harness/desktop.h"
#include "harness/input.h"
#include "harness/process.h"
#include "main/glean_copy.h"
#include "main/menus.h"
#include "../../tools/sample-app/sample_ids.h"

namespace glean::test {
namespace {

const char kSample[] = "Glean 出どころの窓";

class GleanSources : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(copy_.Copied());
    sample_ = TestProcess::Start(SampleAppPath(false), std::string("--scenario sources --title \"") + kSample + "\"");
    sampleWindow_ = sample_.WaitForWindow("GleanSampleApp", kSample);
    ASSERT_NE(sampleWindow_, nullptr);
    glean_ = TestProcess::Start(copy_.Exe());
    body_ = glean_.WaitForWindow("TBody", "グリーナ！");
    ASSERT_NE(body_, nullptr);
    pane_ = FindChild(body_, "TEditor");
    // The first capture is done (a command meanwhile would be ignored); then speech
    // through the clipboard, as with a screen reader running (F11).
    ASSERT_TRUE(WaitUntil([&] { return !WindowText(pane_).empty(); }, 15000));
    Command(menu::Sec);
    ASSERT_TRUE(WaitUntil([&] { return ClipboardText().find("にアクセスしました。") != std::string::npos; }, 15000))
        << ClipboardText();
    // Glean reads the window on top, and another test's window may have come there: the
    // sample is brought forward and searched for again (F5) until it is the one read.
    auto captured = [&] { return WindowText(pane_).find("《名前》二行目") != std::string::npos; };
    for (int attempt = 0; attempt < 3 && !WaitUntil(captured, 5000); ++attempt) {
      SetForegroundWindow(sampleWindow_);
      WaitUntil([&] { return GetForegroundWindow() == sampleWindow_; });
      Command(menu::W1);
    }
    ASSERT_TRUE(WaitUntil(captured, 10000)) << WindowText(pane_);
  }
  void TearDown() override {
    if (body_) PostMessageA(body_, WM_CLOSE, 0, 0);
    glean_.WaitForExit(10000);
  }

  // The caret to the start of the first pane line that is `line`.
  void CaretTo(const std::string& line) {
    const std::string text = WindowText(pane_);
    size_t at = text.find("\r\n" + line + "\r\n");
    ASSERT_NE(at, std::string::npos) << line << " in\n" << text;
    SendMessageA(pane_, EM_SETSEL, at + 2, at + 2);
  }
  void Command(UINT id) { PostMessageA(body_, WM_COMMAND, id, 0); }
  HWND Sample(int id) const { return GetDlgItem(sampleWindow_, id); }
  HWND SampleFocus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(sampleWindow_, nullptr), &info);
    return info.hwndFocus;
  }
  bool PointerIn(HWND control) const {
    POINT p{};
    RECT r{};
    GetCursorPos(&p);
    GetWindowRect(control, &r);
    return PtInRect(&r, p) != FALSE;
  }
  bool Hears(const std::string& text) const {
    return WaitUntil([&] { return ClipboardText() == text; }, 15000);
  }

  GleanCopy copy_;
  TempFolder folder_;
  TestProcess sample_, glean_;
  HWND sampleWindow_ = nullptr, body_ = nullptr, pane_ = nullptr;
};

TEST_F(GleanSources, ListsAreCopiedAsTablesInTheOrderTheirColumnsAreShown) {
  const std::string pane = WindowText(pane_);
  EXPECT_EQ(pane.find("秘密"), std::string::npos) << "the hidden column is left out";
  EXPECT_LT(pane.find("《種類》文書"), pane.find("《名前》一行目")) << "shown order";
  EXPECT_LT(pane.find("《名前》一行目"), pane.find("《場所》a,b"));

  CaretTo("《名前》二行目");
  Command(menu::TableCopy2);
  EXPECT_TRUE(Hears("種類\t名前\t場所\r\n文書\t一行目\ta,b\r\n画像\t二行目\tsay \"hi\"\r\n音声\t三行目\t上段  下段\r\n"))
      << ClipboardText();

  PutOnClipboard("");
  CaretTo("下段");  // the second pane line of a cell with a line break is still that row's
  Command(menu::TableCopy1);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText().rfind("種類\t名前\t場所\r\n", 0) == 0; }, 15000));

  CaretTo("みかん");  // the items in view, without level indents
  Command(menu::TableCopy2);
  EXPECT_TRUE(Hears("果物\r\nりんご\r\nみかん\r\n野菜\r\nにんじん\r\n")) << ClipboardText();

  CaretTo("緑");
  Command(menu::TableCopy2);
  EXPECT_TRUE(Hears("緑\r\n")) << ClipboardText();

  CaretTo(kSample);  // the title: no list
  Command(menu::TableCopy2);
  EXPECT_TRUE(Hears("この行はリストから取得した行ではありません。")) << ClipboardText();
}

TEST_F(GleanSources, ATableIsSavedAsCsvInShiftJisOrUtf8) {
  auto save = [&](const std::string& file, int kind) {
    CaretTo("《名前》一行目");
    Command(menu::TableSave1);
    HWND dialog = glean_.WaitForWindow("#32770", nullptr, 10000);
    ASSERT_NE(dialog, nullptr);
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name) name = GetDlgItem(dialog, edt1);
    EXPECT_EQ(WindowText(name), "_Glean_出どころの窓.csv") << "the list's caption begins with a blank";
    HWND kinds = GetDlgItem(dialog, cmb1);
    SendMessageA(kinds, CB_SETCURSEL, static_cast<WPARAM>(kind - 1), 0);
    for (WORD note : {CBN_SELCHANGE, CBN_SELENDOK})
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, note), reinterpret_cast<LPARAM>(kinds));
    SetWindowTextA(name, file.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }));
  };
  const std::string csv = "種類,名前,場所\r\n文書,一行目,\"a,b\"\r\n画像,二行目,\"say \"\"hi\"\"\"\r\n"
                          "音声,三行目,\"上段\r\n下段\"\r\n";
  const std::string sjis = folder_.File("表.csv"), utf8 = folder_.File("表8.csv");
  save(sjis, 1);
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(sjis) == csv; })) << ReadFileBytes(sjis);
  save(utf8, 2);
  // u8 literals stay UTF-8 whatever the compiler's character set for plain ones.
  const std::u8string wide = u8"\uFEFF種類,名前,場所\r\n文書,一行目,\"a,b\"\r\n画像,二行目,\"say \"\"hi\"\"\"\r\n"
                             u8"音声,三行目,\"上段\r\n下段\"\r\n";
  const std::string expected(wide.begin(), wide.end());
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(utf8) == expected; })) << ReadFileBytes(utf8);
}

TEST_F(GleanSources, CtrlEnterGoesToTheItemAndSaysWhenItIsGone) {
  SetForegroundWindow(body_);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == body_; }));

  CaretTo("《名前》二行目");
  Press('M', {VK_CONTROL});  // to the pane, as a user goes there
  ASSERT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(body_, nullptr), &info);
    return info.hwndFocus == pane_;
  }));
  const std::string before = WindowText(pane_);
  Press(VK_RETURN, {VK_CONTROL});
  EXPECT_TRUE(Hears("「二行目」に移動しました。")) << ClipboardText();
  EXPECT_EQ(WindowText(pane_), before) << "no line break typed";
  HWND list = Sample(sample_app::sources::kList);
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == sampleWindow_; }));
  EXPECT_TRUE(WaitUntil([&] { return SampleFocus() == list; }));
  EXPECT_TRUE(WaitUntil([&] { return PointerIn(list); }));

  CaretTo("みかん");
  Command(menu::GoToSource1);
  EXPECT_TRUE(Hears("「みかん」に移動しました。")) << ClipboardText();
  HWND tree = Sample(sample_app::sources::kTree);
  const LPARAM fruit = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  const LPARAM orange = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                     SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, fruit));
  EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), orange);
  EXPECT_TRUE(WaitUntil([&] { return SampleFocus() == tree; }));

  CaretTo("実行(&R)");
  Command(menu::GoToSource1);
  EXPECT_TRUE(Hears("「実行(&R)」に移動しました。")) << ClipboardText();
  EXPECT_TRUE(WaitUntil([&] { return SampleFocus() == Sample(sample_app::sources::kButton); }));
  EXPECT_TRUE(WaitUntil([&] { return PointerIn(Sample(sample_app::sources::kButton)); }));

  CaretTo("準備完了");
  Command(menu::GoToSource1);
  EXPECT_TRUE(Hears("「準備完了」に移動しました。")) << ClipboardText();
  RECT status{};
  GetWindowRect(Sample(sample_app::sources::kStatus), &status);
  POINT p{};
  EXPECT_TRUE(WaitUntil([&] { return GetCursorPos(&p) && PtInRect(&status, p) && p.x < status.left + 200; }))
      << "in the first part: " << p.x << "," << p.y;

  // Items gone: a deleted row (another row now in its place) and a deleted tree item
  // (its handle stale). The deleted row was the selected one; nothing is selected after,
  // and the user hears why.
  SendMessageA(list, LVM_DELETEITEM, 1, 0);
  SendMessageA(tree, TVM_DELETEITEM, 0, orange);
  CaretTo("《名前》二行目");
  Command(menu::GoToSource1);
  EXPECT_TRUE(Hears("元の項目が見つかりません。")) << ClipboardText();
  EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  PutOnClipboard("");
  CaretTo("みかん");
  Command(menu::GoToSource1);
  EXPECT_TRUE(Hears("元の項目が見つかりません。")) << ClipboardText();
}

}  // namespace
}  // namespace glean::test
