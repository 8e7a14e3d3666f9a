#include "capture/remote_buffers.h"

#include <algorithm>

#include "base/sjis.h"

namespace glean::capture {

RECT RectFromBytes(const uint8_t* bytes) {
  int32_t r[4];
  std::memcpy(r, bytes, sizeof r);
  return RECT{r[0], r[1], r[2], r[3]};
}

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
