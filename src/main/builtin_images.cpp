#include "main/builtin_images.h"

#include "win/gdi.h"
#include "win/os_error.h"

namespace glean {

namespace {
constexpr int kSize = 16;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

void Fill(HDC dc, int l, int t, int r, int b, COLORREF color) {
  RECT rect{l, t, r, b};
  win::UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &rect, brush.Get());
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
  win::UniqueBitmap bitmap;  // the list keeps its own copy
  {
    win::WindowDc screen(nullptr);
    win::UniqueBitmap designBitmap(CreateCompatibleBitmap(screen.Get(), kSize, kSize));
    bitmap.Reset(CreateCompatibleBitmap(screen.Get(), size, size));
    win::UniqueMemoryDc design(CreateCompatibleDC(screen.Get()));
    win::UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    // Both bitmaps are put out of their DCs before the list copies one.
    win::SelectedObject designSelected(design.Get(), designBitmap.Get());
    win::SelectedObject selected(dc.Get(), bitmap.Get());
    Fill(design.Get(), 0, 0, kSize, kSize, kTransparent);
    draw(design.Get());
    SetStretchBltMode(dc.Get(), COLORONCOLOR);
    StretchBlt(dc.Get(), 0, 0, size, size, design.Get(), 0, 0, kSize, kSize, SRCCOPY);
  }
  if (ImageList_AddMasked(list.Get(), bitmap.Get(), kTransparent) < 0) win::RaiseLastOSError();
}
}  // namespace

void AddBuiltInImages(ui::ImageList& list, int size) {
  AddPicture(list, size, DrawDesktop);
  AddPicture(list, size, DrawWindow);
}

}  // namespace glean
