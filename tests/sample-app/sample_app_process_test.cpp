// The sample app as the capture tests meet it: a separate process, 64- or 32-bit, found
// by its title, answering (or no longer answering) messages from this process.
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "harness/process.h"
#include "sample_ids.h"

namespace sample_app {
namespace {

using glean::test::SampleAppPath;
using glean::test::TestProcess;
using glean::test::WaitUntil;
using glean::test::WindowText;

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 300, &result) != 0;
}

void ExpectHangAfterDelay(bool is32) {
  TestProcess app = TestProcess::Start(SampleAppPath(is32), "--title \"固まる見本\" --scenario empty --hang-after 500");
  HWND window = app.WaitForWindow(kWindowClass, "固まる見本");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(Answers(window));
  EXPECT_TRUE(WaitUntil([&] { return !Answers(window); }, 10000));
  EXPECT_FALSE(app.WaitForExit(0));  // hung, not gone
}

TEST(SampleAppProcess, StopsAnsweringAfterTheGivenTime64) { ExpectHangAfterDelay(false); }

TEST(SampleAppProcess, StopsAnsweringAfterTheGivenTime32) {
  GLEAN_REQUIRE_32BIT();
  ExpectHangAfterDelay(true);
}

// A title whose Shift-JIS holds a 0x5C trail byte ("表") survives the command line.
void ExpectAllControlsUnderTitle(bool is32) {
  TestProcess app = TestProcess::Start(SampleAppPath(is32), "--title \"表示 見本\"");
  HWND window = app.WaitForWindow(kWindowClass, "表示 見本");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(FindWindowA(nullptr, "表示 見本"), window);
  EXPECT_EQ(WindowText(GetDlgItem(window, all::kLabelName)), "名前(&N):");
  EXPECT_EQ(WindowText(GetDlgItem(window, all::kComboDropList)), "Nagoya");
  HWND list = GetDlgItem(window, all::kListMulti);
  int selected[8] = {};
  ASSERT_EQ(SendMessageA(list, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(selected)), 3);
  EXPECT_EQ(selected[1], 5);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, all::kPage1Button)));
  EXPECT_EQ(SendMessageA(GetDlgItem(window, all::kStatusBar), SB_GETPARTS, 0, 0), 5);
  EXPECT_EQ(SendMessageA(GetDlgItem(window, all::kToolBar), TB_BUTTONCOUNT, 0, 0), 6);
}

TEST(SampleAppProcess, AllControls64) { ExpectAllControlsUnderTitle(false); }

TEST(SampleAppProcess, AllControls32) {
  GLEAN_REQUIRE_32BIT();
  ExpectAllControlsUnderTitle(true);
}

TEST(SampleAppProcess, TwinsAreTwoShownWindowsOfOneTitleEachWithItsLabel) {
  TestProcess app = TestProcess::Start(SampleAppPath(false), "--title \"双子見本\" --scenario twins");
  ASSERT_NE(app.WaitForWindow(kWindowClass, "双子見本"), nullptr);
  // Which twin ends on top is Wine's to settle: a late focus event from the X server can
  // raise the first again. Both must be there and shown, each with its own label.
  std::set<std::string> labels;
  ASSERT_TRUE(WaitUntil([&] {
    HWND top = FindWindowA(nullptr, "双子見本");
    HWND below = top ? FindWindowExA(nullptr, top, kWindowClass, "双子見本") : nullptr;
    if (!below || !IsWindowVisible(top) || !IsWindowVisible(below)) return false;
    labels = {WindowText(GetDlgItem(top, twins::kLabel)), WindowText(GetDlgItem(below, twins::kLabel))};
    return true;
  }));
  EXPECT_EQ(labels, (std::set<std::string>{"双子の一番目", "双子の二番目"}));
}

TEST(SampleAppProcess, UnreadablePointerDefeatsAReadFromOutside) {
  TestProcess app = TestProcess::Start(SampleAppPath(false), "--title \"壊れた見本\" --scenario badpointer");
  HWND window = app.WaitForWindow(kWindowClass, "壊れた見本");
  ASSERT_NE(window, nullptr);
  auto readCell = [&](int id, std::string& text) {
    char* remote = static_cast<char*>(VirtualAllocEx(app.Handle(), nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = remote + 1024;
    item.cchTextMax = 200;
    bool read = WriteProcessMemory(app.Handle(), remote, &item, sizeof item, nullptr) &&
                SendMessageA(GetDlgItem(window, id), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) &&
                ReadProcessMemory(app.Handle(), remote, &item, sizeof item, nullptr);
    char buffer[200] = {};
    read = read && ReadProcessMemory(app.Handle(), item.pszText, buffer, 16, nullptr);
    text = buffer;
    VirtualFreeEx(app.Handle(), remote, 0, MEM_RELEASE);
    return read;
  };
  std::string text;
  EXPECT_TRUE(readCell(badpointer::kReadable, text));
  EXPECT_EQ(text, "読める行");
  EXPECT_FALSE(readCell(badpointer::kUnreadable, text));
}

TEST(SampleAppProcess, BadArgumentsAndUnknownScenariosExitWithoutWindow) {
  TestProcess bad = TestProcess::Start(SampleAppPath(false), "--hang-after soon");
  ASSERT_TRUE(bad.WaitForExit(10000));
  EXPECT_EQ(bad.ExitCode(), static_cast<DWORD>(kExitBadArguments));
  TestProcess unknown = TestProcess::Start(SampleAppPath(false), "--scenario nothing");
  ASSERT_TRUE(unknown.WaitForExit(10000));
  EXPECT_EQ(unknown.ExitCode(), static_cast<DWORD>(kExitNoWindow));
}

TEST(SampleAppProcess, ProgramEndsWithItsLastShownWindow) {
  TestProcess app = TestProcess::Start(SampleAppPath(false), "--title \"終わる見本\" --scenario windowlist");
  HWND main = app.WaitForWindow(kWindowClass, "終わる見本");
  ASSERT_NE(main, nullptr);
  for (const char* suffix : {windowlist::kTApplicationSuffix, windowlist::kToolSuffix, ""}) {
    EXPECT_FALSE(app.WaitForExit(0));
    // Only this program's windows: another test's sample window is untitled while it is built.
    HWND window = suffix[0] ? app.WaitForWindow(nullptr, (std::string("終わる見本") + suffix).c_str())
                            : app.WaitForWindow(kWindowClass, "");
    ASSERT_NE(window, nullptr) << suffix;
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  EXPECT_FALSE(app.WaitForExit(500));
  PostMessageA(main, WM_CLOSE, 0, 0);  // the hidden window does not keep it alive
  ASSERT_TRUE(app.WaitForExit(10000));
  EXPECT_EQ(app.ExitCode(), static_cast<DWORD>(kExitOk));
}

TEST(SampleAppProcess, ClosingFromTheMenuEndsTheProgram) {
  TestProcess app = TestProcess::Start(SampleAppPath(false), "--title \"閉じる見本\"");
  HWND window = app.WaitForWindow(kWindowClass, "閉じる見本");
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_COMMAND, kMenuExit, 0);
  ASSERT_TRUE(app.WaitForExit(10000));
  EXPECT_EQ(app.ExitCode(), static_cast<DWORD>(kExitOk));
}

}  // namespace
}  // namespace sample_app
