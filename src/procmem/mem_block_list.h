// The blocks a foreign-process manager hands out, carved first-fit from segments of memory
// that the other process can address. Portable, so that the arithmetic is tested natively;
// obtaining a segment is left to the subclass.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "procmem/process_mem_mgr.h"

namespace glean {

struct MemBlock {
  ProcessAddress Address;  // valid in the other process
  uint32_t Size;
  int32_t Segment;  // index of the segment in the order segments were added
  bool Used;
};

struct MemSegment {
  ProcessAddress Base;
  uint32_t Size;
};

class TMemBlockList {
 public:
  static constexpr uint32_t kMinSegmentSize = 16384;
  static constexpr uint32_t kSegmentGranularity = 4096;

  TMemBlockList() = default;
  TMemBlockList(const TMemBlockList&) = delete;
  TMemBlockList& operator=(const TMemBlockList&) = delete;
  virtual ~TMemBlockList() = default;

  // First fit; adds a segment when no free block is large enough. Exact sizes, no
  // alignment. Raises EProcessMemMgr when even a fresh segment cannot hold the request.
  ProcessAddress AllocMem(uint32_t size);
  // Frees the handed-out block at `address` and absorbs the free blocks that follow it in
  // the same segment. An address that is not handed out fails an assertion.
  void FreeMem(ProcessAddress address);

  std::vector<MemBlock> Blocks() const;
  int SegmentCount() const;

  // 16384 for small requests, else the request rounded up to a multiple of 4096; 0 when
  // that does not fit in 32 bits.
  static uint32_t SegmentSize(uint32_t request);

 protected:
  // Reserves one more segment of SegmentSize(minimum) bytes (the subclass keeps it and
  // releases it when it is destroyed) and returns it. Called with the list locked.
  virtual MemSegment AddSegment(uint32_t minimum) = 0;

 private:
  bool TakeFirstFit(uint32_t size, ProcessAddress& address);

  mutable std::mutex lock_;
  std::vector<MemBlock> blocks_;
  int32_t segments_ = 0;
};

}  // namespace glean
