// Records and text buffers placed in another process for its controls to fill: shared by
// the capture's readers and the pointer reader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "capture/layout/remote_layout.h"
#include "capture/target_messages.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

inline Bitness TargetBitness(const TProcessMemMgr& m) {
  return m.Is32BitProcess() ? Bitness::Bits32 : Bitness::Bits64;
}
inline LPARAM AsParam(ProcessAddress address) { return static_cast<LPARAM>(address); }

inline void Write(TProcessMemMgr& m, const StructImage& s, ProcessAddress to) {
  m.WriteBuffer(s.Data(), to, s.Size());
}
inline void ReadBack(TProcessMemMgr& m, ProcessAddress from, StructImage& s) {
  m.ReadBuffer(from, s.Data(), s.Size());
}

// Runs `read` with a memory manager for the process of `control`, which releases its
// blocks there when it goes, except after a time-out: the control may still be working
// on our message then and write into them later (an owner-data list view answers into
// the caller's buffer), so they are left in that process.
template <typename Read>
auto WithTargetMemory(HWND control, Read&& read) {
  std::unique_ptr<TProcessMemMgr> m = CreateMemMgrForWindow(control);
  try {
    return read(*m);
  } catch (const ETargetNotResponding&) {
    m->LeaveBlocksInProcess();
    throw;
  }
}

// A RECT as a control writes it: four 32-bit numbers, for programs of either bitness.
constexpr size_t kRemoteRectSize = 16;
RECT RectFromBytes(const uint8_t* bytes);

// A rectangle the control writes into a block of its own process: `first` is what the
// block holds before (an item handle, a code), and `fill` sends the message with the
// block's address and tells whether the control answered.
template <typename Fill>
std::optional<RECT> ReadRemoteRect(TProcessMemMgr& m, uint64_t first, Fill&& fill) {
  const ProcessAddress at = m.AllocMem(kRemoteRectSize);
  uint8_t bytes[kRemoteRectSize] = {};
  std::memcpy(bytes, &first, sizeof first);
  m.WriteBuffer(bytes, at, sizeof bytes);
  const bool ok = fill(at);
  if (ok) m.ReadBuffer(at, bytes, sizeof bytes);
  m.FreeMem(at);
  if (!ok) return std::nullopt;
  return RectFromBytes(bytes);
}

// The text a control wrote into our buffer of `size` bytes: up to its first zero byte and
// never past the buffer (a control that fills it to the last byte leaves no terminator).
std::string ReadTextBuffer(TProcessMemMgr& m, ProcessAddress buffer, uint32_t size);

// An item's text: in our buffer of `size` bytes, or wherever the control pointed the
// item record.
std::string ReadItemText(TProcessMemMgr& m, uint64_t pointer, ProcessAddress buffer, uint32_t size);

}  // namespace glean::capture
