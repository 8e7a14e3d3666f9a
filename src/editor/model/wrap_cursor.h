// The column cursor the wrap cuts with. It answers exactly as TEditorAttributeArray over
// the same class string, but is made for one wrap pass (the metrics and delimiters are
// fixed when it is made) and builds no class string: Build finds only the tabs (with
// memchr) and notes their fillers, and a column's class is worked out when the cursor
// stands on it. The cut looks at a few columns of each row, so rewrapping a large text
// after a zoom step costs little more than copying it into rows.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/sjis.h"
#include "editor/model/column_classes.h"

namespace glean {

class TWrapCursor {
 public:
  TWrapCursor(const TColumnMetrics& m, const TDelimiters& delimiters)
      : metrics_(m), limit_(m.WordWrap ? size_t(m.WrapByte) + 3 : 1000) {
    for (int c = 0; c < 256; ++c) {
      uint8_t kind = delimiters[size_t(c)] ? '2' : '1';
      if (sjis::IsLeadByte(static_cast<unsigned char>(c))) kind |= kLead;
      kinds_[size_t(c)] = kind;
    }
  }

  // Lays out the columns of `text` up to the class string's limit (W + 3 with word wrap
  // on), and stands on column 1.
  void Build(std::string_view text) {
    text_ = text;
    fills_.clear();
    const char* const p = text.data();
    const size_t size = text.size(), limit = limit_;
    // The class string is built while i < size and i + fill < limit, i being the next
    // byte and fill the filler columns so far: the tabs are all that set the columns
    // apart from the bytes.
    size_t i = 0, fill = 0, end = std::min(size, limit);
    while (i < end) {
      const void* hit = std::memchr(p + i, '\t', end - i);
      if (!hit) break;
      const size_t t = size_t(static_cast<const char*>(hit) - p);
      i = t + 1;
      if (!StartsCharacter(t)) continue;  // the second byte of a pair
      const int n = int(t + fill) + 1;  // the tab's column
      const int k = TabFill(n - 1, metrics_);
      if (k > 0) {
        fills_.push_back({n + 1, k, int(t) + 1});
        fill += size_t(k);
        end = fill < limit ? std::min(size, limit - fill) : 0;
      }
    }
    // Past the last tab every character up to the limit is taken; a pair that starts
    // on the last byte below it is taken whole.
    if (i < end) {
      i = end;
      if (end < size && IsPairStart(end - 1)) ++i;
    }
    count_ = int(i + fill);
    Set(1);
  }

  void Next() {
    if (current_ != '0') Set(position_ + 1);
  }
  void Prev() {
    if (position_ > 1) Set(position_ - 1);
  }
  void MoveTo(int column) {
    if (column > position_)
      Set(std::min(column, count_ + 1));
    else if (column < position_)
      Set(std::max(column, 1));
  }
  int ColumnCount() const { return count_; }
  std::string_view CurrentChar() const { return CharAt(current_, byteIndex_); }
  std::string_view NextChar() const {
    if (current_ == '0') return {};
    const Column next = At(position_ + 1);
    return CharAt(next.cls, next.byteIndex);
  }
  void BackOneChar() {
    Prev();
    if (current_ == '4') Prev();
  }
  void ForwardOneChar() {
    Next();
    if (current_ == '4') Next();
  }

  int Position() const { return position_; }    // 1-based column
  char Current() const { return current_; }     // class at Position, '0' past the end
  int ByteIndex() const { return byteIndex_; }  // 1-based byte of the character

 private:
  static constexpr uint8_t kClassMask = 0x3F;  // '1' or '2'
  static constexpr uint8_t kLead = 0x40;

  struct Column {
    char cls;
    int byteIndex;
  };
  struct Fill {
    int first;  // column of the first filler
    int count;
    int tab;    // byte index of the tab
  };

  bool IsLead(size_t b) const { return kinds_[static_cast<unsigned char>(text_[b])] & kLead; }
  // Whether byte b begins a character. A lead byte takes the byte after it, whatever it
  // is, so the byte before a run of lead bytes (or the text's start) ends a character,
  // and the run pairs off from its first byte: b begins a character when an even number
  // of lead bytes lie just before it. The walk back stays within one row.
  bool StartsCharacter(size_t b) const {
    size_t k = 0;
    while (k < b && IsLead(b - k - 1)) ++k;
    return k % 2 == 0;
  }
  // A lead byte at the very end of the text is a byte of its own.
  bool IsPairStart(size_t b) const {
    return b + 1 < text_.size() && IsLead(b) && StartsCharacter(b);
  }

  // The class and byte index of a column from 1 to count + 1 (the end).
  Column At(int position) const {
    int byteIndex = position;
    for (const Fill& f : fills_) {
      if (position < f.first) break;
      if (position < f.first + f.count) return {'3', f.tab};  // a filler
      byteIndex -= f.count;
    }
    if (position > count_) return {'0', byteIndex};
    const size_t b = size_t(byteIndex - 1);
    if (!StartsCharacter(b)) return {'5', byteIndex};
    if (b + 1 < text_.size() && IsLead(b)) return {'4', byteIndex};
    return {char(kinds_[static_cast<unsigned char>(text_[b])] & kClassMask), byteIndex};
  }
  void Set(int position) {
    const Column c = At(position);
    position_ = position;
    current_ = c.cls;
    byteIndex_ = c.byteIndex;
  }
  std::string_view CharAt(char cls, int byteIndex) const { return CharOfClass(text_, cls, byteIndex); }

  TColumnMetrics metrics_;
  size_t limit_;
  std::array<uint8_t, 256> kinds_;  // the class of a single byte, and whether it leads
  std::vector<Fill> fills_;         // the tabs' filler runs, left to right
  std::string_view text_;
  int count_ = 0;
  int position_ = 0;
  char current_ = '0';
  int byteIndex_ = 0;
};

}  // namespace glean
