#pragma once
// Generated long texts for the buffer-limit scenario; tests rebuild the same text to
// know what a reader should have kept.
#include <cstddef>
#include <string>
#include <string_view>

namespace sample_app {

// `head`, then "あいうえお0123456789" (20 bytes of Shift-JIS) repeated, cut to exactly
// `bytes` bytes. A lead byte that the cut leaves without its trail byte becomes '.', so
// the text is always valid Shift-JIS.
inline std::string LongText(std::string_view head, std::size_t bytes) {
  static constexpr std::string_view unit = "あいうえお0123456789";
  std::string text(head.substr(0, bytes));
  while (text.size() < bytes) text.append(unit.substr(0, bytes - text.size()));
  // Walk the characters to find a lead byte left without its trail byte.
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    if (lead && i + 1 == text.size()) {
      text[i] = '.';
      break;
    }
    i += lead ? 2 : 1;
  }
  return text;
}

// About `bytes` bytes of Japanese text in lines of LongText("第<n>行", 78) ended by CR LF,
// as a log or a licence holds it (an edit field wraps lines this short quickly).
inline std::string LinedText(std::size_t bytes) {
  std::string text;
  for (int n = 0; text.size() < bytes; ++n)
    text += LongText("第" + std::to_string(n) + "行", 78) + "\r\n";
  return text;
}

}  // namespace sample_app
