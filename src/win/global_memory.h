// Movable global memory, the form the clipboard takes its data in.
#pragma once

#include <windows.h>

#include <string>

#include "win/unique_owner.h"

namespace glean::win {

// A block of GlobalAlloc; Release it once SetClipboardData has taken it.
struct GlobalMemoryTraits : NullMeansNone<HGLOBAL> {
  static void Free(HGLOBAL h) { GlobalFree(h); }
};
using UniqueGlobal = UniqueOwner<GlobalMemoryTraits>;

// A movable block holding `text` and its terminating zero; empty when memory ran out.
UniqueGlobal GlobalCopyOf(const std::string& text);

}  // namespace glean::win
