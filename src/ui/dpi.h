// Display scaling of Glean's own windows: design sizes are 96-dpi units, turned into a
// window's pixels by its monitor's DPI; the user's text size ("Make text bigger") scales
// the interface fonts on top.
#pragma once

#include <windows.h>

namespace glean::ui {

inline constexpr int kDesignDpi = 96;

// `design` 96-dpi units in pixels at `dpi`, and back.
inline int Scale(int design, int dpi) { return MulDiv(design, dpi, kDesignDpi); }
inline int Unscale(int pixels, int dpi) { return MulDiv(pixels, kDesignDpi, dpi); }

// The DPI `window` is laid out for: its monitor's under per-monitor awareness, the
// system's otherwise (and where the system has no per-window answer).
int WindowDpi(HWND window);
// The system's DPI, for what has no window yet.
int SystemDpi();

// A system metric at `dpi` (GetSystemMetricsForDpi where the system has it).
int MetricForDpi(int index, int dpi);

// Windows' text size in percent, 100 to 225 (HKCU\Software\Microsoft\Accessibility
// TextScaleFactor; 100 when absent or out of range).
int TextScalePercent();

// Character height in pixels of a font of `points` at `dpi`, times `percent` / 100.
inline int PointsToPixels(int points, int dpi, int percent = 100) {
  return MulDiv(MulDiv(points, dpi, 72), percent, 100);
}

// Asks for per-monitor v2 awareness, then per-monitor, then system awareness: the same
// chain the manifest declares, for a program started without it (tests link the windows
// into their own executables).
void DeclareDpiAwareness();

// A WM_DPICHANGED's suggested rectangle, applied to `window`.
void ApplySuggestedRect(HWND window, LPARAM lp);

}  // namespace glean::ui
