// An announcement put on a clipboard that another program holds open is lost at once:
// Glean neither waits for the clipboard nor complains, and the next one gets through.
#include <windows.h>
#include <gtest/gtest.h>

#include <thread>

#include "harness/desktop.h"
#include "harness/process.h"
#include "ui/clipboard.h"

namespace glean::test {
namespace {

TEST(Clipboard, ABusyClipboardLosesTheTextAndTheNextGetsThrough) {
  OwnWindow owner("clipboard owner");
  ASSERT_TRUE(ui::PutTextOnClipboard(owner.Get(), "前のお知らせ"));
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool holding = false;
  std::thread holder([&] {  // another owner keeps the clipboard open
    // Wine's clipboard may still be busy with the put above for a moment.
    for (DWORD start = GetTickCount(); !holding && GetTickCount() - start < 10000;) {
      holding = OpenClipboard(nullptr) != FALSE;
      if (!holding) Sleep(20);
    }
    SetEvent(opened);
    WaitForSingleObject(release, 15000);
    if (holding) CloseClipboard();
  });
  WaitForSingleObject(opened, 15000);
  ASSERT_TRUE(holding) << "the other owner could not open the clipboard";
  const DWORD start = GetTickCount();
  EXPECT_FALSE(ui::PutTextOnClipboard(owner.Get(), "失われるお知らせ"));
  const DWORD took = GetTickCount() - start;
  EXPECT_LT(took, 1000u) << "no waiting for the clipboard";
  SetEvent(release);
  holder.join();
  EXPECT_EQ(ClipboardText(), "前のお知らせ");
  EXPECT_TRUE(ui::PutTextOnClipboard(owner.Get(), "次のお知らせ"));
  EXPECT_EQ(ClipboardText(), "次のお知らせ");
  CloseHandle(opened);
  CloseHandle(release);
}

}  // namespace
}  // namespace glean::test
