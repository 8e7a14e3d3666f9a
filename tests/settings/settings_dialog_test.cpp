// The settings dialog in this process: where it stands and what OK hands back. The
// dialog runs modally on the test's thread; a second thread works it like a user.
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <thread>

#include "harness/process.h"

namespace glean {
namespace {

// A work area smaller than the screen, put back afterwards.
class ShrunkWorkArea {
 public:
  explicit ShrunkWorkArea(int bottomCut) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
    RECT shrunk{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - bottomCut};
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &shrunk, 0);
  }
  ~ShrunkWorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }

 private:
  RECT saved_{};
};

TEST(SettingsDialog, CentredOnTheScreenAndOkHandsBackTheControls) {
  ShrunkWorkArea bars(200);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ASSERT_EQ(work.bottom, GetSystemMetrics(SM_CYSCREEN) - 200) << "the work area could not be changed";

  CaptureOptions options;
  options.read_edit = false;
  options.no_access.Add("keep");
  TStringList inMemory;
  inMemory.Add("keep");
  TSettei dialog(options, inMemory, nullptr);

  RECT placed{}, accessible{}, okButton{};
  std::thread user([&] {
    HWND box = nullptr;
    // Shown only once it stands at its place with its controls.
    test::WaitUntil([&] { return (box = FindWindowA("#32770", "環境設定")) && IsWindowVisible(box); }, 10000);
    if (!box) return;
    GetWindowRect(box, &placed);
    SendMessageA(FindWindowExA(box, nullptr, "Button", "スタティックテキスト(&S)"), BM_CLICK, 0, 0);
    HWND readAccessible = FindWindowExA(box, nullptr, "Button", "アクセシビリティ情報を読む(&Y)");
    GetWindowRect(readAccessible, &accessible);
    GetWindowRect(GetDlgItem(box, IDOK), &okButton);
    SendMessageA(readAccessible, BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  const bool ok = dialog.ShowModal(nullptr);
  user.join();

  ASSERT_TRUE(ok);
  const int width = placed.right - placed.left, height = placed.bottom - placed.top;
  EXPECT_NEAR(placed.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
  EXPECT_NEAR(placed.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 1) << "not the work area's centre";
  const CaptureOptions& chosen = dialog.Result();
  EXPECT_FALSE(chosen.read_static);  // clicked off
  EXPECT_FALSE(chosen.read_edit);    // as it came in
  EXPECT_FALSE(chosen.read_accessible);
  EXPECT_LT(accessible.bottom, okButton.top) << "the dialog must grow to hold the new check box";
  EXPECT_TRUE(chosen.read_list && chosen.show_text_type && chosen.not_get_hidden);
  ASSERT_EQ(chosen.no_access.Count(), 1);
  EXPECT_EQ(chosen.no_access[0], "keep");
}

}  // namespace
}  // namespace glean
