#include "ui/dpi.h"

#include <algorithm>

#include "win/gdi.h"

namespace glean::ui {

namespace {
// Looked up at run time: older systems lack them, and a missing import would stop the
// program from starting there.
template <typename Fn>
Fn User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}
}  // namespace

int SystemDpi() {
  win::WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  using Fn = UINT(WINAPI*)(HWND);
  static const Fn forWindow = User32Function<Fn>("GetDpiForWindow");
  if (window && forWindow) {
    const UINT dpi = forWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int MetricForDpi(int index, int dpi) {
  using Fn = int(WINAPI*)(int, UINT);
  static const Fn forDpi = User32Function<Fn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  // The system's metrics are for its own DPI.
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

int TextScalePercent() {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Accessibility", "TextScaleFactor",
                   RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return 100;
  return value >= 100 && value <= 225 ? static_cast<int>(value) : 100;
}

void DeclareDpiAwareness() {
  using ContextFn = BOOL(WINAPI*)(HANDLE);
  if (const auto setContext = User32Function<ContextFn>("SetProcessDpiAwarenessContext")) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 (-4), then PER_MONITOR_AWARE (-3).
    if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) ||
        setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3))))
      return;
  }
  using AwareFn = BOOL(WINAPI*)();
  if (const auto setAware = User32Function<AwareFn>("SetProcessDPIAware")) setAware();
}

void ApplySuggestedRect(HWND window, LPARAM lp) {
  const RECT* r = reinterpret_cast<const RECT*>(lp);
  if (!r) return;
  SetWindowPos(window, nullptr, r->left, r->top, std::max(0L, r->right - r->left), std::max(0L, r->bottom - r->top),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace glean::ui
