// The structures Glean places in another process, laid out for that process's bitness:
// a 64-bit Glean reads 32-bit and 64-bit programs, and each reads the structure at its
// own field offsets. Portable: byte images only, no window-system types.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace glean::capture {

enum class Bitness { Bits32, Bits64 };

// Field offsets and sizes of one structure kind in one bitness.
struct ListViewColumnLayout {
  size_t size, mask, pszText, cchTextMax, iSubItem;
};
struct ListViewItemLayout {
  size_t size, mask, iItem, iSubItem, state, stateMask, pszText, cchTextMax;
};
struct TreeViewItemLayout {
  size_t size, mask, hItem, pszText, cchTextMax;
};
struct ToolBarButtonLayout {
  size_t size, iBitmap, idCommand, fsState, fsStyle, dwData, iString;
};
struct TreeViewHitTestLayout {
  size_t size, x, y, flags, hItem;
};

// 64-bit layouts align every pointer to 8 bytes, which moves the fields after it.
namespace layouts {
constexpr ListViewColumnLayout kColumn32{24, 0, 12, 16, 20};
constexpr ListViewColumnLayout kColumn64{32, 0, 16, 24, 28};
constexpr ListViewItemLayout kItem32{36, 0, 4, 8, 12, 16, 20, 24};
constexpr ListViewItemLayout kItem64{48, 0, 4, 8, 12, 16, 24, 32};
constexpr TreeViewItemLayout kTree32{40, 0, 4, 16, 20};
constexpr TreeViewItemLayout kTree64{56, 0, 8, 24, 32};
constexpr ToolBarButtonLayout kButton32{20, 0, 4, 8, 9, 12, 16};
constexpr ToolBarButtonLayout kButton64{32, 0, 4, 8, 9, 16, 24};
constexpr TreeViewHitTestLayout kTreeHit32{16, 0, 4, 8, 12};
constexpr TreeViewHitTestLayout kTreeHit64{24, 0, 4, 8, 16};
}  // namespace layouts

constexpr const ListViewColumnLayout& ListViewColumn(Bitness b) { return b == Bitness::Bits32 ? layouts::kColumn32 : layouts::kColumn64; }
constexpr const ListViewItemLayout& ListViewItem(Bitness b) { return b == Bitness::Bits32 ? layouts::kItem32 : layouts::kItem64; }
constexpr const TreeViewItemLayout& TreeViewItem(Bitness b) { return b == Bitness::Bits32 ? layouts::kTree32 : layouts::kTree64; }
constexpr const ToolBarButtonLayout& ToolBarButton(Bitness b) { return b == Bitness::Bits32 ? layouts::kButton32 : layouts::kButton64; }
constexpr const TreeViewHitTestLayout& TreeViewHitTest(Bitness b) { return b == Bitness::Bits32 ? layouts::kTreeHit32 : layouts::kTreeHit64; }

constexpr size_t PointerSize(Bitness b) { return b == Bitness::Bits32 ? 4 : 8; }

// A zero-filled structure image with typed field access at explicit offsets.
class StructImage {
 public:
  StructImage(size_t size, Bitness bitness) : bytes_(size, 0), bitness_(bitness) {}

  void PutU32(size_t offset, uint32_t v) { std::memcpy(&bytes_[offset], &v, 4); }
  uint32_t GetU32(size_t offset) const {
    uint32_t v;
    std::memcpy(&v, &bytes_[offset], 4);
    return v;
  }
  // Pointer-sized fields hold the target's addresses; a 32-bit target keeps 4 bytes.
  void PutPointer(size_t offset, uint64_t v) {
    if (bitness_ == Bitness::Bits32)
      PutU32(offset, static_cast<uint32_t>(v));
    else
      std::memcpy(&bytes_[offset], &v, 8);
  }
  uint64_t GetPointer(size_t offset) const {
    if (bitness_ == Bitness::Bits32) return GetU32(offset);
    uint64_t v;
    std::memcpy(&v, &bytes_[offset], 8);
    return v;
  }
  uint8_t GetU8(size_t offset) const { return bytes_[offset]; }

  uint8_t* Data() { return bytes_.data(); }
  const uint8_t* Data() const { return bytes_.data(); }
  size_t Size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
  Bitness bitness_;
};

}  // namespace glean::capture
