#include "capture/remote_buffers.h"

#include <algorithm>

#include "base/sjis.h"

namespace glean::capture {

std::string ReadTextBuffer(TProcessMemMgr& m, ProcessAddress buffer, uint32_t size) {
  std::string bytes(size, '\0');
  m.ReadBuffer(buffer, bytes.data(), size);
  const size_t end = std::min<size_t>(bytes.find('\0'), size - 1);
  bytes.resize(sjis::CharBoundaryAtOrBefore(bytes, end));
  return bytes;
}

std::string ReadItemText(TProcessMemMgr& m, uint64_t pointer, ProcessAddress buffer, uint32_t size) {
  if (pointer == buffer) return ReadTextBuffer(m, buffer, size);
  return m.ReadString(static_cast<ProcessAddress>(pointer));
}

}  // namespace glean::capture
