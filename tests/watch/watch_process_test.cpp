// The watch as a user meets it: Glean.exe beside the ticker sample (another process),
// turned on with Ctrl+W, heard through the clipboard speech (a window titled as a
// supported screen reader's stands in for one), the pane followed from outside.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "harness/desktop.h"
#include "harness/input.h"
#include "harness/process.h"
#include "main/glean_copy.h"
#include "main/speech_fixture.h"
#include "ticker.h"

namespace glean::test {
namespace {

using namespace sample_app::ticker;

// Glean watching one ticker window; the clipboard is the ear.
class GleanWatch : public ::testing::Test {
 protected:
  void Start(const std::string& title) {
    title_ = title;
    ASSERT_TRUE(copy_.Copied());
    sample_ = TestProcess::Start(SampleAppPath(false), "--scenario tickerstep --title \"" + title + "\"");
    ticker_ = sample_.WaitForWindow("GleanSampleApp", title.c_str());
    ASSERT_NE(ticker_, nullptr);
    glean_ = TestProcess::Start(copy_.Exe());
    body_ = glean_.WaitForWindow("TBody", "グリーナ！");
    ASSERT_NE(body_, nullptr);
    pane_ = FindChild(body_, "TEditor");
    // Glean reads the window on top as it starts, and again on each activation: the
    // ticker is brought forward before Glean until Glean shows it.
    auto shown = [&] { return WindowText(pane_).find(title) != std::string::npos; };
    for (int attempt = 0; attempt < 5 && !WaitUntil(shown, 2000); ++attempt) {
      SetForegroundWindow(ticker_);
      WaitUntil([&] { return GetForegroundWindow() == ticker_; });
      SetForegroundWindow(body_);
    }
    ASSERT_TRUE(shown());
    SetForegroundWindow(body_);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == body_; }));
    Press('W', {VK_CONTROL});
    ASSERT_TRUE(Heard("「" + title + "」の変化を読み上げます。")) << Last();
  }
  bool Heard(const std::string& text, int timeoutMs = 5000) {
    return PumpUntil(body_, [&] { return std::count(ear_.heard.begin(), ear_.heard.end(), text) > 0; }, timeoutMs);
  }
  bool HeardStarting(const std::string& start, int timeoutMs = 5000) {
    return PumpUntil(body_, [&] {
      return std::any_of(ear_.heard.begin(), ear_.heard.end(), [&](auto& t) { return t.rfind(start, 0) == 0; });
    }, timeoutMs);
  }
  std::string Last() const { return ear_.heard.empty() ? "<nothing>" : ear_.heard.back(); }
  void Step(WPARAM what) { PostMessageA(ticker_, kStepMessage, what, 0); }
  int CaretLine() const { return static_cast<int>(SendMessageA(pane_, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0)); }
  // A pane line read through the edit messages (EM_GETLINE cuts long lines across processes).
  std::string PaneLine(int line) const {
    const std::string text = WindowText(pane_);
    const auto start = static_cast<size_t>(SendMessageA(pane_, EM_LINEINDEX, line, 0));
    const auto length = static_cast<size_t>(SendMessageA(pane_, EM_LINELENGTH, start, 0));
    return text.substr(start, length);
  }
  void CloseGlean() {
    PostMessageA(body_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(glean_.WaitForExit(5000));
  }

  std::unique_ptr<OwnWindow> reader_ = std::make_unique<OwnWindow>("xpreader");
  ClipboardEar ear_;
  GleanCopy copy_;
  TestProcess sample_, glean_;
  std::string title_;
  HWND ticker_ = nullptr, body_ = nullptr, pane_ = nullptr;
};

TEST_F(GleanWatch, SaysWhatChangedKeepsThePlaceLeavesAnEditedPaneAndEndsWithTheWindow) {
  Start("Glean 変化");

  // The caret two characters into the unchanging line below the log.
  const std::string text = WindowText(pane_);
  const size_t fixed = text.find(kFixedText);
  ASSERT_NE(fixed, std::string::npos);
  SendMessageA(pane_, EM_SETSEL, fixed + 4, fixed + 4);
  const int line = CaretLine();

  // Log lines come in above the caret: said, shown, and the caret stays on its line.
  Step(kStepLog);
  EXPECT_TRUE(Heard("ログ 1")) << Last();
  Step(kStepLog);
  EXPECT_TRUE(Heard("ログ 2")) << Last();
  ASSERT_TRUE(WaitUntil([&] { return WindowText(pane_).find("ログ 2") != std::string::npos; }));
  EXPECT_EQ(CaretLine(), line + 2) << WindowText(pane_);
  EXPECT_EQ(PaneLine(CaretLine()), kFixedText);
  DWORD selStart = 0;
  SendMessageA(pane_, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), 0);
  EXPECT_EQ(selStart - SendMessageA(pane_, EM_LINEINDEX, CaretLine(), 0), 4u);

  // A status bar that raises no event: the poll finds it; the change alone is said.
  Step(kStepStatus);
  EXPECT_TRUE(Heard("進行 21%")) << Last();

  // An edited pane is left as the user made it; the speech goes on.
  SendMessageA(pane_, WM_CHAR, 'Z', 0);
  const std::string edited = WindowText(pane_);
  Step(kStepNews);
  EXPECT_TRUE(Heard("お知らせ 4")) << Last();
  EXPECT_EQ(WindowText(pane_), edited);

  // Off and on again with Ctrl+W; then the window closes and the watch ends.
  SetForegroundWindow(body_);
  Press('W', {VK_CONTROL});
  EXPECT_TRUE(Heard("変化の読み上げを終了しました。")) << Last();
  Press('W', {VK_CONTROL});
  ear_.heard.clear();
  EXPECT_TRUE(Heard("「Glean 変化」の変化を読み上げます。")) << Last();
  PostMessageA(ticker_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Heard("「Glean 変化」が閉じられたため、変化の読み上げを終了しました。")) << Last();
  CloseGlean();
}

TEST_F(GleanWatch, AHungWindowIsSaidOnceWhileGleanAnswersAndCloses) {
  Start("Glean 応答");
  PostMessageA(ticker_, kHangMessage, 15000, 0);
  EXPECT_TRUE(Heard("「Glean 応答」が応答しません。", 14000)) << Last();
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(body_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0);
  // Glean closes at once, while a re-read waits on the hung window.
  CloseGlean();
  EXPECT_EQ(std::count(ear_.heard.begin(), ear_.heard.end(), "「Glean 応答」が応答しません。"), 1);
}

}  // namespace
}  // namespace glean::test
