#include "app.h"

#include "sample_window.h"
#include "scenarios/scenarios.h"

namespace sample_app {

std::vector<HWND> OpenScenario(HINSTANCE instance, const Options& options) {
  const Scenario* scenario = FindScenario(options.scenario);
  if (!scenario || !RegisterSampleWindowClass(instance)) return {};
  std::vector<HWND> windows;
  for (const WindowEntry& entry : scenario->build(options.title)) {
    HWND window = OpenSampleWindow(instance, entry);
    if (!window) {
      for (HWND open : windows) DestroyWindow(open);
      return {};
    }
    windows.push_back(window);
  }
  if (options.hang_after_ms >= 0 && !windows.empty()) HangAfter(windows.front(), options.hang_after_ms);
  return windows;
}

bool FillDesktopFolder(const std::string& folder) {
  static const char* const kEntries[] = {"メモ帳.lnk", "電卓.LNK", "読んでね.txt"};
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* name : kEntries) {
    const std::string path = folder + "\\" + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
  }
  return true;
}

}  // namespace sample_app
