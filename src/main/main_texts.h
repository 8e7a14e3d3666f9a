// The main window's own texts, byte for byte.
#pragma once

namespace glean::texts {

inline constexpr char kFormFontName[] = "ＭＳ Ｐゴシック";
inline constexpr int kFormFontPixels = 15;
inline constexpr char kWindowListColumn[] = "ウィンドウ名";
inline constexpr char kSearchAgainCaption[] = "ｳｨﾝﾄﾞｳ再検索(&R)";
inline constexpr char kWindowListHint[] = "現在起動中のウィンドウのリストです";
inline constexpr char kDataHint[] = "指定されたウィンドウ上の文字列をリストアップします";

inline constexpr char kWelcomeStart[] = "グリーナへようこそ。";
inline constexpr char kWelcomeEnd[] = "個のウィンドウリストを取得しています。方向キーでデータに移動して下さい。";
inline constexpr char kAccessed[] = "にアクセスしました。";
inline constexpr char kTabToData[] = "Tabキーでデータにアクセスして下さい。";

}  // namespace glean::texts
