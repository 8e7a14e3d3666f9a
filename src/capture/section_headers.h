// The header lines of a capture and its fixed messages, byte for byte.
#pragma once

namespace glean::capture {

inline constexpr char kTitleHeader[] = "∇ ｳｨﾝﾄﾞｳ ﾀｲﾄﾙ ∇";
inline constexpr char kMenuHeader[] = "∇ ﾒﾆｭｰ項目 ∇";
inline constexpr char kListItemHeader[] = "∇ ﾘｽﾄ項目 ∇";
inline constexpr char kSelectedListItemsHeader[] = "∇ 選択されたﾘｽﾄ項目 ∇";
inline constexpr char kEditHeader[] = "∇ ｴﾃﾞｨｯﾄﾃｷｽﾄ ∇";
inline constexpr char kComboHeader[] = "∇ ｺﾝﾎﾞﾎﾞｯｸｽ ∇";
inline constexpr char kStaticHeader[] = "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇";
inline constexpr char kListViewInViewHeader[] = "∇ 見えているリストビュー項目 ∇";
inline constexpr char kListViewSelectedHeader[] = "∇ 選択されたﾘｽﾄﾋﾞｭｰ項目 ∇";
inline constexpr char kListViewFirstRowHeader[] = "∇ ﾘｽﾄﾋﾞｭｰ項目 ∇";
inline constexpr char kTreeViewHeader[] = "∇ 見えているﾂﾘｰﾋﾞｭｰ項目 ∇";
inline constexpr char kListViewAllHeader[] = "∇ ﾘｽﾄﾋﾞｭｰ項目 ∇";
inline constexpr char kTreeViewAllHeader[] = "∇ ﾂﾘｰﾋﾞｭｰ項目 ∇";
inline constexpr char kTreeLevelIndent[] = "　";
inline constexpr char kStatusBarHeader[] = "∇ ｽﾃｰﾀｽﾊﾞｰ ∇";
inline constexpr char kToolBarHeader[] = "∇ ﾂｰﾙﾊﾞｰ ∇";
inline constexpr char kAccessibleHeader[] = "∇ ｱｸｾｼﾋﾞﾘﾃｨ項目 ∇";

inline constexpr char kNothingReadable[] = "読み込み可能な文字データがありません。";
inline constexpr char kWindowNotFound[] = "Error: 指定されたウィンドウが見つかりません。‡";
inline constexpr char kWindowNotResponding[] = "Error: 指定されたウィンドウが応答しません。‡";
// A control cut at `limit` items; "%d" is the limit.
inline constexpr char kTooManyItemsFormat[] = "Error: 項目が多すぎるため、最初の%d項目を取得しました。‡";
inline constexpr char kTextTooLong[] = "Error: テキストが長すぎるため、途中までを取得しました。‡";
inline constexpr char kCaptureStopped[] = "Error: 取得を中止しました。‡";
// A control that could not be read ends with the system's reason between these.
inline constexpr char kErrorLineStart[] = "Error: ";
inline constexpr char kErrorLineEnd[] = "‡";
// An accessibility tree cut at its bounds (objects, depth or time).
inline constexpr char kTooManyItems[] = "Error: 項目が多すぎるため、途中までを取得しました。‡";
inline constexpr char kDesktopTitle[] = "ﾃﾞｽｸﾄｯﾌﾟ";
inline constexpr char kDesktopFolderName[] = "ﾃﾞｽｸﾄｯﾌﾟ";

inline constexpr char kListViewProgress[] = "データを取得中...お待ち下さい：";
inline constexpr char kListViewFallbackProgress[] = "データを読み込んでいます...";

}  // namespace glean::capture
