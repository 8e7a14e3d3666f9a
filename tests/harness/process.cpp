#include "harness/process.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "win/os_error.h"
#include "win/window_text.h"

namespace glean::test {

TestProcess TestProcess::Start(const std::string& exe, const std::string& args) {
  std::string commandLine = "\"" + exe + "\"";
  if (!args.empty()) commandLine += " " + args;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // Under a loaded Wine the process start now and then fails with an internal error that
  // the next attempt does not repeat; other failures are real and raised at once.
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &si, &pi))
      break;
    if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 5) win::RaiseLastOSError();
    Sleep(200 * attempt);
  }
  CloseHandle(pi.hThread);
  TestProcess p;
  p.process_.Reset(pi.hProcess);
  p.id_ = pi.dwProcessId;
  // Let the program reach its message loop before the test talks to it.
  WaitForInputIdle(pi.hProcess, 10000);
  return p;
}

namespace {
struct FindArgs {
  DWORD pid;  // 0: any process
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
  auto* a = reinterpret_cast<FindArgs*>(lp);
  if (!IsWindowVisible(hwnd)) return TRUE;
  if (a->pid) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != a->pid) return TRUE;
  }
  if (a->className && ClassName(hwnd) != a->className) return TRUE;
  // The caption the system keeps: asking the window could wait on a program that hangs.
  char title[512] = {};
  if (a->title && (GetWindowTextA(hwnd, title, sizeof title), std::string(title) != a->title)) return TRUE;
  a->found = hwnd;
  return FALSE;
}

HWND WaitFor(DWORD pid, const char* className, const char* title, int timeoutMs) {
  FindArgs a{pid, className, title, nullptr};
  WaitUntil(
      [&] {
        EnumWindows(FindProc, reinterpret_cast<LPARAM>(&a));
        return a.found != nullptr;
      },
      timeoutMs);
  return a.found;
}
}  // namespace

HWND TestProcess::WaitForWindow(const char* className, const char* title, int timeoutMs) const {
  return WaitFor(id_, className, title, timeoutMs);
}

HWND WaitForTopWindow(const char* className, const char* title, int timeoutMs) {
  return WaitFor(0, className, title, timeoutMs);
}

bool TestProcess::WaitForExit(int timeoutMs) const {
  return !process_ || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD TestProcess::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

void TestProcess::Terminate() {
  if (!process_) return;
  if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
  }
  process_.Reset();
}

std::string WindowText(HWND hwnd) {
  return win::WholeWindowText(hwnd, 5000);  // a window that hangs fails the test, not holds it
}

std::string ClassName(HWND hwnd) {
  char buffer[256] = {};
  GetClassNameA(hwnd, buffer, sizeof buffer);
  return buffer;
}

namespace {
std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// ctest hands over Unix paths; Wine's own mapping turns them into DOS paths.
std::string ToWindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}
}  // namespace

std::string SampleAppPath(bool is32) {
  return ToWindowsPath(Env(is32 ? "GLEAN_SAMPLE_APP_32" : "GLEAN_SAMPLE_APP_64"));
}

std::string GleanExePath() { return ToWindowsPath(Env("GLEAN_EXE")); }

bool CanRun32BitPrograms() {
  static int cached = -1;
  if (cached < 0) {
    std::string exe = SampleAppPath(true);
    cached = 0;
    if (!exe.empty() && GetFileAttributesA(exe.c_str()) != INVALID_FILE_ATTRIBUTES) {
      try {
        TestProcess p = TestProcess::Start(exe, "--scenario empty --title glean-32bit-probe");
        cached = p.WaitForWindow(nullptr, "glean-32bit-probe", 8000) != nullptr ? 1 : 0;
      } catch (...) {
        cached = 0;
      }
    }
  }
  return cached == 1;
}

namespace {
LRESULT CALLBACK PlainWindowProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }
}  // namespace

OwnWindow::OwnWindow(const std::string& title, const char* className, bool visible, HMENU menu) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PlainWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  wc.hIcon = LoadIcon(nullptr, IDI_INFORMATION);
  RegisterClassA(&wc);  // fails harmlessly when the class exists already
  hwnd_ = CreateWindowA(className, title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10,
                        10, 400, 300, nullptr, menu, wc.hInstance, nullptr);
}

OwnWindow::~OwnWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

TempFolder::TempFolder() {
  char base[MAX_PATH + 1] = {};
  GetTempPathA(sizeof base, base);
  static int counter = 0;
  for (;;) {
    path_ = std::string(base) + "glean-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) win::RaiseLastOSError();
  }
}

namespace {
void RemoveTree(const std::string& dir) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = dir + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(dir.c_str());
}
}  // namespace

TempFolder::~TempFolder() { RemoveTree(path_); }

}  // namespace glean::test
