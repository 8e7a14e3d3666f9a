// The managers for a control of another process: blocks carved from segments that the
// other process can address, copied in and out with Read/WriteProcessMemory.
#pragma once

#include <windows.h>

#include <vector>

#include "procmem/mem_block_list.h"
#include "procmem/process_mem_mgr.h"
#include "win/handle.h"

namespace glean {

class TForeignProcessMemMgr : public TProcessMemMgr {
 public:
  // Opens the process for reading, writing and reserving its memory; raises the OS error.
  explicit TForeignProcessMemMgr(DWORD processId);

  ProcessAddress AllocMem(uint32_t size) override { return blocks_.AllocMem(size); }
  void FreeMem(ProcessAddress address) override { blocks_.FreeMem(address); }
  void ReadBuffer(ProcessAddress source, void* destination, size_t size) override;
  std::string ReadString(ProcessAddress source) override;
  void WriteBuffer(const void* source, ProcessAddress destination, size_t size) override;
  void WriteString(const std::string& s, ProcessAddress destination) override;
  bool IsWow64Process() const override { return wow64_; }

  std::vector<MemBlock> Blocks() const { return blocks_.Blocks(); }
  HANDLE Process() const { return process_.Get(); }

 protected:
  // Reserves one more segment of at least `minimum` bytes that the other process can
  // address; the subclass owns it until it is destroyed.
  virtual MemSegment AddSegment(uint32_t minimum) = 0;

 private:
  class BlockList : public TMemBlockList {
   public:
    explicit BlockList(TForeignProcessMemMgr& owner) : owner_(owner) {}

   protected:
    MemSegment AddSegment(uint32_t minimum) override { return owner_.AddSegment(minimum); }

   private:
    TForeignProcessMemMgr& owner_;
  };

  // Declared first, so closed last: the subclasses release their segments through it.
  win::UniqueHandle process_;
  BlockList blocks_{*this};
  bool wow64_ = false;
};

}  // namespace glean
