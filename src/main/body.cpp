#include "main/body.h"

#include <windowsx.h>

#include "capture/capture_driver.h"
#include "main/main_texts.h"
#include "main/menus.h"
#include "main/single_instance.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/dpi.h"
#include "ui/hint.h"
#include "watch/watcher.h"
#include "win/os_error.h"

namespace glean {

namespace {
constexpr int kDesignWidth = 506;
constexpr int kDesignHeight = 454;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 200;
constexpr int kWindowsFolderBuffer = 300;

void RegisterBodyClass(HINSTANCE instance, WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  // The program's own icon where the program carries it (tests link the window alone).
  wc.hIcon = LoadIconA(instance, "MAINICON");
  if (!wc.hIcon) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  win::Win32Check(RegisterClassExA(&wc));
  registered = true;
}
}  // namespace

TBody::TBody(HINSTANCE instance, std::string iniPath) : instance_(instance), ini_(std::move(iniPath)) {
  RegisterBodyClass(instance, WindowProc);
  // An unowned top-level window: its own taskbar button, minimised by itself.
  CreateWindowExA(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kMainWindowClass, ui::kApplicationTitle,
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                  ui::Scale(kDesignWidth, ui::SystemDpi()), ui::Scale(kDesignHeight, ui::SystemDpi()), nullptr,
                  nullptr, instance, this);
  if (!hwnd_) win::RaiseLastOSError();
  dpi_ = ui::WindowDpi(hwnd_);
  textScale_ = ui::TextScalePercent();
  CreateMenus();
  CreateControls();
  created_ = true;
  FormCreate();
  BindBehaviours();
}

TBody::~TBody() {
  ui::SetHintHandlers(nullptr, nullptr);
  ui::SetShortcuts(nullptr, nullptr);
  if (hwnd_) DestroyWindow(hwnd_);
}

void TBody::Show(int showCommand) {
  ShowWindow(hwnd_, maximizeOnShow_ ? SW_SHOWMAXIMIZED : showCommand);
  UpdateWindow(hwnd_);
  ui::Guarded(hwnd_, [&] { FormShow(); });
}

std::string TBody::HintOf(HWND control) const {
  auto found = hints_.find(control);
  return found == hints_.end() ? std::string() : found->second;
}

LRESULT CALLBACK TBody::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TBody* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<TBody*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TBody*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  LRESULT result = 0;
  ui::Guarded(hwnd, [&] { result = self->Handle(msg, wp, lp); });
  return result;
}

LRESULT TBody::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT reflected = 0;
  if (ui::ReflectToChild(msg, wp, lp, reflected)) return reflected;
  if (!created_) return DefWindowProcA(hwnd_, msg, wp, lp);
  switch (msg) {
    case WM_SIZE:
      FormResize();
      return 0;
    case WM_MOVE:
      WmMove();
      return 0;
    case WM_MOUSEWHEEL:
      WmMouseWheel(wp);
      return 0;
    case WM_DPICHANGED:
      DpiChanged(wp, lp);
      return 0;
    case WM_SYSCOLORCHANGE:
      // The common controls follow the system's colours only when told.
      for (HWND child : {WinList_->Handle(), StatusBar1_->Handle(), Data_->Handle()})
        SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
      DisplaySettingChanged();
      break;
    case WM_SETTINGCHANGE:
      DisplaySettingChanged();
      break;
    case WM_COMMAND:
      if (lp == 0 && MenuCommand(LOWORD(wp))) return 0;
      break;
    case WM_INITMENUPOPUP:
      InitMenuPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_ACTIVATEAPP:
      if (wp) AppActivate();
      break;
    case WM_TIMER:
      if (Timer1_ && wp == Timer1_->Id() && Timer1_->OnTimer) Timer1_->OnTimer();
      return 0;
    case WM_CLOSE:
      if (capture::CaptureInProgress()) {
        // The capture below us still uses the pane and the lists.
        closeRequested_ = true;
        return 0;
      }
      FormClose();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
  }
  // WM_SYSCOMMAND, the minimise command included, gets the standard handling: the main
  // window is the program's own top-level window and is minimised by itself.
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

// ---- life cycle ----

