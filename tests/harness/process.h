// Test harness for the Windows tests: start a program, wait (bounded) for its window,
// read window texts, end what the test started.
#pragma once

#include <windows.h>

#include <string>

#include "win/handle.h"

namespace glean::test {

class TestProcess {
 public:
  // Starts `exe` with `args` (a command-line tail); raises glean::EOSError on failure.
  static TestProcess Start(const std::string& exe, const std::string& args = "");

  TestProcess() = default;
  TestProcess(TestProcess&&) = default;
  TestProcess& operator=(TestProcess&&) = default;
  ~TestProcess() { Terminate(); }  // a test never leaves its programs running

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }

  // A visible top-level window of this process with the class and title (either may be
  // null for "any"), or null after `timeoutMs`.
  HWND WaitForWindow(const char* className, const char* title, int timeoutMs = 10000) const;
  bool WaitForExit(int timeoutMs) const;
  DWORD ExitCode() const;
  void Terminate();

 private:
  win::UniqueHandle process_;
  DWORD id_ = 0;
};

// A visible top-level window of any process, or null after `timeoutMs`.
HWND WaitForTopWindow(const char* className, const char* title, int timeoutMs = 10000);

// Polls `condition` until it holds or `timeoutMs` passes, pumping this thread's messages.
template <typename F>
bool WaitUntil(F condition, int timeoutMs = 5000) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

std::string WindowText(HWND hwnd);   // WM_GETTEXT, ANSI
std::string ClassName(HWND hwnd);

// The sample app builds, from the environment that ctest sets.
std::string SampleAppPath(bool is32);
std::string GleanExePath();

// Whether this machine can run 32-bit Windows programs (some VMs refuse 32-bit code).
bool CanRun32BitPrograms();

// Skips the calling test when the 32-bit sample app cannot run here.
#define GLEAN_REQUIRE_32BIT()                                                        \
  do {                                                                               \
    if (!::glean::test::CanRun32BitPrograms())                                       \
      GTEST_SKIP() << "32-bit programs cannot run on this machine";                  \
  } while (0)

// A top-level window of the test's own process, for cases that need a window whose
// title, class or menu the test chooses. Destroyed with the object.
class OwnWindow {
 public:
  explicit OwnWindow(const std::string& title, const char* className = "GleanTestWindow",
                     bool visible = true, HMENU menu = nullptr);
  ~OwnWindow();
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// A fresh folder under the temporary folder, removed with its content on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

}  // namespace glean::test
