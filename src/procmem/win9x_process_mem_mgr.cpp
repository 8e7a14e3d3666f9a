#include "procmem/win9x_process_mem_mgr.h"

namespace glean {

MemSegment TWin9xProcessMemMgr::AddSegment(uint32_t minimum) {
  uint32_t size = TMemBlockList::SegmentSize(minimum);
  segments_.reserve(segments_.size() + 1);  // so that recording the segment cannot fail
  segments_.push_back(std::make_unique<TSharedMem>("", size));
  return MemSegment{reinterpret_cast<ProcessAddress>(segments_.back()->Buffer()), size};
}

void TWin9xProcessMemMgr::LeaveBlocksInProcess() {
  for (auto& segment : segments_) {
    CountBlocksLeft(segment->Size());
    static_cast<void>(segment.release());  // never unmapped: the other process sees the view where we do
  }
  segments_.clear();
}

}  // namespace glean
