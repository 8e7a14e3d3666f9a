// A running second process for the memory manager tests, and helpers that look at its
// memory from outside the manager under test.
#pragma once

#include <windows.h>

#include <string>

#include "harness/process.h"
#include "procmem/process_mem_mgr.h"

namespace glean::test {

// The 64-bit target that sits next to the test program.
std::string MemoryTargetPath();

struct RunningTarget {
  TestProcess process;
  HWND window = nullptr;
};
// Starts the memory target (or the 32-bit sample app) and waits for its window.
RunningTarget StartMemoryTarget();
RunningTarget StartSampleApp32();

// The state (MEM_COMMIT, MEM_RESERVE, MEM_FREE) of the region at `address` in `process`.
DWORD RegionState(HANDLE process, ProcessAddress address);

// Two pages reserved in `process` by the test itself, the second made unreadable;
// released on destruction.
class GuardedPages {
 public:
  explicit GuardedPages(HANDLE process);
  ~GuardedPages();
  GuardedPages(const GuardedPages&) = delete;
  GuardedPages& operator=(const GuardedPages&) = delete;
  ProcessAddress FirstPage() const { return reinterpret_cast<ProcessAddress>(base_); }
  ProcessAddress UnreadablePage() const { return FirstPage() + 4096; }
  // Whether the system really refuses to read the second page from another process.
  bool GuardHolds() const;

 private:
  HANDLE process_;
  void* base_;
};

}  // namespace glean::test
