#include "sample_window.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "control_builder.h"
#include "fill.h"
#include "sample_ids.h"

namespace sample_app {
namespace {

constexpr UINT_PTR kHangTimer = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Owner-drawn status-bar parts show a plain block: they have no text to show.
void DrawOwnerPart(const DRAWITEMSTRUCT& draw) {
  FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
}

LRESULT OnNotify(HWND window, const NMHDR& header) {
  if (header.code == TCN_SELCHANGE) {
    ShowTabPage(window, static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
  } else if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDINGW) {
    // Both forms carry the item handle at the same place.
    const auto& expanding = reinterpret_cast<const NMTREEVIEWA&>(header);
    if (expanding.action & TVE_EXPAND) FillLazyNode(header.hwndFrom, expanding.itemNew.hItem);
  }
  return 0;
}

BOOL CALLBACK FindOtherShown(HWND window, LPARAM closing) {
  if (window == reinterpret_cast<HWND>(closing) || !IsWindowVisible(window)) return TRUE;
  SetLastError(ERROR_ALREADY_EXISTS);
  return FALSE;
}

// The program ends with its last shown window; windows made hidden never count.
bool OtherWindowShown(HWND closing) {
  return !EnumThreadWindows(GetCurrentThreadId(), FindOtherShown, reinterpret_cast<LPARAM>(closing));
}

bool RegisterClassNamed(HINSTANCE instance, const char* name);

LRESULT CALLBACK SampleWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT ticked = 0;
  if (TickerMessage(window, message, wparam, ticked)) return ticked;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kMenuExit && lparam == 0) DestroyWindow(window);
      return 0;
    case WM_NOTIFY:
      return OnNotify(window, *reinterpret_cast<const NMHDR*>(lparam));
    case WM_DRAWITEM:
      DrawOwnerPart(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_TIMER:
      if (wparam == kHangTimer) {
        KillTimer(window, kHangTimer);
        Sleep(INFINITE);  // a hung program: the thread never comes back to its messages
      }
      return 0;
    case WM_DESTROY:
      ForgetTabPages(window);
      if (!OtherWindowShown(window)) PostQuitMessage(kExitOk);
      return 0;
  }
  return IsWindowUnicode(window) ? DefWindowProcW(window, message, wparam, lparam)
                                 : DefWindowProcA(window, message, wparam, lparam);
}

// A Unicode window keeps a title with characters code page 932 lacks.
bool RegisterUnicodeClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SampleWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kUnicodeWindowClassW;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                      wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

bool RegisterClassNamed(HINSTANCE instance, const char* name) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SampleWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool RegisterSampleWindowClass(HINSTANCE instance) { return RegisterClassNamed(instance, kWindowClass); }

HWND OpenSampleWindow(HINSTANCE instance, const WindowEntry& entry) {
  const bool unicode = !entry.wide_title_suffix.empty();
  const char* window_class = unicode ? kUnicodeWindowClass
                             : entry.window_class.empty() ? kWindowClass : entry.window_class.c_str();
  if (!(unicode ? RegisterUnicodeClass(instance) : RegisterClassNamed(instance, window_class))) return nullptr;
  HMENU menu = BuildMenuBar(entry.menu);
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, menu != nullptr, 0);
  HWND window = CreateWindowExA(entry.tool_window ? WS_EX_TOOLWINDOW : 0, window_class, "", kWindowStyle, entry.left, entry.top,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, menu,
                                instance, nullptr);
  if (!window) return nullptr;
  CreateControls(window, entry.controls);
  if (unicode)
    SetWindowTextW(window, (Widen(entry.title) + entry.wide_title_suffix).c_str());
  else
    SetWindowTextA(window, entry.title.c_str());
  if (entry.ticker.active) StartTicker(window, entry.ticker);
  if (entry.shown) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
  }
  return window;
}

void HangAfter(HWND window, int ms) { SetTimer(window, kHangTimer, static_cast<UINT>(ms), nullptr); }

}  // namespace sample_app
