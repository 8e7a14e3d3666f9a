// Glean.exe as a screen reader hears it, from outside: the clipboard as the ear, the keys
// as a user presses them.
#include <windows.h>

#include <gtest/gtest.h>

#include "capture/section_headers.h"
#include "harness/input.h"
#include "harness/desktop.h"
#include "harness/process.h"
#include "main/glean_copy.h"

namespace glean::test {
namespace {

bool Hears(const std::string& text) {
  return WaitUntil([&] { return ClipboardText() == text; });
}

TEST(GleanSpeech, FocusMovesAreSpokenWithAReaderAndLinesOnCtrlMWithout) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  auto reader = std::make_unique<OwnWindow>("xpreader");
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"Glean 外から聞く\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleApp", "Glean 外から聞く"), nullptr);
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", "グリーナ！");
  ASSERT_NE(body, nullptr);
  SetForegroundWindow(body);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == body; }));
  // Shown, Glean has searched, captured and welcomed.
  ASSERT_TRUE(WaitUntil([&] { return ClipboardText().rfind("グリーナへようこそ。", 0) == 0; })) << ClipboardText();
  Sleep(300);

  // Backwards from the window list over the check boxes and the buttons.
  const char* backwards[] = {"常に手前に表示のチェックボックス チェックなし", "自動再検索のチェックボックス チェック",
                             "終了のプッシュボタン", "ﾌｧｲﾙに保存のプッシュボタン", "コピーのプッシュボタン",
                             "ｳｨﾝﾄﾞｳ検索のプッシュボタン"};
  for (const char* spoken : backwards) {
    Press(VK_TAB, {VK_SHIFT});
    EXPECT_TRUE(Hears(spoken)) << spoken << " / heard: " << ClipboardText();
  }

  // Without the reader window (after a search has noticed), focus moves are silent and
  // Ctrl+M still reads the caret's line.
  reader.reset();
  Press(VK_F5);
  Sleep(1000);
  PutOnClipboard("ユーザーのコピー");
  Press(VK_TAB, {VK_SHIFT});
  Press(VK_TAB, {VK_SHIFT});
  Sleep(500);
  EXPECT_EQ(ClipboardText(), "ユーザーのコピー");
  Press('M', {VK_CONTROL});
  EXPECT_TRUE(Hears(std::string("取得データを開始します　　") + capture::kTitleHeader)) << ClipboardText();

  // F11 turns speech on (the search after it speaks its capture), Ctrl+F11 off.
  Press(VK_F11);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText().find("にアクセスしました。") != std::string::npos; }))
      << ClipboardText();
  Press(VK_F11, {VK_CONTROL});
  EXPECT_TRUE(Hears("クリップボードへのデータ送信が無効になりました。")) << ClipboardText();

  PostMessageA(body, WM_CLOSE, 0, 0);
  EXPECT_TRUE(glean.WaitForExit(10000));
}

}  // namespace
}  // namespace glean::test
