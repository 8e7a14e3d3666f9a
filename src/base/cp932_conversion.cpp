#include "base/cp932_conversion.h"

#include "base/sjis.h"

namespace glean::sjis {

namespace {
// Canonical decompositions whose first part is an ASCII letter and the rest combining
// marks, by code point; '.' where there is none.
constexpr char16_t kLatinFirst = 0x00C0;
constexpr std::string_view kLatinBases =
    "AAAAAA.CEEEEIIII.NOOOOO..UUUUY..aaaaaa.ceeeeiiii.nooooo..uuuuy.y"
    "AaAaAaCcCcCcCcDd..EeEeEeEeEeGgGgGgGgHh..IiIiIiIiI...JjKk.LlLlLl."
    "...NnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTt..UuUuUuUuUuUuWwYyYZzZzZz."
    "................................Oo.............Uu..............."
    ".............AaIiOoUuUuUuUuUu.AaAa....GgKkOoOo..j...Gg..NnAa...."
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt..Hh......AaEeOoOoOoOoYy............"
    "................";
constexpr char16_t kLatinAdditionalFirst = 0x1E00;
constexpr std::string_view kLatinAdditionalBases =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
    "WwWwWwWwWwXxXxYyZzZzZzhtwy......AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy......";

char BaseIn(std::string_view table, char16_t first, char16_t c) {
  if (c < first || static_cast<size_t>(c - first) >= table.size()) return 0;
  char base = table[c - first];
  return base == '.' ? 0 : base;
}

bool IsCombiningMark(char16_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

char LatinBaseLetter(char16_t c) noexcept {
  if (char base = BaseIn(kLatinBases, kLatinFirst, c)) return base;
  return BaseIn(kLatinAdditionalBases, kLatinAdditionalFirst, c);
}

// The encoder's answer for `units`, kept only when it is Shift-JIS within the bound (the
// system's code page 932 maps U+0080 to 0x80 and a few private-use characters to 0xA0
// and 0xFD-0xFF, which no Shift-JIS reader takes as a character).
static bool Encode(std::u16string_view units, const Cp932Encoder& encode, std::string& out) {
  const size_t before = out.size();
  if (!encode(units, out)) return false;
  const std::string_view added = std::string_view(out).substr(before);
  if (added.size() <= MaxCp932Bytes(units.size()) && sjis::IsWellFormed(added)) return true;
  out.resize(before);
  return false;
}

std::string FromUtf16(std::u16string_view text, const Cp932Encoder& encode, TMissing missing) {
  std::string out;
  // Almost every text converts whole; only one that does not is taken apart.
  if (text.empty() || Encode(text, encode, out)) return out;
  for (size_t i = 0; i < text.size();) {
    size_t n = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
    const char16_t c = text[i];
    if (!Encode(text.substr(i, n), encode, out) && missing == TMissing::Replace) {
      if (char base = n == 1 ? LatinBaseLetter(c) : 0)
        out += base;
      else if (n == 2 || !IsCombiningMark(c))
        out += kMissingChar;
    }
    i += n;
  }
  return out;
}

}  // namespace glean::sjis
