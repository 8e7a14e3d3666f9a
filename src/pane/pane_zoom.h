// The font sizes the zoom keys, the wheel and the size menu step through. Portable.
#pragma once

namespace glean {

inline constexpr int kZoomSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 36, 48, 72};
inline constexpr int kDefaultFontSize = 9;
inline constexpr int kMinFontSize = 8;
inline constexpr int kMaxFontSize = 72;

// The next size above (below) `points`, which need not be one of the steps; the
// largest (smallest) stays where it is.
int ZoomIn(int points);
int ZoomOut(int points);
// A size from the file brought into the steps' range.
int ClampFontSize(int points);

}  // namespace glean
