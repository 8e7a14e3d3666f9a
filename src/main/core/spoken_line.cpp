#include "main/core/spoken_line.h"

namespace glean {

std::string SpokenLine(std::string text, int line, int lineCount) {
  if (text.find("\r\n") != std::string::npos) text += kLineBreakSpoken;
  if (line == 0 && lineCount > 1)
    text = kDataStartSpoken + text;
  else if (line == lineCount - 1)
    text += kDataEndSpoken;
  if (text.empty()) text = kEmptyLineSpoken;
  return text;
}

}  // namespace glean
