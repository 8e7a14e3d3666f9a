// The ticker: texts that change on a timer or on posted steps, and a hang once.
#include "../ticker.h"

#include <commctrl.h>

#include <string>

#include "../long_text.h"
#include "../sample_ids.h"
#include "scenarios.h"

namespace sample_app {

namespace {
constexpr UINT_PTR kTickTimer = 41;
constexpr UINT_PTR kHangTimer = 42;

int ticks = 0;

void Step(HWND window, WPARAM what) {
  using namespace ticker;
  ++ticks;
  const std::string n = std::to_string(ticks);
  if (what == 0) {
    what = kStepCount | kStepStatus | kStepRows;
    if (ticks % 3 == 0) what |= kStepNews;
    if (ticks % 2 == 0) what |= kStepLog;
  }
  if (what & kStepCount) {
    HWND label = GetDlgItem(window, kCount);
    SetWindowTextA(label, ("カウント " + n).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_WINDOW, CHILDID_SELF);
  }
  if (what & kStepNews)
    SendDlgItemMessageA(window, kNews, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(("お知らせ " + n).c_str()));
  if (what & kStepLog) {
    HWND log = GetDlgItem(window, kLog);
    const LRESULT end = SendMessageA(log, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(log, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(("\r\nログ " + n).c_str()));
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, log, OBJID_CLIENT, CHILDID_SELF);
  }
  if (what & kStepRows) {
    std::string text = "処理中 " + n;
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text.data();
    SendDlgItemMessageA(window, kRows, LVM_SETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item));
  }
  if (what & kStepStatus) {
    const std::string text = "進行 " + std::to_string(ticks * 7 % 101) + "%";
    SendDlgItemMessageA(window, kStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void Hang(DWORD ms) { Sleep(ms); }
}  // namespace

std::vector<WindowEntry> TickerWindow(const std::string& title, TickerMode mode) {
  using namespace ticker;
  WindowEntry window{title, kWindowLeft, kWindowTop, {},
                     {{.kind = Kind::Label, .id = kCount, .rect = {10, 10, 300, 20}, .text = "カウント 0"},
                      {.kind = Kind::ListBox, .id = kNews, .rect = {10, 40, 300, 200},
                       .content = ListItems{{"お知らせ 0"}, {}}},
                      {.kind = Kind::MultiEdit, .id = kLog, .rect = {320, 10, 400, 230}, .text = "ログ 0"},
                      {.kind = Kind::Label, .id = kFixed, .rect = {10, 250, 300, 20}, .text = kFixedText},
                      {.kind = Kind::ListView, .id = kRows, .rect = {320, 250, 400, 120},
                       .content = ListViewData{{{"項目", 150}, {"状態", 150}},
                                               {{"受信", "完了"}, {"送信", "待機"}}}},
                      {.kind = Kind::StatusBar, .id = kStatus, .rect = {},
                       .content = StatusData{{{200, "進行 0%"}, {-1, "準備完了"}}}}}};
  window.ticker = mode;
  return {window};
}

std::vector<WindowEntry> Ticker(const std::string& title) { return TickerWindow(title, {true, 1000, -1}); }
std::vector<WindowEntry> TickerStep(const std::string& title) { return TickerWindow(title, {true, 0, -1}); }
std::vector<WindowEntry> TickerHang(const std::string& title) {
  return TickerWindow(title, {true, 1000, ticker::kHangAfterMs});
}

// For the watch's benchmark: a window of 5,000 lines that never changes.
std::vector<WindowEntry> TickerBig(const std::string& title) {
  std::string text;
  for (int n = 0; n < ticker::kBigLines; ++n) text += LongText("第" + std::to_string(n) + "行", 60) + "\r\n";
  return {{title, kWindowLeft, kWindowTop, {},
           {{.kind = Kind::MultiEdit, .id = ticker::kLog, .rect = {0, 0, 600, 300}, .text = text}}}};
}

void StartTicker(HWND window, const TickerMode& mode) {
  if (mode.tick_ms > 0) SetTimer(window, kTickTimer, static_cast<UINT>(mode.tick_ms), nullptr);
  if (mode.hang_after_ms >= 0) SetTimer(window, kHangTimer, static_cast<UINT>(mode.hang_after_ms), nullptr);
}

bool TickerMessage(HWND window, UINT message, WPARAM wparam, LRESULT& result) {
  result = 0;
  if (message == ticker::kStepMessage) {
    Step(window, wparam);
  } else if (message == ticker::kHangMessage) {
    Hang(static_cast<DWORD>(wparam));
  } else if (message == WM_TIMER && wparam == kTickTimer) {
    Step(window, 0);
  } else if (message == WM_TIMER && wparam == kHangTimer) {
    KillTimer(window, kHangTimer);
    Hang(ticker::kHangMs);
  } else {
    return false;
  }
  return true;
}

}  // namespace sample_app
