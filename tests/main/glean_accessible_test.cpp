// Glean.exe reading a program whose accessibility tree hangs inside a call: the capture
// ends in time with the error line, Glean answers meanwhile, and it still closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "harness/desktop.h"
#include "harness/process.h"
#include "main/glean_copy.h"

namespace glean::test {
namespace {

TEST(GleanAccessible, AHungTreeEndsTheCaptureWhileGleanAnswersAndGleanStillCloses) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  // Glean's first capture reads a quiet window; the hung one is read when Glean is
  // activated again after it appeared (the search on activation takes the top window).
  TestProcess quiet = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"Glean 静かな窓\"");
  ASSERT_NE(quiet.WaitForWindow("GleanSampleApp", "Glean 静かな窓"), nullptr);
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", "グリーナ！");
  ASSERT_NE(body, nullptr);
  HWND pane = FindChild(body, "TEditor");
  ASSERT_NE(pane, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(pane).find("Glean 静かな窓") != std::string::npos; }));
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario dochang --title \"Glean 止まる文書\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleAppW", nullptr), nullptr);
  SetForegroundWindow(body);

  // Every message Glean answers is timed; the error line comes about two seconds after
  // the walk stopped getting answers.
  const std::string error = "Error: 指定されたウィンドウが応答しません。‡";
  std::vector<DWORD> answeredAt;
  DWORD errorAt = 0;
  WaitUntil([&] {
    DWORD_PTR length = 0;
    const DWORD sent = GetTickCount();
    if (SendMessageTimeoutA(pane, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 300, &length))
      answeredAt.push_back(sent);
    if (WindowText(pane).find(error) != std::string::npos) errorAt = GetTickCount();
    return errorAt != 0;
  }, 15000);
  ASSERT_NE(errorAt, 0u) << WindowText(pane);
  EXPECT_NE(WindowText(pane).find("《ボタン》送信"), std::string::npos) << WindowText(pane);
  bool answeredDuringTheWalk = false;
  for (DWORD t : answeredAt) answeredDuringTheWalk |= errorAt - t >= 300 && errorAt - t <= 1600;
  EXPECT_TRUE(answeredDuringTheWalk);

  PostMessageA(body, WM_CLOSE, 0, 0);
  EXPECT_TRUE(glean.WaitForExit(10000)) << "the worker stuck in the hung program must not hold Glean";
}

}  // namespace
}  // namespace glean::test
