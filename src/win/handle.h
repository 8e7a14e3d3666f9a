// Owners of kernel handles, mapped views and menus: freed on every path, never copied.
#pragma once

#include <windows.h>

#include "win/unique_owner.h"

namespace glean::win {

// A kernel object's handle; INVALID_HANDLE_VALUE (what CreateFile and its kin fail with)
// is taken as none.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Free(HANDLE h) { CloseHandle(h); }
};
using UniqueHandle = UniqueOwner<KernelHandleTraits>;

// A view of a file mapping (MapViewOfFile).
struct MappedViewTraits : NullMeansNone<void*> {
  static void Free(void* view) { UnmapViewOfFile(view); }
};
using UniqueMappedView = UniqueOwner<MappedViewTraits>;

// A menu not (or no longer) attached to a window; DestroyMenu takes its submenus too.
struct MenuTraits : NullMeansNone<HMENU> {
  static void Free(HMENU h) { DestroyMenu(h); }
};
using UniqueMenu = UniqueOwner<MenuTraits>;

}  // namespace glean::win
