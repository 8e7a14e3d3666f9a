// What the screen reader hears for one line of the captured text as the caret moves
// over it: the line, its opening or closing phrase, or "空行" for an empty one.
#pragma once

#include <string>

namespace glean {

inline constexpr char kLineBreakSpoken[] = "改行";
inline constexpr char kDataStartSpoken[] = "取得データを開始します　　";
inline constexpr char kDataEndSpoken[] = "　以上で取得データ終わり　";
inline constexpr char kEmptyLineSpoken[] = "空行";

// `text` is line `line` of `lineCount` lines (line < lineCount).
std::string SpokenLine(std::string text, int line, int lineCount);

}  // namespace glean
