// The CPU time Glean.exe uses while it watches an unchanging window of 5,000 lines for
// 30 s, as a share of one core (goal: at most 10 %), beside the same 30 s unwatched as
// the baseline. Run by hand: bench/watch/run-cpu-bench BUILD_DIR (under Xvfb). Wine's
// GetProcessTimes answers nothing for another process, so the figures come from what the
// program prints here: its times per phase, read by the script from /proc.
#include <windows.h>

#include <cstdio>
#include <string>

#include "harness/desktop.h"
#include "harness/input.h"
#include "harness/process.h"

using namespace glean::test;

namespace {
constexpr int kSeconds = 30;
constexpr char kTitle[] = "Glean 監視ベンチ";

// A phase mark for the script, which samples Glean's CPU time from /proc meanwhile.
void Phase(const char* name) {
  std::printf("phase %s\n", name);
  std::fflush(stdout);
}
}  // namespace

int main() {
  OwnWindow reader("xpreader");  // a screen reader's window: the watch's start is heard
  TempFolder folder;
  const std::string exe = folder.File("Glean.exe");
  if (!CopyFileA(GleanExePath().c_str(), exe.c_str(), FALSE)) return 1;
  TestProcess sample = TestProcess::Start(SampleAppPath(false), std::string("--scenario tickerbig --title \"") + kTitle + "\"");
  HWND target = sample.WaitForWindow("GleanSampleApp", kTitle, 30000);
  TestProcess glean = TestProcess::Start(exe);
  HWND body = glean.WaitForWindow("TBody", "グリーナ！", 30000);
  if (!target || !body) return 2;
  HWND pane = FindChild(body, "TEditor");
  auto shown = [&] { return WindowText(pane).find(kTitle) != std::string::npos; };
  for (int attempt = 0; attempt < 5 && !WaitUntil(shown, 5000); ++attempt) {
    SetForegroundWindow(target);
    WaitUntil([&] { return GetForegroundWindow() == target; });
    SetForegroundWindow(body);
  }
  if (!shown()) return 3;
  const auto lines = SendMessageA(pane, EM_GETLINECOUNT, 0, 0);
  SetForegroundWindow(body);
  WaitUntil([&] { return GetForegroundWindow() == body; });
  std::printf("pane lines: %ld\n", static_cast<long>(lines));
  Phase("idle");
  Sleep(kSeconds * 1000);
  Press('W', {VK_CONTROL});
  if (!WaitUntil([] { return ClipboardText() == std::string("「") + kTitle + "」の変化を読み上げます。"; })) return 4;
  Phase("watching");
  Sleep(kSeconds * 1000);
  Phase("end");
  PostMessageA(body, WM_CLOSE, 0, 0);
  glean.WaitForExit(10000);
  return 0;
}
