// How a screen row ends, the colouring parser's per-row state, and the token kinds the
// parsers produce: the vocabulary shared by the row lists, the wrap and the fountains.
#pragma once

#include <cstdint>
#include <string>

namespace glean {

// Stored in two bits of a row's first attribute word.
enum class TRowAttribute : uint8_t {
  LineBreak = 0,  // a CR LF follows the row in the text
  Wrapped = 1,    // the logical line goes on in the next row
  EndOfText = 2,  // last row of a text that does not end with a line break
  Invalid = 3,    // never stored: the answer for a row that does not exist
};

enum class TokenKind : uint8_t {
  End = 0,
  Symbol = 1,
  Integer = 3,
  Float = 4,
  Bracket = 6,
  Comment = 7,
  Reserve = 8,
  Tab = 9,
  AnkWord = 11,
  DbSymbol = 12,
  DbDigit = 14,
  DbAlpha = 15,
  Hiragana = 16,
  Katakana = 17,
  Kanji = 18,
  KanaSymbol = 19,
  Kana = 20,
  Url = 21,
  Mail = 22,
  HexNumber = 23,
  SingleQuoted = 24,
  DoubleQuoted = 25,
  Quoted = 26,
  ControlCode = 27,
  HexControlCode = 28,
};

// A set of token kinds (every kind is below 32).
using TokenKinds = uint32_t;
constexpr TokenKinds KindBit(TokenKind k) { return TokenKinds{1} << static_cast<unsigned>(k); }
constexpr bool KindIn(TokenKind k, TokenKinds set) { return (set & KindBit(k)) != 0; }

// The parser state at the start of a row, unpacked. A default record is the state at the
// start of a text: no bracket region open, nothing carried over.
struct TRowAttributeData {
  TRowAttribute RowAttribute = TRowAttribute::LineBreak;
  TRowAttribute PrevRowAttribute = TRowAttribute::LineBreak;
  int32_t BracketIndex = -1;  // -2 not parsed, -1 none open, 0..13 open bracket item
  int32_t StateSlot1 = 0;
  int32_t ContinuedLength = 0;
  int32_t StateSlot2 = 0;
  TokenKind ContinuedKind = TokenKind::End;
  uint8_t StateSlot3 = 0;
  std::string RowString;
};

}  // namespace glean
