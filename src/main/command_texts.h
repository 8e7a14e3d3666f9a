// The texts of the main window's commands, byte for byte.
#pragma once

#include "glean_version.h"

namespace glean::texts {

inline constexpr char kNothingToSave[] = "コピーすべき文字列データがありません。";
// The save dialog's filter: pairs of description and pattern, each ended by a zero byte,
// the whole by a second one.
inline constexpr char kSaveFilter[] = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)\0*.txt\0すべてのﾌｧｲﾙ(*.*)\0*.*\0";

inline constexpr char kUndoCaption[] = "元に戻す(&U)";
inline constexpr char kRedoCaption[] = "繰り返し(&R)";
inline constexpr char kImeOnCaption[] = "日本語入力 - オン(&O)";
inline constexpr char kImeOffCaption[] = "日本語入力 - オフ(&L)";

inline constexpr char kCompactOn[] = "コンパクトモードに切り替えました。";
inline constexpr char kCompactOff[] = "通常モードに切り替えました。";

inline constexpr char kReadmeFile[] = "Readme.txt";
inline constexpr char kReadmeMissing1[] = "Readme.txt が見つかりません。";
inline constexpr char kReadmeMissing2[] = "削除されたか、移動またはリネームされた可能性があります。";
// The product's own page; the help menu opens it in the user's browser.
inline constexpr char kProductPage[] = "https://glean.example.org/";

inline constexpr char kVersionCaption[] = "バージョン情報";
inline constexpr char kVersionLine[] = "Version " GLEAN_VERSION_SHORT;
inline constexpr char kVersionNote[] = "ウィンドウの文字を集めて読み上げやすくします";

}  // namespace glean::texts
