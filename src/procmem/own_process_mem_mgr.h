// The manager for a control of Glean's own process: plain memory, plain copies.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "procmem/process_mem_mgr.h"

namespace glean {

class TOwnProcessMemMgr : public TProcessMemMgr {
 public:
  TOwnProcessMemMgr() = default;
  ~TOwnProcessMemMgr() override = default;  // the recorded blocks free themselves

  // Zero-filled.
  ProcessAddress AllocMem(uint32_t size) override;
  // Releases a block this manager handed out; any other address fails an assertion
  // rather than corrupting the heap.
  void FreeMem(ProcessAddress address) override;
  void ReadBuffer(ProcessAddress source, void* destination, size_t size) override;
  std::string ReadString(ProcessAddress source) override;
  void WriteBuffer(const void* source, ProcessAddress destination, size_t size) override;
  void WriteString(const std::string& s, ProcessAddress destination) override;
  bool IsWow64Process() const override;
  // Another thread of this process may still write into them.
  void LeaveBlocksInProcess() override;

  size_t BlockCount() const;

 private:
  mutable std::mutex lock_;
  struct Block {
    std::unique_ptr<char[]> bytes;
    uint32_t size;
  };
  std::vector<Block> blocks_;
};

}  // namespace glean
