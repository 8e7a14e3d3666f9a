#pragma once
// The "ticker" scenarios: a window whose texts change as a program's progress, log or
// status line does, for the watch tests. Some changes raise window events as Windows'
// own controls do (the counter's name, the log's value); the others raise nothing, as
// status bars, list boxes and custom controls often do.
#include <windows.h>

namespace sample_app {

namespace ticker {
inline constexpr int kCount = 2601;   // static: "カウント n" (raises a name change)
inline constexpr int kNews = 2602;    // list box: "お知らせ n" put at the top (raises nothing)
inline constexpr int kFixed = 2603;   // static that never changes, made after the log
inline constexpr int kLog = 2604;     // multi-line edit: "ログ n" appended (raises a value change)
inline constexpr int kRows = 2605;    // list view: row 1's second cell "処理中 n" (raises nothing)
inline constexpr int kStatus = 2606;  // status bar: "進行 p%" (raises nothing)
inline constexpr char kFixedText[] = "ここは変わらない行です";

// Posted to the window: one step. wParam chooses what changes (the bits below; 0: as the
// automatic tick does). Without automatic ticks ("tickerstep") only these change it.
inline constexpr UINT kStepMessage = WM_APP + 40;
inline constexpr WPARAM kStepCount = 1, kStepNews = 2, kStepLog = 4, kStepRows = 8, kStepStatus = 16;
// Posted to the window: stop answering for wParam milliseconds, once.
inline constexpr UINT kHangMessage = WM_APP + 41;
// "tickerhang": the hang of the automatic scenario, after this many milliseconds.
inline constexpr int kHangAfterMs = 3000;
inline constexpr int kHangMs = 5000;
// "tickerbig": an unchanging edit of this many lines (the watch's benchmark).
inline constexpr int kBigLines = 5000;
}  // namespace ticker

struct TickerMode {
  bool active = false;
  int tick_ms = 0;          // 0: only posted steps
  int hang_after_ms = -1;   // -1: no hang of its own
};

// Starts the ticks (and the one hang) of a ticker window.
void StartTicker(HWND window, const TickerMode& mode);
// The ticker's messages; false for any other.
bool TickerMessage(HWND window, UINT message, WPARAM wparam, LRESULT& result);

}  // namespace sample_app
