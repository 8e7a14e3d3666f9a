// Owners of GDI objects, memory DCs and image lists, and the scopes that put a DC back as
// they found it: each is released on every path and never copied.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win/unique_owner.h"

namespace glean::win {

// A pen, brush, font or bitmap, deleted with DeleteObject.
template <class H>
struct GdiObjectTraits : NullMeansNone<H> {
  static void Free(H h) { DeleteObject(h); }
};
using UniqueFont = UniqueOwner<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueOwner<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueOwner<GdiObjectTraits<HPEN>>;
using UniqueBitmap = UniqueOwner<GdiObjectTraits<HBITMAP>>;

// A DC of CreateCompatibleDC, deleted with DeleteDC.
struct MemoryDcTraits : NullMeansNone<HDC> {
  static void Free(HDC h) { DeleteDC(h); }
};
using UniqueMemoryDc = UniqueOwner<MemoryDcTraits>;

// An image list of comctl32, destroyed with it.
struct ImageListTraits : NullMeansNone<HIMAGELIST> {
  static void Free(HIMAGELIST h) { ImageList_Destroy(h); }
};
using UniqueImageList = UniqueOwner<ImageListTraits>;

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint and EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// GetDC and ReleaseDC (a null window: the screen's DC).
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace glean::win
