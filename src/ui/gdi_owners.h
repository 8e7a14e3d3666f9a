// Owners of the GDI objects and image lists of Glean's own windows: released on every
// path, never copied.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

namespace glean::ui {

class Font {
 public:
  Font() = default;
  // A font of `name` whose characters (not cells) are `pixelHeight` high.
  Font(const std::string& name, int pixelHeight);
  ~Font() { Reset(); }
  Font(Font&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  Font& operator=(Font&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  Font(const Font&) = delete;  // one owner deletes the font
  Font& operator=(const Font&) = delete;

  HFONT Get() const { return h_; }
  void Reset() {
    if (h_) DeleteObject(h_);
    h_ = nullptr;
  }

 private:
  HFONT h_ = nullptr;
};

class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height);
  ~ImageList() {
    if (h_) ImageList_Destroy(h_);
  }
  ImageList(ImageList&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  ImageList& operator=(ImageList&& o) noexcept {
    if (this != &o) {
      if (h_) ImageList_Destroy(h_);
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  ImageList(const ImageList&) = delete;  // one owner destroys the list
  ImageList& operator=(const ImageList&) = delete;

  HIMAGELIST Get() const { return h_; }
  int Count() const { return ImageList_GetImageCount(h_); }
  void Clear() { ImageList_RemoveAll(h_); }
  // Adds a copy of `icon`; returns its index.
  int AddIcon(HICON icon);
  // Adds a copy of image `index` of `source`; returns its index.
  int AddFrom(const ImageList& source, int index);

 private:
  HIMAGELIST h_ = nullptr;
};

}  // namespace glean::ui
