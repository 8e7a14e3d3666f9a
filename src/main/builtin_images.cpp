#include "main/builtin_images.h"

#include "win/os_error.h"

namespace glean {

namespace {
constexpr int kSize = 16;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

void Fill(HDC dc, int l, int t, int r, int b, COLORREF color) {
  RECT rect{l, t, r, b};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// A monitor: grey frame, blue screen, a stand.
void DrawDesktop(HDC dc) {
  Fill(dc, 1, 1, 15, 12, RGB(64, 64, 64));
  Fill(dc, 2, 2, 14, 11, RGB(0, 96, 192));
  Fill(dc, 3, 3, 8, 6, RGB(96, 160, 224));
  Fill(dc, 6, 12, 10, 14, RGB(96, 96, 96));
  Fill(dc, 3, 14, 13, 15, RGB(64, 64, 64));
}

// A window: dark frame, navy title bar, white client area.
void DrawWindow(HDC dc) {
  Fill(dc, 1, 2, 15, 14, RGB(64, 64, 64));
  Fill(dc, 2, 3, 14, 6, RGB(0, 0, 128));
  Fill(dc, 2, 6, 14, 13, RGB(255, 255, 255));
  Fill(dc, 11, 4, 13, 5, RGB(192, 192, 192));
}

// Drawn at the design size and enlarged by whole pixels, so that the picture stays sharp
// at the list's size.
void AddPicture(ui::ImageList& list, int size, void (*draw)(HDC)) {
  HDC screen = GetDC(nullptr);
  HDC design = CreateCompatibleDC(screen);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP designBitmap = CreateCompatibleBitmap(screen, kSize, kSize);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldDesign = SelectObject(design, designBitmap);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Fill(design, 0, 0, kSize, kSize, kTransparent);
  draw(design);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, size, size, design, 0, 0, kSize, kSize, SRCCOPY);
  SelectObject(design, oldDesign);
  SelectObject(dc, old);
  DeleteDC(design);
  DeleteDC(dc);
  DeleteObject(designBitmap);
  int added = ImageList_AddMasked(list.Get(), bitmap, kTransparent);
  DeleteObject(bitmap);  // the list keeps its own copy
  if (added < 0) win::RaiseLastOSError();
}
}  // namespace

void AddBuiltInImages(ui::ImageList& list, int size) {
  AddPicture(list, size, DrawDesktop);
  AddPicture(list, size, DrawWindow);
}

}  // namespace glean
