#include "capture/remote_runs.h"

#include <algorithm>
#include <cstring>

#include "base/sjis.h"

namespace glean::capture {

ItemText TextWithin(const char* bytes, size_t size, size_t limit) {
  const char* end = static_cast<const char*>(std::memchr(bytes, '\0', size));
  std::string text(bytes, end ? static_cast<size_t>(end - bytes) : size);
  if (text.size() <= limit) return {std::move(text), false};
  text.resize(sjis::CharBoundaryAtOrBefore(text, limit));
  return {std::move(text), true};
}

RecordRun::RecordRun(TProcessMemMgr& m, Bitness bits, size_t recordSize, size_t textSize, int slots)
    : m_(m),
      bits_(bits),
      recordSize_(recordSize),
      recordSpace_(Align8(recordSize)),
      textSize_(textSize),
      slotSize_(recordSpace_ + Align8(textSize)),
      slots_(std::max(1, slots)),
      base_(m.AllocMem(static_cast<uint32_t>(slotSize_ * static_cast<size_t>(slots_)))),
      image_(slotSize_ * static_cast<size_t>(slots_), 0) {}

void RecordRun::Put(int slot, const StructImage& record) {
  uint8_t* at = image_.data() + static_cast<size_t>(slot) * slotSize_;
  std::memcpy(at, record.Data(), recordSize_);
  if (textSize_) at[recordSpace_] = 0;
}

StructImage RecordRun::Get(int slot) const {
  StructImage s(recordSize_, bits_);
  std::memcpy(s.Data(), image_.data() + static_cast<size_t>(slot) * slotSize_, recordSize_);
  return s;
}

void RecordRun::Push(int used) {
  if (used <= 0) return;
  // Up to the last record's first text byte: the rest of its buffer is the control's.
  size_t bytes = static_cast<size_t>(used - 1) * slotSize_ + recordSpace_ + (textSize_ ? 1 : 0);
  m_.WriteBuffer(image_.data(), base_, bytes);
}

void RecordRun::Pull(int used) {
  if (used <= 0) return;
  m_.ReadBuffer(base_, image_.data(), static_cast<size_t>(used) * slotSize_);
}

ItemText RecordRun::BufferText(int slot, size_t limit) const {
  const char* at = reinterpret_cast<const char*>(image_.data()) + static_cast<size_t>(slot) * slotSize_ + recordSpace_;
  return TextWithin(at, textSize_, limit);
}

bool RecordRun::Filled(int slot, uint64_t pointer) const {
  if (pointer != Text(slot)) return false;
  const char* at = reinterpret_cast<const char*>(image_.data()) + static_cast<size_t>(slot) * slotSize_ + recordSpace_;
  const void* end = std::memchr(at, '\0', textSize_);
  // A control cuts before a two-byte character that would not fit, so one byte short of
  // the last counts as full too.
  return !end || static_cast<size_t>(static_cast<const char*>(end) - at) + 2 >= textSize_;
}

ItemText RecordRun::TextOf(int slot, uint64_t pointer, size_t limit) const {
  if (pointer == Text(slot)) return BufferText(slot, limit);
  std::string elsewhere = m_.ReadString(static_cast<ProcessAddress>(pointer));
  return TextWithin(elsewhere.data(), elsewhere.size(), limit);
}

}  // namespace glean::capture
