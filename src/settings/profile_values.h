// The value forms of Glean.ini: integers in decimal, read with an optional sign and the
// "0x"/"0X" or "$" hexadecimal prefixes; booleans as integers, any non-zero is true.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glean {

// Nothing when `text` is not a valid 32-bit integer. Leading blanks are allowed. A
// hexadecimal value is a 32-bit pattern ("$FFFFFFFF" is -1).
std::optional<int32_t> ParseProfileInt(std::string_view text);

inline int ProfileIntOr(std::string_view text, int fallback) {
  return ParseProfileInt(text).value_or(fallback);
}
inline bool ProfileBoolOr(std::string_view text, bool fallback) {
  return ProfileIntOr(text, fallback ? 1 : 0) != 0;
}

inline std::string FormatProfileInt(int value) { return std::to_string(value); }
inline std::string FormatProfileBool(bool value) { return value ? "1" : "0"; }

// "no_access[" index "]".
std::string NoAccessKey(int index);

}  // namespace glean
