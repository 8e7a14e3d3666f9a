#include "procmem/winnt_process_mem_mgr.h"

#include "win/os_error.h"

namespace glean {

MemSegment TWinNTProcessMemMgr::AddSegment(uint32_t minimum) {
  uint32_t size = TMemBlockList::SegmentSize(minimum);
  segments_.reserve(segments_.size() + 1);  // so that recording the segment cannot fail
  void* base = VirtualAllocEx(Process(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  if (!base) win::RaiseLastOSError();
  segments_.emplace_back(Process(), base, size);
  return MemSegment{reinterpret_cast<ProcessAddress>(base), size};
}

void TWinNTProcessMemMgr::LeaveBlocksInProcess() {
  for (RemoteMemory& segment : segments_) segment.Leave();
  segments_.clear();
}

}  // namespace glean
