// Glean.ini on real files through the system's profile calls: what the file holds after
// each save, how values written by hand are read, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <thread>

#include "base/strings.h"
#include "harness/process.h"
#include "settings/ini_profile.h"

namespace glean {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  std::string path = folder.File("Glean.ini");
  std::vector<std::string> failures;
  TGleanIni ini{path, [this](const std::string& f) { failures.push_back(f); }};
  CaptureOptions capture;
  ViewSettings view;

  std::string Content() const { return ReadFileBytes(path); }
  void Given(const std::string& content) { WriteFileBytes(path, content); }
};

TEST_F(IniFileTest, MissingFileGivesDefaults) {
  EXPECT_EQ(ini.LoadSettings(capture, view), (LayoutSize{506, 454}));
  EXPECT_TRUE(capture.read_edit && capture.show_text_type && capture.not_get_hidden);
  EXPECT_FALSE(capture.no_ampersand);
  EXPECT_EQ(view.list_font_sixe, 9);
  EXPECT_EQ(view.window_left, 257);
  EXPECT_EQ(view.window_top, 174);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);  // reading made none
}

TEST_F(IniFileTest, ValuesWrittenByHand) {
  Given(
      "[common]\r\n"
      "list_font_sixe=0x0C\r\n"
      "data_font_sixe=abc\r\n"
      "window_top=$C\r\n"
      "window_left=-5\r\n"
      "window_width=\r\n"
      "count=3\r\n"
      "no_access[2]=\x83\x81\x83\x82 \x92\xA0\r\n"
      "no_access[0]=Alpha\r\n"
      "[text_type]\r\n"
      "read_edit=2\r\n"
      "read_list=0\r\n"
      "read_combo=\r\n");
  EXPECT_EQ(ini.LoadSettings(capture, view), (LayoutSize{506, 454}));
  EXPECT_EQ(view.list_font_sixe, 12);
  EXPECT_EQ(view.data_font_sixe, 9);
  EXPECT_EQ(view.window_top, 12);
  EXPECT_EQ(view.window_left, -5);
  EXPECT_TRUE(capture.read_edit);
  EXPECT_FALSE(capture.read_list);
  EXPECT_TRUE(capture.read_combo);
  ASSERT_EQ(capture.no_access.Count(), 2);
  EXPECT_EQ(capture.no_access[0], "Alpha");
  EXPECT_EQ(capture.no_access[1], "\x83\x81\x83\x82 \x92\xA0");
}

TEST_F(IniFileTest, LongValuesAreReadTo1023Bytes) {
  Given("[common]\r\ncount=1\r\nno_access[0]=" + std::string(1500, 'w') + "\r\n");
  ini.LoadSettings(capture, view);
  ASSERT_EQ(capture.no_access.Count(), 1);
  EXPECT_EQ(capture.no_access[0], std::string(1023, 'w'));
}

TEST_F(IniFileTest, SaveOnCloseInNormalState) {
  view.send_clipboard = true;
  view.compact_top = 10, view.compact_left = 20, view.window_top = 30, view.window_left = 40;
  EXPECT_TRUE(ini.SaveOnClose(view, true, 12, 10, false));
  EXPECT_EQ(Content(),
            "[common]\r\n"
            "always_foreground=1\r\n"
            "send_clipboard=1\r\n"
            "list_font_sixe=12\r\n"
            "data_font_sixe=10\r\n"
            "compact_top=10\r\n"
            "compact_left=20\r\n"
            "window_top=30\r\n"
            "window_left=40\r\n"
            "window_maximized=0\r\n"
            "compact_style=0\r\n"
            "uia_notify=1\r\n");
  EXPECT_TRUE(failures.empty());
}

TEST_F(IniFileTest, SaveOnCloseWhileMaximizedKeepsThePositions) {
  Given("[common]\r\nwindow_top=1\r\nwindow_left=2\r\nwindow_width=640\r\n");
  view.window_top = 300;
  view.compact_style = true;
  EXPECT_TRUE(ini.SaveOnClose(view, false, 9, 9, true));
  EXPECT_EQ(Content(),
            "[common]\r\n"
            "window_top=1\r\n"
            "window_left=2\r\n"
            "window_width=640\r\n"
            "always_foreground=0\r\n"
            "send_clipboard=0\r\n"
            "list_font_sixe=9\r\n"
            "data_font_sixe=9\r\n"
            "window_maximized=1\r\n"
            "compact_style=1\r\n"
            "uia_notify=1\r\n");
}

