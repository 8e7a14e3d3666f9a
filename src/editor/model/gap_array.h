// A gap buffer of items: insertions and deletions near the previous edit cost in
// proportion to the distance from it, not to the length of the array, so an edit in the
// middle of a million rows is as cheap as one in a short text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace glean {

template <class T>
class GapArray {
 public:
  size_t size() const { return slots_.size() - (gapEnd_ - gapStart_); }
  size_t capacity() const { return slots_.size(); }

  T& operator[](size_t i) { return slots_[i < gapStart_ ? i : i + (gapEnd_ - gapStart_)]; }
  const T& operator[](size_t i) const {
    return slots_[i < gapStart_ ? i : i + (gapEnd_ - gapStart_)];
  }

  // Reallocates to exactly `newCapacity` slots (never below size()).
  void Reallocate(size_t newCapacity) {
    size_t n = size();
    if (newCapacity < n) newCapacity = n;
    std::vector<T> fresh(newCapacity);
    for (size_t i = 0; i < n; ++i) fresh[i] = std::move((*this)[i]);
    slots_.swap(fresh);
    gapStart_ = n;
    gapEnd_ = newCapacity;
  }

  // Opens `count` default items at `pos`; the caller makes sure the capacity suffices.
  void InsertDefault(size_t pos, size_t count) {
    MoveGap(pos);
    for (size_t k = 0; k < count; ++k) slots_[gapStart_ + k] = T{};
    gapStart_ += count;
  }

  void Erase(size_t pos, size_t count) {
    MoveGap(pos);
    for (size_t k = 0; k < count; ++k) slots_[gapEnd_ + k] = T{};  // releases the strings
    gapEnd_ += count;
  }

  // Takes `items` as the whole content, without copying; a gap of an eighth follows, so
  // the first insertion does not reallocate. Only the gap's slots are made, not all the
  // vector's spare capacity: a bulk load reserves by a guess, and every slot made is
  // memory touched (page faults that cost a text load a fifth of its time).
  void Adopt(std::vector<T>&& items) {
    const size_t n = items.size();
    items.resize(n + n / 8 + 4);
    slots_ = std::move(items);
    gapStart_ = n;
    gapEnd_ = slots_.size();
  }

  void Clear() {
    std::vector<T>().swap(slots_);
    gapStart_ = gapEnd_ = 0;
  }

  size_t Free() const { return gapEnd_ - gapStart_; }

 private:
  void MoveGap(size_t pos) {
    if (gapStart_ == gapEnd_) {  // no gap: nothing to move (and no self-moves)
      gapStart_ = gapEnd_ = pos;
    } else if (pos < gapStart_) {
      size_t n = gapStart_ - pos;
      std::move_backward(slots_.begin() + pos, slots_.begin() + gapStart_,
                         slots_.begin() + gapEnd_);
      gapStart_ -= n;
      gapEnd_ -= n;
    } else if (pos > gapStart_) {
      size_t n = pos - gapStart_;
      std::move(slots_.begin() + gapEnd_, slots_.begin() + gapEnd_ + n,
                slots_.begin() + gapStart_);
      gapStart_ += n;
      gapEnd_ += n;
    }
  }

  std::vector<T> slots_;
  size_t gapStart_ = 0;
  size_t gapEnd_ = 0;
};

}  // namespace glean
