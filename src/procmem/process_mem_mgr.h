// The interface through which the control readers place structures and buffers in the
// memory of the process that owns a control. Portable: no window-system types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace glean {

// An address valid in the managed process. Pointer-sized, so that a 64-bit Glean can
// hold any address of a 64-bit target.
using ProcessAddress = std::uintptr_t;

class TProcessMemMgr {
 public:
  TProcessMemMgr() = default;
  TProcessMemMgr(const TProcessMemMgr&) = delete;  // owns memory in another process
  TProcessMemMgr& operator=(const TProcessMemMgr&) = delete;
  virtual ~TProcessMemMgr() = default;

  virtual ProcessAddress AllocMem(uint32_t size) = 0;
  virtual void FreeMem(ProcessAddress address) = 0;
  virtual void ReadBuffer(ProcessAddress source, void* destination, size_t size) = 0;
  // The zero-terminated string at `source` (empty for a null address), at most
  // kMaxProcessString bytes.
  virtual std::string ReadString(ProcessAddress source) = 0;
  virtual void WriteBuffer(const void* source, ProcessAddress destination, size_t size) = 0;
  // Writes the string and its terminating zero byte.
  virtual void WriteString(const std::string& s, ProcessAddress destination) = 0;

  // Whether the managed process is a 32-bit process on 64-bit Windows; the readers lay
  // out their structures by it.
  virtual bool IsWow64Process() const = 0;

  // Gives up every block of this manager without releasing it: the process may still
  // be answering a message that timed out and write into them later, which into released
  // memory would crash or corrupt it. They stay reserved there for that process's life
  // and are counted in BlocksLeftInProcesses.
  virtual void LeaveBlocksInProcess() = 0;
  // Whether the managed process uses 32-bit pointers (a 32-bit Glean only ever manages
  // 32-bit processes).
  bool Is32BitProcess() const { return sizeof(void*) == 4 || IsWow64Process(); }
};

// What managers have left in other processes (LeaveBlocksInProcess) since Glean started:
// segments of memory and their bytes.
struct LeftBlocks {
  long Segments = 0;
  uint64_t Bytes = 0;
};
LeftBlocks BlocksLeftInProcesses();
// Called by a manager for each segment it leaves.
void CountBlocksLeft(uint64_t bytes);

}  // namespace glean
