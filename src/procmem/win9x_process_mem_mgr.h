// The manager for another process on Windows 9x: segments are memory-backed file
// mappings, whose views lie at the same address in every process there.
#pragma once

#include <memory>
#include <vector>

#include "procmem/foreign_process_mem_mgr.h"
#include "procmem/shared_mem.h"

namespace glean {

class TWin9xProcessMemMgr : public TForeignProcessMemMgr {
 public:
  explicit TWin9xProcessMemMgr(DWORD processId) : TForeignProcessMemMgr(processId) {}

  size_t SegmentCount() const { return segments_.size(); }
  // The views stay mapped and their mappings open.
  void LeaveBlocksInProcess() override;

 protected:
  MemSegment AddSegment(uint32_t minimum) override;

 private:
  std::vector<std::unique_ptr<TSharedMem>> segments_;
};

}  // namespace glean
