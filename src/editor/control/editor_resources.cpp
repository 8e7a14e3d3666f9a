#include "editor/control/editor_resources.h"

#include <cstdio>

#include "editor/control/core/caret_options.h"

namespace glean {

namespace {
struct TStandardCursor {
  int Id;
  LPCSTR System;
};
// There is no system cursor for dragging; the arrow stands in for it.
const TStandardCursor kStandardCursors[] = {
    {crDefault, IDC_ARROW}, {-2, IDC_ARROW},   {-3, IDC_CROSS},     {crIBeam, IDC_IBEAM},
    {-5, IDC_SIZEALL},      {-6, IDC_SIZENESW}, {-7, IDC_SIZENS},   {-8, IDC_SIZENWSE},
    {-9, IDC_SIZEWE},       {-10, IDC_UPARROW}, {-11, IDC_WAIT},    {crDrag, IDC_ARROW},
    {-13, IDC_NO},          {-18, IDC_NO},      {-19, IDC_APPSTARTING}, {-20, IDC_HELP},
    {crHandPoint, IDC_HAND},
};
}  // namespace

TScreenCursors& TScreenCursors::Instance() {
  static TScreenCursors cursors;
  return cursors;
}

HCURSOR TScreenCursors::Get(int id) const {
  if (id > 0) {
    auto it = own_.find(id);
    if (it != own_.end()) return it->second;
  } else {
    for (const TStandardCursor& c : kStandardCursors)
      if (c.Id == id) return LoadCursorA(nullptr, c.System);
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

int TScreenCursors::Add(HCURSOR cursor) {
  int id = 1;
  while (id < 0x7FFF && own_.count(id)) ++id;
  own_[id] = cursor;
  return id;
}

void TScreenCursors::RegisterProgramCursors() {
  if (registered_) return;
  registered_ = true;
  HINSTANCE module = GetModuleHandleA(nullptr);
  // Cursors loaded from resources are shared by the system: nothing to destroy.
  HCURSOR right = LoadCursorA(module, "RightArrow");
  HCURSOR copy = LoadCursorA(module, "DragSelCopy");
  ProgramCursors().RightArrow = static_cast<TCursor>(Add(right ? right : LoadCursorA(nullptr, IDC_ARROW)));
  ProgramCursors().DragSelCopy = static_cast<TCursor>(Add(copy ? copy : LoadCursorA(nullptr, IDC_ARROW)));
}

TBuiltinImages& TBuiltinImages::Instance() {
  static TBuiltinImages images;
  return images;
}

namespace {
win::UniqueImageList LoadImages(const char* prefix, int count, int width, COLORREF transparent) {
  win::UniqueImageList list(ImageList_Create(width, 11, ILC_COLOR24 | ILC_MASK, count, 0));
  if (!list.Get()) return list;
  HINSTANCE module = GetModuleHandleA(nullptr);
  for (int i = 0; i < count; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "%s%02d", prefix, i);
    win::UniqueBitmap bitmap(LoadBitmapA(module, name));
    if (!bitmap) break;  // a program without the pictures draws no built-in images
    ImageList_AddMasked(list.Get(), bitmap.Get(), transparent);
  }
  return list;
}
}  // namespace

TBuiltinImages::TBuiltinImages()
    : digits_(LoadImages("DD", 10, 8, RGB(255, 0, 0))),
      marks_(LoadImages("DM", 6, 11, RGB(255, 255, 255))) {}

bool DrawImageBarImage(HDC dc, HIMAGELIST outside, TImageList which, int index, int x, int y) {
  HIMAGELIST list = outside;
  if (!list || index >= ImageList_GetImageCount(list)) list = TBuiltinImages::Instance().List(which);
  if (!list || index >= ImageList_GetImageCount(list)) return false;
  return ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT) != FALSE;
}

}  // namespace glean
