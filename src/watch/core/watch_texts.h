// What the watch says and shows, byte for byte.
#pragma once

#include <string>

namespace glean::watch {

inline constexpr char kSentenceEnd[] = "。";
inline constexpr char kMoreLinesStart[] = "ほか";
inline constexpr char kMoreLinesEnd[] = "行";

inline std::string Quoted(const std::string& title) { return "「" + title + "」"; }
inline std::string WatchStarted(const std::string& title) { return Quoted(title) + "の変化を読み上げます。"; }
inline constexpr char kWatchEnded[] = "変化の読み上げを終了しました。";
inline std::string WatchStatus(const std::string& title) { return "変化を読み上げ中：" + title; }
// The pane was edited since the capture: it stays as it is, only the speech goes on.
inline std::string WatchStatusPaneKept(const std::string& title) {
  return WatchStatus(title) + "（編集されたため、表示は更新しません）";
}
inline std::string WatchClosed(const std::string& title) {
  return Quoted(title) + "が閉じられたため、変化の読み上げを終了しました。";
}
inline std::string WatchNotResponding(const std::string& title) { return Quoted(title) + "が応答しません。"; }
// Asked to watch before anything was captured.
inline constexpr char kNothingToWatch[] = "変化を読み上げるウィンドウがありません。先にウィンドウを取得して下さい。";

}  // namespace glean::watch
