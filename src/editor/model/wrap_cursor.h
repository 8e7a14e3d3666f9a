// The column cursor the wrap cuts with. It answers exactly as TEditorAttributeArray over
// the same class string, but is made for one wrap pass (the metrics and delimiters are
// fixed when it is made) and builds no class string: Build notes only where the
// double-byte pairs start and where the tabs' fillers lie, skipping runs of plain ASCII
// eight bytes at a time, and a column's class is worked out when the cursor stands on
// it. The cut looks at a few columns of each row, so a rewrap of a large text after a
// zoom step costs little more than reading it once.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
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
      if (c == '\t') kind |= kTab;
      kinds_[size_t(c)] = kind;
    }
    // A pair may start on the last byte below the limit.
    pairs_.resize(limit_ / 64 + 1);
  }

  // Lays out the columns of `text` up to the class string's limit (W + 3 with word wrap
  // on), and stands on column 1. Only what is not a plain single byte is written down:
  // where the double-byte pairs start and the tabs' fillers.
  void Build(std::string_view text) {
    text_ = text;
    fills_.clear();
    std::fill(pairs_.begin(), pairs_.end(), uint64_t(0));
    // Locals throughout: the compiler would otherwise read the members again after every
    // store.
    uint64_t* const pairs = pairs_.data();
    const uint8_t* const kinds = kinds_.data();
    const unsigned char* const p = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size(), limit = limit_;
    // Byte i lies on column i + fill + 1: only a tab's fillers put the columns ahead of
    // the bytes. The loop runs while i < size and the column is within the limit.
    size_t i = 0, fill = 0, end = std::min(size, limit);
    while (i < end) {
      const uint8_t kind = kinds[p[i]];
      // A lead byte with nothing after it is kept as a byte of its own. A pair may pass
      // the limit by one column.
      if ((kind & kLead) && i + 1 < size) {
        pairs[i / 64] |= uint64_t(1) << (i % 64);
        i += 2;
        continue;
      }
      ++i;
      if (kind & kTab) {
        const size_t n = i + fill;  // the tab stands on column n
        const int k = TabFill(int(n) - 1, metrics_);
        if (k > 0) {
          fills_.push_back({int(n) + 1, k, int(i)});
          fill += size_t(k);
          end = fill < limit ? std::min(size, limit - fill) : 0;
        }
      } else if (i + 8 <= size) {
        // Over the plain ASCII that follows, eight bytes at a time, to the next byte
        // that may be a lead byte or a tab.
        for (;;) {
          const size_t skip = PlainAsciiBytes(p + i);
          i += skip;
          if (skip < 8 || i >= end || i + 8 > size) break;
        }
        i = std::min(i, end);
      }
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
  static constexpr uint8_t kTab = 0x80;

  struct Column {
    char cls;
    int byteIndex;
  };
  struct Fill {
    int first;  // column of the first filler
    int count;
    int tab;    // byte index of the tab
  };

  // How many of the eight bytes at p, from the first, are plain ASCII: below 0x80 and
  // no tab.
  static size_t PlainAsciiBytes(const unsigned char* p) {
    if constexpr (std::endian::native != std::endian::little) {
      size_t n = 0;
      while (n < 8 && p[n] < 0x80 && p[n] != '\t') ++n;
      return n;
    } else {
      constexpr uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
      uint64_t w;
      std::memcpy(&w, p, 8);
      const uint64_t tabs = w ^ (kOnes * '\t');  // a zero byte where a tab is
      // The high bit of the first byte that is 0x80 or above or a tab is the lowest set:
      // a zero-byte test can be wrong only in bytes after a true zero byte.
      const uint64_t special = (w & kHigh) | ((tabs - kOnes) & ~tabs & kHigh);
      return special ? size_t(std::countr_zero(special)) / 8 : 8;
    }
  }
  bool PairAt(size_t byte) const { return pairs_[byte / 64] >> (byte % 64) & 1; }

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
    if (PairAt(b)) return {'4', byteIndex};
    if (b > 0 && PairAt(b - 1)) return {'5', byteIndex};
    return {char(kinds_[static_cast<unsigned char>(text_[b])] & kClassMask), byteIndex};
  }
  void Set(int position) {
    const Column c = At(position);
    position_ = position;
    current_ = c.cls;
    byteIndex_ = c.byteIndex;
  }
  std::string_view CharAt(char cls, int byteIndex) const {
    const size_t bi = size_t(byteIndex);
    switch (cls) {
      case '0':
        return {};
      case '5':
        return bi >= 2 && bi <= text_.size() ? text_.substr(bi - 2, 2) : std::string_view{};
      case '4':
        return bi >= 1 && bi + 1 <= text_.size() ? text_.substr(bi - 1, 2) : std::string_view{};
      default:
        return bi >= 1 && bi <= text_.size() ? text_.substr(bi - 1, 1) : std::string_view{};
    }
  }

  TColumnMetrics metrics_;
  size_t limit_;
  std::array<uint8_t, 256> kinds_;
  std::vector<uint64_t> pairs_;  // bit i: bytes i and i + 1 are one character
  std::vector<Fill> fills_;      // the tabs' filler runs, left to right
  std::string_view text_;
  int count_ = 0;
  int position_ = 0;
  char current_ = '0';
  int byteIndex_ = 0;
};

}  // namespace glean
