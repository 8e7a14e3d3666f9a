#include "pane/pane_zoom.h"

#include <algorithm>
#include <iterator>

namespace glean {

int ZoomIn(int points) {
  for (int size : kZoomSizes)
    if (size > points) return size;
  return kMaxFontSize;
}

int ZoomOut(int points) {
  for (auto it = std::rbegin(kZoomSizes); it != std::rend(kZoomSizes); ++it)
    if (*it < points) return *it;
  return kMinFontSize;
}

int ClampFontSize(int points) { return std::clamp(points, kMinFontSize, kMaxFontSize); }

}  // namespace glean
