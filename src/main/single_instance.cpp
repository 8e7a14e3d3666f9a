#include "main/single_instance.h"

#include <windows.h>

#include <cstring>

#include "ui/application.h"

namespace glean {

const char kInstanceMutexName[] = "hGlean";
const char kMainWindowClass[] = "TBody";

bool ActivateRunningInstance() {
  win::UniqueHandle mutex(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName));
  if (!mutex) return false;
  if (HWND other = FindWindowA(kMainWindowClass, nullptr)) {
    char title[100] = {};
    GetWindowTextA(other, title, sizeof title);
    if (std::strstr(title, ui::kApplicationTitle)) {
      // Asynchronous: a first instance busy reading a slow window must not keep this
      // second start waiting (a cross-thread ShowWindow waits for the window's thread).
      ShowWindowAsync(other, SW_RESTORE);
      SetForegroundWindow(other);
    }
  }
  return true;
}

win::UniqueHandle CreateInstanceMutex() {
  return win::UniqueHandle(CreateMutexA(nullptr, FALSE, kInstanceMutexName));
}

}  // namespace glean
