// The count of memory the managers left in other processes after a time-out.
#include <atomic>

#include "procmem/process_mem_mgr.h"

namespace glean {

namespace {
std::atomic<long> leftSegments{0};
std::atomic<uint64_t> leftBytes{0};
}  // namespace

LeftBlocks BlocksLeftInProcesses() { return {leftSegments.load(), leftBytes.load()}; }

void CountBlocksLeft(uint64_t bytes) {
  leftSegments.fetch_add(1);
  leftBytes.fetch_add(bytes);
}

}  // namespace glean
