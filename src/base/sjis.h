// Shift-JIS (code page 932) byte tests and character stepping. Every scanner and cursor
// steps over a lead byte and its trail byte together through these functions.
#pragma once

#include <cstddef>
#include <string_view>

namespace glean::sjis {

// 0x81-0x9F and 0xE0-0xFC begin a double-byte character.
constexpr bool IsLeadByte(unsigned char c) noexcept {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsLeadByte(char c) noexcept { return IsLeadByte(static_cast<unsigned char>(c)); }

// Length in bytes of the character starting at `pos`: 2 for a lead byte followed by a
// byte, 1 otherwise (a lone lead byte at the very end counts as one byte).
size_t CharLength(std::string_view s, size_t pos) noexcept;

// Start of the character after the one at `pos` (never beyond s.size()).
size_t NextCharPos(std::string_view s, size_t pos) noexcept;

// Start of the character before `pos`, scanning from the start of `s` so that a trail
// byte that looks like a lead byte is never mistaken for one.
size_t PrevCharPos(std::string_view s, size_t pos) noexcept;

// True when `pos` is the second byte of a double-byte character.
bool IsTrailPosition(std::string_view s, size_t pos) noexcept;

// True when every byte is a character of code page 932: ASCII, half-width katakana
// (0xA1-0xDF), or a lead byte with a trail byte (0x40-0x7E, 0x80-0xFC).
bool IsWellFormed(std::string_view s) noexcept;

// The largest character boundary at or below `pos`.
size_t CharBoundaryAtOrBefore(std::string_view s, size_t pos) noexcept;

}  // namespace glean::sjis
