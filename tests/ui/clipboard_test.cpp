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
  std::thread holder([&] {  // another owner keeps the clipboard open
    const BOOL ok = OpenClipboard(nullptr);
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    if (ok) CloseClipboard();
  });
  WaitForSingleObject(opened, 5000);
  const DWORD start = GetTickCount();
  EXPECT_FALSE(ui::PutTextOnClipboard(owner.Get(), "失われるお知らせ"));
  EXPECT_LT(GetTickCount() - start, 1000u) << "no waiting for the clipboard";
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
