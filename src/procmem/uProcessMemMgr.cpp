#include "procmem/uProcessMemMgr.h"

namespace glean {

namespace {
bool IsNTPlatform() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
}  // namespace

std::unique_ptr<TProcessMemMgr> CreateMemMgrForWindow(HWND window) {
  DWORD processId = 0;
  if (!GetWindowThreadProcessId(window, &processId)) processId = 0;
  return CreateMemMgrForProcess(processId);
}

std::unique_ptr<TProcessMemMgr> CreateMemMgrForProcess(DWORD processId) {
  if (processId == GetCurrentProcessId()) return std::make_unique<TOwnProcessMemMgr>();
  if (IsNTPlatform()) return std::make_unique<TWinNTProcessMemMgr>(processId);
  return std::make_unique<TWin9xProcessMemMgr>(processId);
}

}  // namespace glean
