// Shared steps of the capture tests: start a sample-app scenario as a separate process,
// capture its window, and compare whole line lists with a readable failure message.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "capture/capture_driver.h"
#include "harness/process.h"

namespace glean::capture::testing {

using Lines = std::vector<std::string>;

struct CaptureRun {
  CaptureOutcome outcome;
  Lines lines;
  ItemHitTable hits;
};

inline CaptureRun Capture(const std::string& title, const CaptureOptions& options,
                          std::function<bool()> stop = {}) {
  TStringList lines;
  ItemHitTable hits;
  CaptureRequest request;
  request.SelectedTitle = title;
  request.StopRequested = std::move(stop);
  CaptureOutcome outcome = CaptureWindow(request, options, lines, hits);
  return {outcome, lines.Items(), hits};
}

// The sample app in one scenario, its window found by title.
class SampleApp {
 public:
  // `shownTitle`: the title the window gets, when the scenario changes it.
  SampleApp(const std::string& scenario, const std::string& title, bool is32 = false,
            const std::string& shownTitle = "") {
    process_ = test::TestProcess::Start(test::SampleAppPath(is32),
                                        "--scenario " + scenario + " --title \"" + title + "\"");
    // A window of 5,000 rows takes seconds to fill under load before it is shown.
    window_ = process_.WaitForWindow("GleanSampleApp", (shownTitle.empty() ? title : shownTitle).c_str(), 30000);
    // A program that filled its window for more than 5 s before reaching its message
    // loop counts as hung until it reads its messages (Wine's rule): wait for its first
    // answer.
    DWORD_PTR ignored = 0;
    if (window_) SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
  }
  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  test::TestProcess& Process() { return process_; }

 private:
  test::TestProcess process_;
  HWND window_ = nullptr;
};

// Options for sample-app captures: Wine cannot read another process's menu bar, so the
// menu is left out there and tested on a window of our own.
inline CaptureOptions SampleOptions() {
  CaptureOptions o;
  o.read_menu = false;
  return o;
}

// A control in a window of the test's own, for controls set up as the sample app's are not.
inline HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int width = 200, int height = 100) {
  return CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, height, parent, nullptr,
                       GetModuleHandleA(nullptr), nullptr);
}

inline RECT WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

inline HitRow Hit(const std::string& text, HWND control) {
  RECT r = WindowRectOf(control);
  return {text, static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.bottom),
          static_cast<int>(r.right)};
}

inline std::string Show(const Lines& lines) {
  std::string s;
  for (size_t i = 0; i < lines.size(); ++i) s += std::to_string(i) + ": [" + lines[i] + "]\n";
  return s;
}

#define EXPECT_LINES(actual, expected) \
  EXPECT_EQ(actual, expected) << "actual:\n" << Show(actual) << "expected:\n" << Show(expected)

inline void Append(Lines& to, const Lines& more) { to.insert(to.end(), more.begin(), more.end()); }

}  // namespace glean::capture::testing
