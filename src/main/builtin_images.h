// The window list's two built-in 16 x 16 pictures: image 0 for the desktop entry,
// image 1 for a window that has no icon of its own.
#pragma once

#include "ui/gdi_owners.h"

namespace glean {

inline constexpr int kDesktopImage = 0;
inline constexpr int kNoIconImage = 1;

// Draws both into `list` (a 16 x 16 list), in that order.
void AddBuiltInImages(ui::ImageList& list);

}  // namespace glean
