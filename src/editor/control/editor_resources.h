// What every editor window shares: the screen's cursor table with the program's two
// cursors, and the built-in pictures of the image bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "editor/control/core/canvas.h"
#include "win/gdi.h"

namespace glean {

// Cursor identifiers to cursor handles: the standard ones negative, 0 the arrow, the
// program's own from 1 up, each in the first slot that is still free.
class TScreenCursors {
 public:
  static TScreenCursors& Instance();
  HCURSOR Get(int id) const;
  // Stores `cursor` in the first free slot from 1 and returns its identifier.
  int Add(HCURSOR cursor);
  // Loads "RightArrow" and "DragSelCopy" from the program's resources, once, and makes
  // them the editors' defaults.
  void RegisterProgramCursors();

 private:
  std::map<int, HCURSOR> own_;
  bool registered_ = false;
};

// The digit images "DD00"-"DD09" (8 x 11, red transparent) and the mark images
// "DM00"-"DM05" (11 x 11, white transparent) from the program's resources.
class TBuiltinImages {
 public:
  static TBuiltinImages& Instance();
  HIMAGELIST List(TImageList which) const {
    return which == TImageList::Digits ? digits_.Get() : marks_.Get();
  }

 private:
  TBuiltinImages();
  win::UniqueImageList digits_, marks_;
};

// Draws image `index` of `list` (an outside list, or the built-in one when the outside
// list is unset or too short).
bool DrawImageBarImage(HDC dc, HIMAGELIST outside, TImageList which, int index, int x, int y);

}  // namespace glean
