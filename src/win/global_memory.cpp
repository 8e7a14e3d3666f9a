#include "win/global_memory.h"

#include <cstring>

namespace glean::win {

UniqueGlobal GlobalCopyOf(const std::string& text) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!memory) return memory;
  void* bytes = GlobalLock(memory.Get());
  if (!bytes) return {};
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory.Get());
  return memory;
}

}  // namespace glean::win
