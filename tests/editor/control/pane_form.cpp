#include "pane_form.h"

#include "pane/pane_options.h"
#include "win/os_error.h"

namespace glean::testing {

void ConfigureMainPane(TEditor& e) { ConfigurePane(e, 16); }

void PaneForm::Run(UINT lifetimeMs) {
  if (lifetimeMs > 0) SetTimer(nullptr, 0, lifetimeMs, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (!IsWindow(hwnd_)) break;
  }
}

std::string CapturedSample() {
  return "∇ ｳｨﾝﾄﾞｳﾀｲﾄﾙ ∇\r\n"
         "サンプル アプリ\r\n"
         "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n"
         "ユーザー名:\r\n"
         "《非表示》 パスワード:\r\n"
         "∇ ｴﾃﾞｨｯﾄ ∇\r\n"
         "詳しくは http://www.example.com/glean/ を見て下さい。\r\n"
         "連絡先 support@example.com\r\n"
         "Error: 指定されたウィンドウが応答しません。‡\r\n"
         "∇ ﾘｽﾄﾎﾞｯｸｽ ∇\r\n"
         "一行目\tタブの後\r\n"
         "A fairly long English line that the pane wraps at its width, because word wrap "
         "is on and the wrap column follows the window.\r\n";
}

PaneForm::PaneForm(int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &PaneForm::WndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "GleanPaneForm";
    if (!RegisterClassA(&wc)) win::RaiseLastOSError();
    registered = true;
  }
  hwnd_ = CreateWindowExA(0, "GleanPaneForm", "ペイン", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                          width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd_) win::RaiseLastOSError();
  data_ = std::make_unique<TEditor>();
  ConfigureMainPane(*data_);
  RECT r;
  GetClientRect(hwnd_, &r);
  data_->CreateWnd(hwnd_, 0, 0, r.right, r.bottom, 100);
  Layout();
  data_->Lines().SetText(CapturedSample());
  data_->SetRowCol(0, 0);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetFocus(data_->Handle());
  UpdateWindow(hwnd_);
}

PaneForm::~PaneForm() {
  data_.reset();  // the pane's window goes first, while its parent still exists
  if (hwnd_) DestroyWindow(hwnd_);
}

void PaneForm::Layout() {
  if (!data_ || !data_->Handle()) return;
  RECT r;
  GetClientRect(hwnd_, &r);
  MoveWindow(data_->Handle(), 0, 0, r.right, r.bottom, TRUE);
  RECT c;
  GetClientRect(data_->Handle(), &c);
  // The main window's rule: the wrap column follows the pane's width.
  data_->WrapOption().SetWrapByte(c.right / data_->CharWidth() - 3);
}

LRESULT CALLBACK PaneForm::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<PaneForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_SIZE && self) self->Layout();
  if (msg == WM_NCDESTROY && self) self->hwnd_ = nullptr;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace glean::testing
