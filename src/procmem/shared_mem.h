// A handle-owning object and the memory-backed file mapping that the Windows 9x manager
// uses: on Windows 9x such views lie where every process sees them at the same address.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/handle.h"

namespace glean {

class THandledObject {
 public:
  THandledObject() = default;
  THandledObject(const THandledObject&) = delete;
  THandledObject& operator=(const THandledObject&) = delete;
  virtual ~THandledObject() = default;  // the handle closes itself

  HANDLE Handle() const { return handle_.Get(); }

 protected:
  win::UniqueHandle handle_;
};

class TSharedMem : public THandledObject {
 public:
  // Creates (or opens, when a mapping of that name exists) a paging-file mapping of
  // `size` bytes and maps all of it; raises "Error creating shared memory %s (%d)".
  TSharedMem(const std::string& name, uint32_t size);

  const std::string& Name() const { return name_; }
  uint32_t Size() const { return size_; }
  bool Created() const { return created_; }  // false when the mapping existed before
  void* Buffer() const { return buffer_.Get(); }

 private:
  std::string name_;
  uint32_t size_;
  bool created_ = false;
  win::UniqueMappedView buffer_;  // unmapped before the base closes the mapping
};

}  // namespace glean
