// UTF-16 to code page 932, the one rule: whatever the text and whatever the encoder
// answers, the result is well-formed Shift-JIS within the promised bound; a text the
// encoder takes whole comes back exactly as the encoder gave it.
#include <iconv.h>

#include <string>

#include "base/cp932_conversion.h"
#include "fuzz_editor.h"

using namespace glean;
using namespace glean::fuzz;

namespace {
// The system's code page 932 as glibc knows it: all or nothing for a run.
bool SystemEncoder(std::u16string_view units, std::string& out) {
  static iconv_t cd = iconv_open("CP932", "UTF-16LE");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string bytes(units.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(reinterpret_cast<const char*>(units.data()));
  char* to = bytes.data();
  size_t inLeft = units.size() * 2, outLeft = bytes.size();
  if (iconv(cd, &in, &inLeft, &to, &outLeft) == size_t(-1) || inLeft != 0) return false;
  out.append(bytes.data(), bytes.size() - outLeft);
  return true;
}

// Shift-JIS as a reader takes it, written apart from the code under test.
bool WellFormed(const std::string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c <= 0x7F || (c >= 0xA1 && c <= 0xDF)) continue;
    if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) || i + 1 >= s.size()) return false;
    const unsigned char t = static_cast<unsigned char>(s[++i]);
    if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t mode = in.Byte();
  const sjis::TMissing missing = mode & 1 ? sjis::TMissing::Drop : sjis::TMissing::Replace;
  // Units from pairs of bytes; mode bits pick a plane now and then so that Latin,
  // Japanese and surrogates turn up more often than chance gives them.
  std::u16string text;
  const std::string raw = in.Bytes(in.Int(0, 1024));
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    char16_t u = char16_t(uint8_t(raw[i]) | uint8_t(raw[i + 1]) << 8);
    switch (uint8_t(raw[i]) % 5) {
      case 0: u = char16_t(u & 0x01FF); break;           // ASCII and Latin
      case 1: u = char16_t(0x3000 | (u & 0x0FFF)); break;  // kana, punctuation
      case 2: u = char16_t(0xD800 | (u & 0x07FF)); break;  // surrogates, paired or not
      default: break;
    }
    text.push_back(u);
  }
  // An encoder that answers anything at all: the rule must still keep its promise.
  const std::string wild = in.Rest();
  size_t wildAt = 0;
  auto encoder = [&](std::u16string_view units, std::string& out) {
    if (!(mode & 2)) return SystemEncoder(units, out);
    if (wildAt >= wild.size()) return SystemEncoder(units, out);
    const size_t n = uint8_t(wild[wildAt]) % 6;
    if (n == 5) return (++wildAt, false);
    out += wild.substr(wildAt + 1, n);
    wildAt += n + 1;
    return true;
  };
  const std::string got = sjis::FromUtf16(text, encoder, missing);
  FUZZ_CHECK(got.size() <= sjis::MaxCp932Bytes(text.size()), "within the promised bound");
  FUZZ_CHECK(WellFormed(got), "well-formed Shift-JIS");
  if (!(mode & 2)) {
    std::string whole;
    if (SystemEncoder(text, whole) && WellFormed(whole))
      FUZZ_CHECK(got == whole, "a text the code page holds comes back as the encoder gave it");
  }
  return 0;
}
