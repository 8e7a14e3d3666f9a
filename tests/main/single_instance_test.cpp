// A second start of Glean restores the first and shows no window of its own.
#include <gtest/gtest.h>

#include "harness/process.h"
#include "main/glean_copy.h"

namespace glean::test {
namespace {

const char kTitle[] = "グリーナ！";

int CountTopWindowsOf(DWORD pid) {
  struct Args {
    DWORD pid;
    int count;
  } a{pid, 0};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* a = reinterpret_cast<Args*>(lp);
        DWORD p = 0;
        GetWindowThreadProcessId(h, &p);
        if (p == a->pid && IsWindowVisible(h)) ++a->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&a));
  return a.count;
}

TEST(SingleInstance, SecondStartRestoresTheFirstAndEnds) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  TestProcess first = TestProcess::Start(copy.Exe());
  HWND body = first.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  // The first search and capture run while the window is already shown; on a fresh Wine
  // prefix under load they take long. Minimise only once the pane shows their text.
  HWND pane = FindWindowExA(body, nullptr, "TEditor", nullptr);
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !WindowText(pane).empty(); }, 30000));
  // A minimise that comes while the window's first mapping is still being settled with
  // the X server is undone by Wine; ask again until it holds.
  int polls = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        if (IsIconic(body)) return true;
        if (polls++ % 50 == 0) SendMessageA(body, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return false;
      },
      20000));

  TestProcess second = TestProcess::Start(copy.Exe());
  ASSERT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(body); }, 20000));
  EXPECT_TRUE(IsWindowVisible(body));
  EXPECT_EQ(CountTopWindowsOf(second.Id()), 0);
}

TEST(SingleInstance, ForeignTBodyWithoutOurTitleIsLeftAlone) {
  // Another program holding the mutex name and a "TBody" window of another title.
  // Owned by a handle object: a failing check must not leave the name taken for the next test.
  win::UniqueHandle mutex(CreateMutexA(nullptr, FALSE, "hGlean"));
  ASSERT_TRUE(mutex);
  OwnWindow window("other program", "TBody", false);
  HWND other = window.Get();
  ASSERT_NE(other, nullptr);
  ShowWindow(other, SW_SHOWMINIMIZED);

  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  TestProcess glean = TestProcess::Start(copy.Exe());
  EXPECT_TRUE(glean.WaitForExit(10000));
  EXPECT_EQ(CountTopWindowsOf(glean.Id()), 0);
  EXPECT_TRUE(IsIconic(other));
}

TEST(SingleInstance, MainWindowHasClassAndCaption) {
  GleanCopy copy;
  ASSERT_TRUE(copy.Copied());
  TestProcess glean = TestProcess::Start(copy.Exe());
  HWND body = glean.WaitForWindow("TBody", nullptr);
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(WindowText(body), kTitle);
  EXPECT_EQ(GetWindow(body, GW_OWNER), nullptr);  // its own taskbar button
}

}  // namespace
}  // namespace glean::test
