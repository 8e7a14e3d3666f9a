#include "procmem/mem_block_list.h"

#include "base/errors.h"

namespace glean {

namespace {
constexpr const char* kSource = "uProcessMemMgr";
}

uint32_t TMemBlockList::SegmentSize(uint32_t request) {
  if (request < kMinSegmentSize) return kMinSegmentSize;
  uint64_t rounded = (uint64_t{request} + kSegmentGranularity - 1) / kSegmentGranularity *
                     kSegmentGranularity;
  return rounded > UINT32_MAX ? 0 : static_cast<uint32_t>(rounded);
}

bool TMemBlockList::TakeFirstFit(uint32_t size, ProcessAddress& address) {
  for (size_t i = 0; i < blocks_.size(); ++i) {
    MemBlock& b = blocks_[i];
    if (b.Used || b.Size < size) continue;
    address = b.Address;
    uint32_t rest = b.Size - size;
    b.Size = size;
    b.Used = true;
    if (rest > 0) {
      MemBlock tail{address + size, rest, b.Segment, false};
      blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(i) + 1, tail);
    }
    return true;
  }
  return false;
}

ProcessAddress TMemBlockList::AllocMem(uint32_t size) {
  std::lock_guard<std::mutex> hold(lock_);
  ProcessAddress address = 0;
  if (TakeFirstFit(size, address)) return address;
  // A request too large for any 32-bit segment must not wrap round to a tiny one.
  if (SegmentSize(size) != 0) {
    MemSegment s = AddSegment(size);
    blocks_.push_back(MemBlock{s.Base, s.Size, segments_++, false});
    if (TakeFirstFit(size, address)) return address;
  }
  throw EProcessMemMgr("ProcessMemMgr.AllocMem: not enough memory");
}

void TMemBlockList::FreeMem(ProcessAddress address) {
  std::lock_guard<std::mutex> hold(lock_);
  size_t i = 0;
  // Only a handed-out block counts: a second release of the same address is as wrong as
  // an address that was never handed out.
  while (i < blocks_.size() && !(blocks_[i].Used && blocks_[i].Address == address)) ++i;
  GLEAN_ASSERT(i < blocks_.size(), "ProcessMemMgr.FreeMem: unknown pointer", kSource);
  MemBlock& b = blocks_[i];
  b.Used = false;
  while (i + 1 < blocks_.size() && !blocks_[i + 1].Used && blocks_[i + 1].Segment == b.Segment) {
    b.Size += blocks_[i + 1].Size;
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
  }
}

std::vector<MemBlock> TMemBlockList::Blocks() const {
  std::lock_guard<std::mutex> hold(lock_);
  return blocks_;
}

int TMemBlockList::SegmentCount() const {
  std::lock_guard<std::mutex> hold(lock_);
  return segments_;
}

}  // namespace glean
