// Reads a zero-terminated string out of memory that may end at any page: never asks for a
// byte past the page that holds the terminator. Portable; the copy itself is a parameter.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "procmem/process_mem_mgr.h"

namespace glean {

constexpr size_t kProcessPageSize = 4096;
// A string without a terminator within this many bytes is cut here, so that a broken or
// hostile target cannot make Glean read its whole address space.
constexpr size_t kMaxProcessString = size_t{1} << 20;

// Copies `size` bytes at `source` to `destination`; raises when they cannot be read.
using ReadBytesFn = std::function<void(ProcessAddress source, void* destination, size_t size)>;

// The first chunk runs to the end of the source's page, every further one is a whole
// page. A null source gives the empty string. A cut string loses a lead byte whose trail
// byte fell beyond the cut.
std::string ReadStringByPages(ProcessAddress source, const ReadBytesFn& read);

}  // namespace glean
