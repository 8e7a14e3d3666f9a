#include "procmem/page_string_reader.h"

#include <algorithm>
#include <cstring>

#include "base/sjis.h"

namespace glean {

std::string ReadStringByPages(ProcessAddress source, const ReadBytesFn& read) {
  if (source == 0) return {};
  std::string buffer;
  ProcessAddress at = source;
  size_t chunk = kProcessPageSize - source % kProcessPageSize;
  while (buffer.size() < kMaxProcessString) {
    chunk = std::min(chunk, kMaxProcessString - buffer.size());
    size_t start = buffer.size();
    buffer.resize(start + chunk);
    read(at, buffer.data() + start, chunk);
    const void* zero = std::memchr(buffer.data() + start, 0, chunk);
    if (zero) {
      buffer.resize(static_cast<size_t>(static_cast<const char*>(zero) - buffer.data()));
      return buffer;
    }
    at += chunk;
    chunk = kProcessPageSize;
  }
  size_t last = sjis::CharBoundaryAtOrBefore(buffer, buffer.size() - 1);
  if (last + 1 == buffer.size() && sjis::IsLeadByte(buffer[last])) buffer.resize(last);
  return buffer;
}

}  // namespace glean
