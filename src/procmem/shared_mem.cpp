#include "procmem/shared_mem.h"

#include "base/errors.h"

namespace glean {

namespace {
[[noreturn]] void RaiseCreateError(const std::string& name) {
  throw Exception(Format("Error creating shared memory %s (%d)", name.c_str(),
                         static_cast<int>(GetLastError())));
}
}  // namespace

TSharedMem::TSharedMem(const std::string& name, uint32_t size) : name_(name), size_(size) {
  SetLastError(0);
  // An empty name asks for an unnamed mapping.
  HANDLE h = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                name.empty() ? nullptr : name.c_str());
  if (!h) RaiseCreateError(name);
  created_ = GetLastError() != ERROR_ALREADY_EXISTS;
  handle_.Reset(h);
  buffer_.Reset(MapViewOfFile(h, FILE_MAP_WRITE, 0, 0, size));
  if (!buffer_) RaiseCreateError(name);  // the base closes the handle
}

}  // namespace glean
