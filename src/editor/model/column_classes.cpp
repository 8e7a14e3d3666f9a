#include "editor/model/column_classes.h"

#include <algorithm>

#include "base/sjis.h"

namespace glean {

const TDelimiters& DefaultDelimiters() {
  static const TDelimiters set = [] {
    TDelimiters d;
    auto range = [&d](int lo, int hi) {
      for (int c = lo; c <= hi; ++c) d.set(static_cast<size_t>(c));
    };
    range(0x00, 0x2F);
    range(0x3A, 0x40);
    range(0x5B, 0x5E);
    range(0x60, 0x60);
    range(0x7B, 0x80);
    range(0xA0, 0xA5);
    range(0xFD, 0xFF);
    return d;
  }();
  return set;
}

int TabFill(int column, const TColumnMetrics& m) {
  int t = std::max(m.TabSpaceCount, 1);
  int n = t - column % t - 1;
  if (m.WordWrap) n = std::min(n, m.WrapByte - column % m.WrapByte - 1);
  return n;
}

void BuildColumnClassesInto(std::string& classes, std::string_view text,
                            const TColumnMetrics& m, const TDelimiters& delimiters) {
  const size_t limit = m.WordWrap ? static_cast<size_t>(m.WrapByte) + 3 : 1000;
  // A byte makes at most `widest` columns (a tab, or a double-byte pair); the last one
  // may pass the limit.
  const size_t widest = size_t(std::max(m.TabSpaceCount, 2));
  const size_t room = std::min(text.size() * widest, limit) + widest + 1;
  classes.resize(room);
  char* out = classes.data();
  size_t n = 0, i = 0;
  const size_t size = text.size();
  while (i < size && n < limit) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    // A lead byte with nothing after it is kept as a byte of its own: no row may end
    // half-way through a character that is not there.
    if (sjis::IsLeadByte(c) && i + 1 < size) {
      out[n++] = '4';
      out[n++] = '5';
      i += 2;
      continue;
    }
    out[n++] = delimiters[c] ? '2' : '1';
    if (c == '\t') {
      int fill = TabFill(int(n) - 1, m);
      for (int k = 0; k < fill; ++k) out[n++] = '3';
    }
    ++i;
  }
  classes.resize(n);
}

std::string BuildColumnClasses(std::string_view text, const TColumnMetrics& m,
                               const TDelimiters& delimiters) {
  std::string classes;
  BuildColumnClassesInto(classes, text, m, delimiters);
  return classes;
}

int DisplayWidth(std::string_view text, const TColumnMetrics& m) {
  if (text.find('\t') == std::string_view::npos) return static_cast<int>(text.size());
  int width = 0;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (sjis::IsLeadByte(c) && i + 1 < text.size()) {
      width += 2;
      i += 2;
    } else {
      width += c == '\t' ? TabFill(width, m) + 1 : 1;
      ++i;
    }
  }
  return width;
}

bool IsIn(std::string_view ch, std::string_view set) {
  if (ch.empty()) return false;
  for (size_t i = 0; i < set.size();) {
    size_t len = sjis::CharLength(set, i);
    if (set.substr(i, len) == ch) return true;
    i += len;
  }
  return false;
}

TCharSet::TCharSet(std::string_view set) {
  for (size_t i = 0; i < set.size();) {
    size_t len = sjis::CharLength(set, i);
    if (len == 1)
      single_.set(static_cast<unsigned char>(set[i]));
    else
      doubles_.push_back(uint16_t(static_cast<unsigned char>(set[i]) << 8 |
                                  static_cast<unsigned char>(set[i + 1])));
    i += len;
  }
  std::sort(doubles_.begin(), doubles_.end());
}

bool TCharSet::Contains(std::string_view ch) const {
  if (ch.size() == 1) return single_.test(static_cast<unsigned char>(ch[0]));
  if (ch.size() != 2) return false;
  uint16_t key = uint16_t(static_cast<unsigned char>(ch[0]) << 8 | static_cast<unsigned char>(ch[1]));
  return std::binary_search(doubles_.begin(), doubles_.end(), key);
}

// ---------------------------------------------------------------------------------------

void TEditorAttributeArray::Init(std::string_view text, std::string classes) {
  text_ = text;
  classes_ = std::move(classes);
  classes_ += '0';
  position_ = 0;
  byteIndex_ = 0;
  current_ = ' ';
  Next();
}

void TEditorAttributeArray::Build(std::string_view text, const TColumnMetrics& m,
                                  const TDelimiters& delimiters) {
  text_ = text;
  BuildColumnClassesInto(classes_, text, m, delimiters);
  classes_ += '0';
  position_ = 0;
  byteIndex_ = 0;
  current_ = ' ';
  Next();
}

void TEditorAttributeArray::Next() {
  if (current_ == '0') return;
  ++position_;
  current_ = ClassAt(position_);
  if (current_ != '3') ++byteIndex_;
}

void TEditorAttributeArray::Prev() {
  if (position_ <= 1) return;
  char left = current_;
  --position_;
  current_ = ClassAt(position_);
  if (left != '3') --byteIndex_;
}

void TEditorAttributeArray::MoveTo(int column) {
  while (current_ != '0' && position_ < column) Next();
  while (position_ > 1 && position_ > column) Prev();
}

std::string_view CharOfClass(std::string_view text, char cls, int byteIndex) {
  const size_t bi = static_cast<size_t>(byteIndex);
  switch (cls) {
    case '0':
      return {};
    case '5':
      return bi >= 2 && bi <= text.size() ? text.substr(bi - 2, 2) : std::string_view{};
    case '4':
      return bi >= 1 && bi + 1 <= text.size() ? text.substr(bi - 1, 2) : std::string_view{};
    default:
      return bi >= 1 && bi <= text.size() ? text.substr(bi - 1, 1) : std::string_view{};
  }
}

std::string_view TEditorAttributeArray::CurrentChar() const { return CharOfClass(text_, current_, byteIndex_); }

std::string_view TEditorAttributeArray::NextChar() {
  int position = position_;
  Next();
  std::string_view ch = CurrentChar();
  if (position_ != position) Prev();
  return ch;
}

void TEditorAttributeArray::BackOneChar() {
  Prev();
  if (current_ == '4') Prev();
}

void TEditorAttributeArray::ForwardOneChar() {
  Next();
  if (current_ == '4') Next();
}

}  // namespace glean
