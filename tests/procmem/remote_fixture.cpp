#include "procmem/remote_fixture.h"

#include <gtest/gtest.h>

#include "win/os_error.h"

namespace glean::test {

std::string MemoryTargetPath() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string self(path, n);
  return self.substr(0, self.find_last_of('\\') + 1) + "procmem_target.exe";
}

RunningTarget StartMemoryTarget() {
  RunningTarget t;
  t.process = TestProcess::Start(MemoryTargetPath());
  t.window = t.process.WaitForWindow("GleanMemoryTarget", nullptr);
  EXPECT_NE(t.window, nullptr) << "the memory target did not show its window";
  return t;
}

RunningTarget StartSampleApp32() {
  RunningTarget t;
  t.process = TestProcess::Start(SampleAppPath(true), "--scenario empty --title glean-procmem-32");
  t.window = t.process.WaitForWindow(nullptr, "glean-procmem-32");
  EXPECT_NE(t.window, nullptr) << "the 32-bit sample app did not show its window";
  return t;
}

DWORD RegionState(HANDLE process, ProcessAddress address) {
  MEMORY_BASIC_INFORMATION info{};
  if (!VirtualQueryEx(process, reinterpret_cast<void*>(address), &info, sizeof info))
    win::RaiseLastOSError();
  return info.State;
}

GuardedPages::GuardedPages(HANDLE process)
    : process_(process),
      base_(win::Win32Check(VirtualAllocEx(process, nullptr, 8192, MEM_COMMIT, PAGE_READWRITE))) {
  DWORD old = 0;
  if (!VirtualProtectEx(process, static_cast<char*>(base_) + 4096, 4096, PAGE_NOACCESS, &old)) {
    VirtualFreeEx(process, base_, 0, MEM_RELEASE);
    win::RaiseLastOSError();
  }
}

bool GuardedPages::GuardHolds() const {
  char b[4];
  SIZE_T got = 0;
  return !ReadProcessMemory(process_, reinterpret_cast<void*>(UnreadablePage()), b, sizeof b, &got);
}

GuardedPages::~GuardedPages() { VirtualFreeEx(process_, base_, 0, MEM_RELEASE); }

}  // namespace glean::test
