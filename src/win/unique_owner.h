// The one move-only owner of an OS handle: freed on every path, never copied. Each kind
// of handle gives a small traits struct:
//   using Handle = ...;                  the handle type (a pointer-like value)
//   static bool Valid(Handle h);         false for the kind's "no handle" values
//   static void Free(Handle h);          how the kind is given back
// Most kinds take Handle and Valid from NullMeansNone below.
// Portable (no windows.h) so that it is tested natively.
#pragma once

#include <utility>

namespace glean::win {

// The traits of most kinds, where a null handle is none: a kind adds only its Free.
template <class H>
struct NullMeansNone {
  using Handle = H;
  static bool Valid(H h) { return h != H{}; }
};

template <class Traits>
class UniqueOwner {
 public:
  using Handle = typename Traits::Handle;

  UniqueOwner() = default;
  // Takes over `h`; every invalid value is held as the empty one.
  explicit UniqueOwner(Handle h) : h_(Traits::Valid(h) ? h : Handle{}) {}
  ~UniqueOwner() { Reset(); }
  UniqueOwner(UniqueOwner&& other) noexcept : h_(other.Release()) {}
  UniqueOwner& operator=(UniqueOwner&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueOwner(const UniqueOwner&) = delete;  // one owner frees the handle
  UniqueOwner& operator=(const UniqueOwner&) = delete;

  Handle Get() const { return h_; }
  explicit operator bool() const { return h_ != Handle{}; }
  // For out-parameters: frees what is held first.
  Handle* Put() {
    Reset();
    return &h_;
  }
  // Gives the handle up without freeing it.
  Handle Release() { return std::exchange(h_, Handle{}); }
  void Reset(Handle h = Handle{}) {
    if (h_ != Handle{}) Traits::Free(h_);
    h_ = Traits::Valid(h) ? h : Handle{};
  }

 private:
  Handle h_{};
};

}  // namespace glean::win
