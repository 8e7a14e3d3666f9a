// What the commands on a captured line's source say and show, byte for byte.
#pragma once

namespace glean::texts {

inline constexpr char kNotFromAList[] = "この行はリストから取得した行ではありません。";
inline constexpr char kTableCopiedFormat[] = "表をコピーしました。%d行です。";
inline constexpr char kClipboardBusy[] = "クリップボードが使用中のため、コピーできませんでした。";
inline constexpr char kTableSavedFormat[] = "表を保存しました。%d行です。";
inline constexpr char kNoSource[] = "この行には元の項目がありません。";
inline constexpr char kSourceGone[] = "元の項目が見つかりません。";
inline constexpr char kMovedToFormat[] = "「%s」に移動しました。";
// The table save dialog's filter: the first kind writes Shift-JIS, the second UTF-8.
inline constexpr char kTableFilter[] = "CSV ﾌｧｲﾙ - Shift-JIS(*.csv)\0*.csv\0CSV ﾌｧｲﾙ - UTF-8(*.csv)\0*.csv\0";

}  // namespace glean::texts
