// The fonts and image lists of Glean's own windows, made and filled over the owners of
// src/win.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win/gdi.h"

namespace glean::ui {

// A font of `name` whose characters (not cells) are `pixelHeight` high.
win::UniqueFont MakeFont(const std::string& name, int pixelHeight);

// A 32-bit image list with a mask, of `width` by `height` images.
class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height);

  HIMAGELIST Get() const { return list_.Get(); }
  int Count() const { return ImageList_GetImageCount(Get()); }
  void Clear() { ImageList_RemoveAll(Get()); }
  // Adds a copy of `icon`; returns its index.
  int AddIcon(HICON icon);
  // Adds a copy of image `index` of `source`; returns its index.
  int AddFrom(const ImageList& source, int index);

 private:
  win::UniqueImageList list_;
};

}  // namespace glean::ui
