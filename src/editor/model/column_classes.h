// The wrap works on one class character per display column of a row's text:
//   '1' single-byte non-delimiter, '2' single-byte delimiter (a tab is one),
//   '3' filler column of a tab, '4' lead byte, '5' trail byte of a double-byte character.
// TEditorAttributeArray is the column cursor over a text and its classes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <string_view>

#include "editor/model/attached_editor.h"

namespace glean {

struct TColumnMetrics {
  int TabSpaceCount = 8;  // T
  int WrapByte = 80;      // W
  bool WordWrap = false;
};

// Builds the class string of `text`, stopping once it is W + 3 long (word wrap on) or
// 1000 long (off). A tab fills to the next tab stop and, with word wrap on, never past
// the end of a row.
std::string BuildColumnClasses(std::string_view text, const TColumnMetrics& m,
                               const TDelimiters& delimiters);
// The same into an existing string (its storage is reused).
void BuildColumnClassesInto(std::string& classes, std::string_view text,
                            const TColumnMetrics& m, const TDelimiters& delimiters);

// Filler columns after a tab in row column `column` (0-based): to the next tab stop and,
// with word wrap on, never past the end of a row.
int TabFill(int column, const TColumnMetrics& m);

// The character of `text` that a column of class `cls` belongs to, whose byte index
// (1-based, as the class walk counts) is `byteIndex`; empty past the end.
std::string_view CharOfClass(std::string_view text, char cls, int byteIndex);

// Display width of a row text: tabs expanded as the class string expands them, a
// double-byte character 2 columns.
int DisplayWidth(std::string_view text, const TColumnMetrics& m);

// True when the one- or two-byte `ch` equals a character of `set` (walked character by
// character); an empty `ch` is in no set.
bool IsIn(std::string_view ch, std::string_view set);

// IsIn over one set, prepared once: the wrap asks it for every cut.
class TCharSet {
 public:
  explicit TCharSet(std::string_view set);
  bool Contains(std::string_view ch) const;

 private:
  std::bitset<256> single_;
  std::vector<uint16_t> doubles_;  // sorted lead << 8 | trail
};

class TEditorAttributeArray {
 public:
  void Init(std::string_view text, std::string classes);
  // Init with the class string of `text` built in place.
  void Build(std::string_view text, const TColumnMetrics& m, const TDelimiters& delimiters);
  void Next();
  void Prev();
  void MoveTo(int column);
  int ColumnCount() const { return static_cast<int>(classes_.size()) - 1; }
  std::string_view CurrentChar() const;
  std::string_view NextChar();
  void BackOneChar();
  void ForwardOneChar();

  int Position() const { return position_; }  // 1-based column, 0 before the first
  char Current() const { return current_; }   // class at Position, '0' past the end
  int ByteIndex() const { return byteIndex_; }  // 1-based byte of the character

 private:
  char ClassAt(int position) const { return classes_[static_cast<size_t>(position - 1)]; }

  std::string_view text_;
  std::string classes_;  // with the '0' sentinel
  int position_ = 0;
  char current_ = '0';
  int byteIndex_ = 0;
};

}  // namespace glean
