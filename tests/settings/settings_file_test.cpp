// Which keys Glean.ini holds, in which order they are read and written, and what a
// refused write does, against an in-memory profile.
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "settings/fake_profile.h"
#include "settings/profile_values.h"

namespace glean {
namespace {

using test::FakeProfile;
using Log = std::vector<std::string>;

class SettingsFileTest : public ::testing::Test {
 protected:
  FakeProfile profile;
  std::vector<std::string> failures;
  TSettingsFile file{profile, [this](const std::string& f) { failures.push_back(f); }};
  CaptureOptions capture;
  ViewSettings view;
};

TEST_F(SettingsFileTest, EmptyFileGivesEveryDefaultReadInOrder) {
  LayoutSize size = file.LoadSettings(capture, view);
  Log expected = {
      "R common show_text_type",   "R common not_get_hidden",  "R text_type read_static",
      "R text_type read_edit",     "R text_type read_list",    "R text_type read_combo",
      "R text_type read_listview", "R text_type read_treeview", "R text_type read_status",
      "R text_type read_tool",     "R text_type read_menu",    "R text_type read_all_items",
      "R text_type read_accessible",
      "R common no_ampersand",
      "R common send_clipboard",   "R common list_font_sixe",  "R common data_font_sixe",
      "R common always_foreground", "R common compact_top",    "R common compact_left",
      "R common window_top",       "R common window_left",     "R common compact_style",
      "R common window_width",     "R common window_height",   "R common window_maximized",
      "R common uia_notify",       "R common watch_interval_ms",
      "R common system_colors",   "R common count"};
  EXPECT_EQ(profile.log, expected);
  EXPECT_EQ(size, (LayoutSize{506, 454}));
  EXPECT_TRUE(capture.show_text_type && capture.not_get_hidden && capture.read_static &&
              capture.read_edit && capture.read_list && capture.read_combo &&
              capture.read_listview && capture.read_treeview && capture.read_status &&
              capture.read_tool && capture.read_menu && capture.read_accessible);
  EXPECT_FALSE(capture.no_ampersand || capture.read_all_items);
  EXPECT_EQ(capture.no_access.Count(), 0);
  EXPECT_FALSE(view.send_clipboard || view.always_foreground || view.compact_style ||
               view.window_maximized);
  EXPECT_TRUE(view.uia_notify);
  EXPECT_EQ(view.watch_interval_ms, 1000);
  EXPECT_EQ(view.system_colors, 2);
  EXPECT_EQ(view.list_font_sixe, 9);
  EXPECT_EQ(view.data_font_sixe, 9);
  EXPECT_EQ(view.window_left, 257);
  EXPECT_EQ(view.window_top, 174);
  EXPECT_EQ(view.window_width, 506);
  EXPECT_EQ(view.window_height, 454);
  EXPECT_EQ(view.compact_left, 257);
  EXPECT_EQ(view.compact_top, 174);
}

TEST_F(SettingsFileTest, CompactLayoutReadsItsOwnSizeOnly) {
  profile.Set("common", "compact_style", "1");
  profile.Set("common", "compact_width", "300");
  profile.Set("common", "compact_height", "$64");
  profile.Set("common", "window_width", "800");
  EXPECT_EQ(file.LoadSettings(capture, view), (LayoutSize{300, 100}));
  EXPECT_TRUE(view.compact_style);
  EXPECT_EQ(view.compact_width, 300);
  EXPECT_EQ(view.compact_height, 100);
  EXPECT_EQ(view.window_width, 506);  // not read
  EXPECT_EQ(profile.log[23], "R common compact_width");
  EXPECT_EQ(profile.log[24], "R common compact_height");
}

TEST_F(SettingsFileTest, ListSkipsAbsentAndEmptyEntries) {
  capture.no_access.Add("stale");
  profile.Set("common", "count", "4");
  profile.Set("common", "no_access[0]", "Alpha");
  profile.Set("common", "no_access[2]", "\x83\x81\x83\x82");  // a Shift-JIS title part
  profile.Set("common", "no_access[3]", "");
  profile.Set("common", "no_access[4]", "beyond the count");
  file.LoadSettings(capture, view);
  ASSERT_EQ(capture.no_access.Count(), 2);
  EXPECT_EQ(capture.no_access[0], "Alpha");
  EXPECT_EQ(capture.no_access[1], "\x83\x81\x83\x82");
  EXPECT_EQ(profile.log.back(), "R common no_access[3]");
}

TEST_F(SettingsFileTest, NonPositiveOrHugeCount) {
  profile.Set("common", "no_access[0]", "x");
  for (const char* count : {"0", "-3", "junk"}) {
    profile.Set("common", "count", count);
    profile.log.clear();
    file.LoadSettings(capture, view);
    EXPECT_EQ(capture.no_access.Count(), 0) << count;
    EXPECT_EQ(profile.log.back(), "R common count") << count;
  }
  profile.Set("common", "count", "2147483647");
  profile.log.clear();
  file.LoadSettings(capture, view);
  EXPECT_EQ(capture.no_access.Count(), 1);
  EXPECT_EQ(profile.log.back(), "R common no_access[9999]");
}

TEST_F(SettingsFileTest, SaveCaptureOptionsReplacesTheList) {
  profile.Set("common", "count", "3");
  for (int i = 0; i < 3; ++i) profile.Set("common", NoAccessKey(i), "old" + std::to_string(i));
  capture.read_edit = false;
  capture.no_ampersand = true;
  capture.no_access.Add("new0");
  capture.no_access.Add("new1");
  EXPECT_TRUE(file.SaveCaptureOptions(capture));
  EXPECT_EQ(profile.WritesOnly(),
            (Log{"W common show_text_type=1", "W common not_get_hidden=1",
                 "W text_type read_static=1", "W text_type read_edit=0",
                 "W text_type read_list=1", "W text_type read_combo=1",
                 "W text_type read_listview=1", "W text_type read_treeview=1",
                 "W text_type read_status=1", "W text_type read_tool=1",
                 "W text_type read_menu=1", "W text_type read_all_items=0", "W text_type read_accessible=1",
                 "W common no_ampersand=1",
                 "D common no_access[0]", "D common no_access[1]", "D common no_access[2]",
                 "W common count=2", "W common no_access[0]=new0",
                 "W common no_access[1]=new1"}));
  EXPECT_FALSE(profile.Has("common", "no_access[2]"));
}

TEST_F(SettingsFileTest, EmptiedListKeepsTheCountAndLoadsEmpty) {
  profile.Set("common", "count", "2");
  profile.Set("common", "no_access[0]", "a");
  profile.Set("common", "no_access[1]", "b");
  EXPECT_TRUE(file.SaveCaptureOptions(capture));
  EXPECT_EQ(profile.Value("common", "count"), "2");
  EXPECT_FALSE(profile.Has("common", "no_access[0]"));
  EXPECT_FALSE(profile.Has("common", "no_access[1]"));
  EXPECT_EQ(profile.WritesOnly().back(), "D common no_access[1]");
  capture.no_access.Add("left over");
  file.LoadSettings(capture, view);
  EXPECT_EQ(capture.no_access.Count(), 0);
}

TEST_F(SettingsFileTest, NoOldCountDeletesNothing) {
  profile.Set("common", "count", "-2");
  capture.no_access.Add("x");
  EXPECT_TRUE(file.SaveCaptureOptions(capture));
  for (const auto& l : profile.WritesOnly()) EXPECT_NE(l[0], 'D') << l;
  EXPECT_EQ(profile.Value("common", "count"), "1");
}

TEST_F(SettingsFileTest, RefusedWriteStopsTheOperationAndIsReportedOnce) {
  profile.refuseWrite = 2;  // "list_font_sixe"
  EXPECT_FALSE(file.SaveOnClose(view, true, 10, 10, false));
  EXPECT_EQ(profile.WritesOnly().size(), 3u);
  EXPECT_EQ(failures, std::vector<std::string>{"C:\\Glean\\Glean.ini"});
  EXPECT_FALSE(profile.Has("common", "list_font_sixe"));
  EXPECT_FALSE(profile.Has("common", "compact_style"));
}

TEST_F(SettingsFileTest, RefusedDeleteStopsTheListRewrite) {
  profile.Set("common", "count", "2");
  profile.Set("common", "no_access[0]", "a");
  profile.Set("common", "no_access[1]", "b");
  capture.no_access.Add("n");
  profile.refuseWrite = 12;  // the first delete
  EXPECT_FALSE(file.SaveCaptureOptions(capture));
  EXPECT_EQ(profile.WritesOnly().size(), 13u);
  EXPECT_EQ(profile.Value("common", "count"), "2");
  EXPECT_EQ(profile.Value("common", "no_access[0]"), "a");
  EXPECT_EQ(failures.size(), 1u);
  // A later operation tries again.
  profile.refuseWrite = -1;
  EXPECT_TRUE(file.SaveWindowSize(false, 1, 2));
  EXPECT_EQ(failures.size(), 1u);
}

TEST(WriteFailureMessage, NamesTheFile) {
  EXPECT_EQ(WriteFailureMessage("C:\\a\\Glean.ini"),
            "C:\\a\\Glean.ini \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
}

}  // namespace
}  // namespace glean