void TBody::FormCreate() {
  ui::SetHintHandlers([this](HWND hwnd) { return HintOf(hwnd); },
                      [this](const std::string& hint) { AppHint(hint); });
  char folder[kWindowsFolderBuffer] = {};
  GetWindowsDirectoryA(folder, kWindowsFolderBuffer);
  windowsFolder_ = folder;
  ReselectIndex = 0;

  LayoutSize size = ini_.LoadSettings(capture_, view_);
  ApplyFonts(view_.list_font_sixe, view_.data_font_sixe);
  ApplyColours();  // system_colors is known now
  const bool compact = view_.compact_style;
  PlaceWindow(compact ? view_.compact_left : view_.window_left,
              compact ? view_.compact_top : view_.window_top, size.width, size.height);
  maximizeOnShow_ = view_.window_maximized;

  RECT r = WindowBounds();
  SetCursorPos(r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2);
  AlwsFrgrnd_->SetChecked(view_.always_foreground);
  // The pointer reader polls the Shift key on this timer.
  Timer1_ = std::make_unique<ui::Timer>(hwnd_, kTimer1, kTimer1Interval);
}

void TBody::FormShow() {
  if (view_.always_foreground) SetTopmost(true);
  SetCompactMode(view_.compact_style);
  const int n = view_.compact_style ? WinCombo_->Count() : WinList_->Count();
  Report(texts::kWelcomeStart + std::to_string(n) + texts::kWelcomeEnd);
}

void TBody::FormResize() {
  LayoutChildren();
  if (!IsZoomed(hwnd_) && !IsIconic(hwnd_) && !sizeWriteRefused_) {
    RECT r = WindowBounds();
    // One message per refused folder is enough: resizing goes on without writing.
    if (!ini_.SaveWindowSize(view_.compact_style, Unpx(r.right - r.left), Unpx(r.bottom - r.top)))
      sizeWriteRefused_ = true;
  }
}

void TBody::WmMove() {
  // The parking place of a minimised window and the place of a maximized one are not
  // where the window is restored to.
  if (IsIconic(hwnd_) || IsZoomed(hwnd_)) return;
  RECT r = WindowBounds();
  const int left = ui::Unscale(r.left, dpi_), top = ui::Unscale(r.top, dpi_);
  if (view_.compact_style) {
    view_.compact_left = left;
    view_.compact_top = top;
  } else {
    view_.window_left = left;
    view_.window_top = top;
  }
}

void TBody::WmMouseWheel(WPARAM wp) {
  const bool up = static_cast<int32_t>(wp) > 0;
  // Ctrl with the wheel zooms, over the pane as over the lists.
  if (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL) {
    up ? ZoomIn() : ZoomOut();
    return;
  }
  SendMessageA(Data_->Handle(), WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN, 0);
}

void TBody::FormClose() {
  ini_.SaveOnClose(view_, AlwsFrgrnd_->Checked(), listFontSize_, dataFontSize_, IsZoomed(hwnd_) != FALSE);
}

void TBody::FormDestroy() {
  ui::SetHintHandlers(nullptr, nullptr);
  watch_.reset();
  Timer1_.reset();
  tips_.reset();
  // The pane and the lists go while their parents still exist.
  Data_.reset();
  WinCombo_.reset();
  WinList_.reset();
  WindowTitles_.Clear();
  CapturedLines_.Clear();
  ItemHitTable_.clear();
  LineSources_.Clear();
}

// ---- hints, check box ----

void TBody::AppHint(const std::string& hint) {
  if (!StatusBar1_) return;
  // The pane's hint comes after the move that entered the pane (or left a tool tip that
  // had popped up over it); over an address the address's own text stays.
  if (!CurrentLink_.empty() && Data_ && hint == HintOf(Data_->Handle())) return;
  StatusBar1_->SetSimpleText(ui::LongHint(hint));
}

void TBody::WinListMouseMove(int x, int y) {
  int index = WinList_->ItemAt(x, y);
  if (index >= 0)
    hints_[WinList_->Handle()] = std::string(texts::kWindowListHint) + "|" + WinList_->Caption(index);
}

void TBody::AlwsFrgrndClick() {
  view_.always_foreground = AlwsFrgrnd_->Checked();
  SetTopmost(view_.always_foreground);
}

void TBody::SetTopmost(bool on) {
  SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TBody::Announce(const std::string& text) {
  if (AnnounceActive) ui::PutTextOnClipboard(hwnd_, text);
}

void TBody::Report(const std::string& text) {
  Announce(text);
  // A UI Automation screen reader speaks it without the clipboard being touched.
  if (view_.uia_notify) Data_->NotifyAccessClients(text);
}

}  // namespace glean
