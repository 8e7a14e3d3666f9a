#include "editor/model/string_list.h"

#include <utility>

#include "base/errors.h"

namespace glean {

TheStringList::~TheStringList() { items_.Clear(); }

void TheStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) throw EListError(index);
}

TheStringItem& TheStringList::Item(int index) {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)];
}

const TheStringItem& TheStringList::Item(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)];
}

const std::string& TheStringList::Ref(int index) const { return Item(index).Text; }

void TheStringList::Grow(int needed) {
  int capacity = Capacity();
  while (capacity < needed) {
    if (capacity > 64)
      capacity += capacity / 4;
    else if (capacity > 8)
      capacity += 16;
    else
      capacity += 4;
  }
  if (capacity != Capacity()) items_.Reallocate(static_cast<size_t>(capacity));
}

void TheStringList::SetCapacity(int capacity) {
  if (capacity < Count()) throw EListError(capacity);
  items_.Reallocate(static_cast<size_t>(capacity));
}

void TheStringList::Put(int index, const std::string& s) {
  CheckIndex(index, Count());
  Changing();
  items_[static_cast<size_t>(index)].Text = s;
  Changed();
}

void TheStringList::Insert(int index, const std::string& s) {
  CheckIndex(index, Count() + 1);
  Changing();
  Grow(Count() + 1);
  items_.InsertDefault(static_cast<size_t>(index), 1);
  items_[static_cast<size_t>(index)].Text = s;
  Changed();
}

void TheStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.Erase(static_cast<size_t>(index), 1);
  Changed();
}

void TheStringList::Exchange(int i, int j) {
  CheckIndex(i, Count());
  CheckIndex(j, Count());
  Changing();
  std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
  Changed();
}

void TheStringList::Clear() {
  if (Count() == 0) return;
  Changing();
  items_.Clear();
  Changed();
}

void TheStringList::InsertRows(int index, int count) {
  CheckIndex(index, Count() + 1);
  if (count <= 0) return;
  Changing();
  Grow(Count() + count);
  items_.InsertDefault(static_cast<size_t>(index), static_cast<size_t>(count));
  Changed();
}

void TheStringList::EraseRows(int index, int count) {
  if (count <= 0) return;
  CheckIndex(index, Count());
  CheckIndex(index + count - 1, Count());
  Changing();
  items_.Erase(static_cast<size_t>(index), static_cast<size_t>(count));
  Changed();
}

void TheStringList::ReplaceAll(std::vector<TheStringItem>&& items) {
  Changing();
  items_.Adopt(std::move(items));
  Changed();
}

// ---------------------------------------------------------------------------------------

void TRowAttributeStringList::SetBits1(int index, unsigned shift, unsigned width,
                                       uint32_t value) {
  uint32_t mask = (width >= 32 ? ~0u : ((1u << width) - 1)) << shift;
  SetAttributeWord1(index, (AttributeWord1(index) & ~mask) | ((value << shift) & mask));
}

void TRowAttributeStringList::SetBits2(int index, unsigned shift, unsigned width,
                                       uint32_t value) {
  uint32_t mask = (width >= 32 ? ~0u : ((1u << width) - 1)) << shift;
  SetAttributeWord2(index, (AttributeWord2(index) & ~mask) | ((value << shift) & mask));
}

TRowAttributeData TRowAttributeStringList::RowState(int index) const {
  TRowAttributeData d;
  d.RowAttribute = RowAttribute(index);
  d.PrevRowAttribute = PrevRowAttribute(index);
  d.BracketIndex = BracketIndex(index);
  d.StateSlot1 = StateSlot1(index);
  d.ContinuedLength = ContinuedLength(index);
  d.StateSlot2 = StateSlot2(index);
  d.ContinuedKind = ContinuedKind(index);
  d.StateSlot3 = StateSlot3(index);
  d.RowString = RowString(index);
  return d;
}

namespace {
// Word 1 without its RowAttribute bits, word 2 without the marks, as `state` packs.
uint32_t PackState1(const TRowAttributeData& s) {
  return (uint32_t(s.PrevRowAttribute) & 3u) << 2 | (uint32_t(s.BracketIndex + 2) & 15u) << 4 |
         (uint32_t(s.StateSlot1) & 255u) << 8 | (uint32_t(s.ContinuedLength) & 255u) << 16 |
         (uint32_t(s.StateSlot2) & 255u) << 24;
}
uint32_t PackState2(const TRowAttributeData& s) {
  return uint32_t(s.ContinuedKind) | uint32_t(s.StateSlot3) << 8;
}
}  // namespace

void TRowAttributeStringList::SetRowState(int index, const TRowAttributeData& state) {
  TheStringItem& item = Item(index);
  item.Word1 = (item.Word1 & 3u) | PackState1(state);
  item.Word2 = (item.Word2 & 0xFFFF0000u) | PackState2(state);
  if (item.RowString != state.RowString) item.RowString = state.RowString;
}

void TRowAttributeStringList::ClearRowState(int index) {
  TheStringItem& item = Item(index);
  item.Word1 &= 3u;  // BracketIndex nibble 0 reads as -2: not parsed
  item.Word2 &= 0xFFFF0000u;
  item.RowString.clear();
}

bool TRowAttributeStringList::RowStateEquals(int index, const TRowAttributeData& state) const {
  const TheStringItem& item = Item(index);
  return (item.Word1 & ~3u) == PackState1(state) &&
         (item.Word2 & 0xFFFFu) == PackState2(state) && item.RowString == state.RowString;
}

}  // namespace glean
