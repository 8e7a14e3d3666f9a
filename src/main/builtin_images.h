// The window list's two built-in pictures (16 x 16 design pixels): image 0 for the desktop entry,
// image 1 for a window that has no icon of its own.
#pragma once

#include "ui/gdi_owners.h"

namespace glean {

inline constexpr int kDesktopImage = 0;
inline constexpr int kNoIconImage = 1;

// Draws both into `list`, whose images are `size` pixels square, in that order.
void AddBuiltInImages(ui::ImageList& list, int size);

}  // namespace glean
