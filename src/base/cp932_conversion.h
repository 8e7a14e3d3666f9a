// UTF-16 to code page 932 without "?": the one rule for every text Glean takes in as
// UTF-16. The code page itself is asked through an encoder, so the rule runs anywhere.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace glean::sjis {

// Appends `units` in code page 932 to `out` and answers true, or answers false and leaves
// `out` as it was when the code page lacks any of them.
using Cp932Encoder = std::function<bool(std::u16string_view units, std::string& out)>;

// What stands for a character the code page lacks.
inline constexpr char kMissingChar[] = "〓";

// The base letter of a Latin letter with diacritics ('e' for U+00E9), or 0.
char LatinBaseLetter(char16_t c) noexcept;

// Converts `text`: each character the encoder cannot take becomes its Latin base letter,
// disappears when it is a combining mark, or else becomes kMissingChar.
std::string FromUtf16(std::u16string_view text, const Cp932Encoder& encode);

}  // namespace glean::sjis
