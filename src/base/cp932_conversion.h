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

// What becomes of a character the code page lacks.
enum class TMissing {
  Replace,  // its Latin base letter, nothing for a combining mark, else kMissingChar
  Drop,     // nothing: a typed character the pane cannot hold is not inserted
};

// What stands for a character the code page lacks: "〓", spelled in its bytes so that
// the fuzz target's clang, which cannot write Shift-JIS literals, builds this rule too.
inline constexpr char kMissingChar[] = "\x81\xAC";

// The base letter of a Latin letter with diacritics ('e' for U+00E9), or 0.
char LatinBaseLetter(char16_t c) noexcept;

// The most bytes FromUtf16 gives for `units` UTF-16 units.
constexpr size_t MaxCp932Bytes(size_t units) { return 2 * units; }

// Converts `text`: each character the encoder cannot take is replaced or dropped as
// `missing` says. The result is well-formed Shift-JIS and at most MaxCp932Bytes long
// whatever the encoder answers: bytes it gives beyond those are taken as a character the
// code page lacks.
std::string FromUtf16(std::u16string_view text, const Cp932Encoder& encode,
                      TMissing missing = TMissing::Replace);

}  // namespace glean::sjis
