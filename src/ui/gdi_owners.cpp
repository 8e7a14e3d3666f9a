#include "ui/gdi_owners.h"

#include "win/os_error.h"

namespace glean::ui {

win::UniqueFont MakeFont(const std::string& name, int pixelHeight) {
  LOGFONTA lf{};
  lf.lfHeight = -pixelHeight;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
  win::UniqueFont font(CreateFontIndirectA(&lf));
  if (!font) win::RaiseLastOSError();
  return font;
}

ImageList::ImageList(int width, int height)
    : list_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 8, 8)) {
  if (!list_) win::RaiseLastOSError();
}

int ImageList::AddIcon(HICON icon) { return ImageList_AddIcon(Get(), icon); }

int ImageList::AddFrom(const ImageList& source, int index) {
  HICON icon = ImageList_GetIcon(source.Get(), index, ILD_NORMAL);
  if (!icon) return -1;
  int added = AddIcon(icon);
  DestroyIcon(icon);
  return added;
}

}  // namespace glean::ui
