// The main window in the test's own process beside sample-app windows in theirs: the
// settings file lies in a fresh folder, and the window's parts are read directly.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/strings.h"
#include "harness/desktop.h"
#include "harness/process.h"
#include "main/body.h"

namespace glean::test {

class BodyTest : public ::testing::Test {
 protected:
  std::string IniPath() const { return folder_.File("Glean.ini"); }
  void WriteIni(const std::string& content) { WriteFileBytes(IniPath(), content); }
  std::string IniValue(const char* key, const char* section = "common") const {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, IniPath().c_str());
    return value;
  }

  std::unique_ptr<TBody> StartBody() {
    auto body = std::make_unique<TBody>(GetModuleHandleA(nullptr), IniPath());
    body->Show(SW_SHOWNORMAL);
    return body;
  }

  // A sample-app window of `scenario`, shown with `title`.
  HWND StartSample(const std::string& title, const std::string& scenario = "empty") {
    samples_.push_back(TestProcess::Start(SampleAppPath(false), "--scenario " + scenario + " --title \"" + title + "\""));
    HWND window = samples_.back().WaitForWindow("GleanSampleApp", title.c_str());
    EXPECT_NE(window, nullptr) << title;
    return window;
  }

  static int ListIndexOf(TBody& body, const std::string& title) {
    for (int i = 0; i < body.WinList().Count(); ++i)
      if (body.WinList().Caption(i) == " " + title) return i;
    return -1;
  }

  static std::vector<std::string> PaneLines(TBody& body) { return SplitLines(body.Data().Lines().GetText()); }

  static RECT Bounds(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
  }

 private:
  TempFolder folder_;
  std::vector<TestProcess> samples_;
};

}  // namespace glean::test
