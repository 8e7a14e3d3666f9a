// What Glean says through the clipboard as the focus moves and things happen, byte for
// byte.
#pragma once

namespace glean::texts {

inline constexpr char kSrchBtnSpoken[] = "ｳｨﾝﾄﾞｳ検索のプッシュボタン";
inline constexpr char kCopyBtnSpoken[] = "コピーのプッシュボタン";
inline constexpr char kSaveBtnSpoken[] = "ﾌｧｲﾙに保存のプッシュボタン";
inline constexpr char kExitBtnSpoken[] = "終了のプッシュボタン";
inline constexpr char kAlwsFrgrndOnSpoken[] = "常に手前に表示のチェックボックス チェック";
inline constexpr char kAlwsFrgrndOffSpoken[] = "常に手前に表示のチェックボックス チェックなし";
inline constexpr char kAutoBtnOnSpoken[] = "自動再検索のチェックボックス チェック";
inline constexpr char kAutoBtnOffSpoken[] = "自動再検索のチェックボックス チェックなし";
inline constexpr char kDataSpoken[] = "取得データ";
inline constexpr char kSpeechOnSpoken[] = "クリップボードへのデータ送信が有効になりました。";
inline constexpr char kSpeechOffSpoken[] = "クリップボードへのデータ送信が無効になりました。";

// The status bar over the pane, and the popup's link item.
inline constexpr char kWebLinkCaption[] = "このＵＲＬを開く(&L)";
inline constexpr char kMailLinkCaption[] = "このアドレスにメールを書く(&L)";
inline constexpr char kWebLinkStatus[] = "ダブルクリックするとブラウザを起動します。";
inline constexpr char kMailLinkStatus[] = "ダブルクリックするとこのアドレス宛にメールを作成します。";

}  // namespace glean::texts
