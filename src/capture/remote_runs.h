// Runs of item records placed in another process in one block, each record with a text
// buffer of its own: a run is written with one WriteProcessMemory and read back with
// one ReadProcessMemory, so a reader pays the cross-process memory transfers per run
// and not per item.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture/captured_text.h"
#include "capture/layout/remote_layout.h"
#include "procmem/process_mem_mgr.h"

namespace glean::capture {

// `bytes` rounded up to whole 8-byte units, so that records placed one after another
// stay aligned for the target's pointers.
constexpr size_t Align8(size_t bytes) { return (bytes + 7) & ~size_t{7}; }

// The text in `bytes` up to the first zero byte (or the end), cut at a character
// boundary to at most `limit` bytes.
ItemText TextWithin(const char* bytes, size_t size, size_t limit);

class RecordRun {
 public:
  // Reserves `slots` records of `recordSize` bytes, each followed by a text buffer of
  // `textSize` bytes (none when 0), in one block of the target.
  RecordRun(TProcessMemMgr& m, Bitness bits, size_t recordSize, size_t textSize, int slots);

  int Slots() const { return slots_; }
  ProcessAddress Record(int slot) const { return base_ + static_cast<ProcessAddress>(slot) * slotSize_; }
  ProcessAddress Text(int slot) const { return Record(slot) + recordSpace_; }
  size_t TextSize() const { return textSize_; }

  // Sets a record in the local image and empties its text buffer, so that a control
  // that writes nothing never shows the previous item's text.
  void Put(int slot, const StructImage& record);
  // The record as the target left it (after Pull).
  StructImage Get(int slot) const;
  // Writes the first `used` slots to the target; reads them back.
  void Push(int used);
  void Pull(int used);

  // The text of `slot` whose record points at `pointer`: from its own buffer, or read
  // from wherever the control pointed the record.
  ItemText TextOf(int slot, uint64_t pointer, size_t limit) const;
  // The text in the buffer of `slot` (after Pull).
  ItemText BufferText(int slot, size_t limit) const;
  // Whether the control pointed `slot` at its own buffer and filled it (the text may go
  // on past it).
  bool Filled(int slot, uint64_t pointer) const;

 private:
  TProcessMemMgr& m_;
  Bitness bits_;
  size_t recordSize_, recordSpace_, textSize_, slotSize_;
  int slots_;
  ProcessAddress base_;
  std::vector<uint8_t> image_;
};

}  // namespace glean::capture