TEST_F(IniFileTest, SaveCaptureOptionsWithAShorterList) {
  Given("[common]\r\ncount=3\r\nno_access[0]=a\r\nno_access[1]=b\r\nno_access[2]=c\r\n");
  capture.read_tool = false;
  capture.read_accessible = false;
  capture.no_access.Add("x");
  capture.no_access.Add("y");
  EXPECT_TRUE(ini.SaveCaptureOptions(capture));
  EXPECT_EQ(Content(),
            "[common]\r\n"
            "count=2\r\n"
            "show_text_type=1\r\n"
            "not_get_hidden=1\r\n"
            "no_ampersand=0\r\n"
            "no_access[0]=x\r\n"
            "no_access[1]=y\r\n"
            "[text_type]\r\n"
            "read_static=1\r\n"
            "read_edit=1\r\n"
            "read_list=1\r\n"
            "read_combo=1\r\n"
            "read_listview=1\r\n"
            "read_treeview=1\r\n"
            "read_status=1\r\n"
            "read_tool=0\r\n"
            "read_menu=1\r\n"
            "read_all_items=0\r\n"
            "read_accessible=0\r\n");
}

TEST_F(IniFileTest, SaveCaptureOptionsWithAnEmptyListKeepsTheCount) {
  Given("[common]\r\ncount=2\r\nno_access[0]=a\r\nno_access[1]=b\r\n");
  EXPECT_TRUE(ini.SaveCaptureOptions(capture));
  std::string content = Content();
  EXPECT_NE(content.find("count=2\r\n"), std::string::npos) << content;
  EXPECT_EQ(content.find("no_access"), std::string::npos) << content;
  capture.no_access.Add("stale");
  ini.LoadSettings(capture, view);
  EXPECT_EQ(capture.no_access.Count(), 0);
}

TEST_F(IniFileTest, WindowSizeRoundTrip) {
  EXPECT_TRUE(ini.SaveWindowSize(true, 333, 222));
  EXPECT_EQ(ini.ReadLayoutSize(true), (LayoutSize{333, 222}));
  EXPECT_EQ(ini.ReadLayoutSize(false), (LayoutSize{506, 454}));
  EXPECT_EQ(Content(), "[common]\r\ncompact_width=333\r\ncompact_height=222\r\n");
}

TEST(IniFileUnwritable, RefusedWriteIsReportedOnceAndStopsTheSave) {
  test::TempFolder folder;
  for (const std::string& path :
       {folder.File("missing\\Glean.ini"),  // a folder that does not exist
        folder.File("Glean.ini")}) {        // made a folder below: not a file
    if (path == folder.File("Glean.ini")) {
      ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    }
    std::vector<std::string> failures;
    TGleanIni ini(path, [&](const std::string& f) { failures.push_back(f); });
    ViewSettings view;
    EXPECT_FALSE(ini.SaveOnClose(view, true, 9, 9, false)) << path;
    EXPECT_EQ(failures, std::vector<std::string>{path});
    CaptureOptions capture;
    capture.no_access.Add("x");
    EXPECT_FALSE(ini.SaveCaptureOptions(capture));
    EXPECT_EQ(failures.size(), 2u);
  }
}

TEST(GleanIniPath, IsTheExecutablesFolder) {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string folder(exe);
  folder.resize(folder.find_last_of('\\') + 1);
  EXPECT_EQ(GleanIniPath(), folder + "Glean.ini");
}

TEST(ShowWriteFailure, PlainMessageBoxWithThePath) {
  std::string text;
  std::thread closer([&] {
    HWND box = nullptr;
    test::WaitUntil([&] { return (box = FindWindowA("#32770", "グリーナ！")) != nullptr; }, 10000);
    if (!box) return;
    char buffer[512] = {};
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    text = buffer;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  ShowWriteFailure("C:\\x\\Glean.ini");
  closer.join();
  EXPECT_EQ(text, "C:\\x\\Glean.ini に書き込めません");
}

}  // namespace
}  // namespace glean
