// The manager for another process on Windows NT: segments reserved inside that process.
#pragma once

#include <utility>

#include "procmem/foreign_process_mem_mgr.h"

namespace glean {

class TWinNTProcessMemMgr : public TForeignProcessMemMgr {
 public:
  explicit TWinNTProcessMemMgr(DWORD processId) : TForeignProcessMemMgr(processId) {}

  size_t SegmentCount() const { return segments_.size(); }
  void LeaveBlocksInProcess() override;

 protected:
  MemSegment AddSegment(uint32_t minimum) override;

 private:
  // Memory reserved in another process, released when the owner goes.
  class RemoteMemory {
   public:
    RemoteMemory(HANDLE process, void* base, uint32_t size) : process_(process), base_(base), size_(size) {}
    RemoteMemory(RemoteMemory&& other) noexcept
        : process_(other.process_), base_(std::exchange(other.base_, nullptr)), size_(other.size_) {}
    RemoteMemory& operator=(RemoteMemory&&) = delete;
    RemoteMemory(const RemoteMemory&) = delete;  // one owner releases it
    ~RemoteMemory() {
      if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    }
    // Never released: the process keeps it.
    void Leave() {
      if (std::exchange(base_, nullptr)) CountBlocksLeft(size_);
    }

   private:
    HANDLE process_;
    void* base_;
    uint32_t size_;
  };

  std::vector<RemoteMemory> segments_;
};

}  // namespace glean
