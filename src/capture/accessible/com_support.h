// Owners for the few COM things the accessibility reader holds: interface pointers,
// strings and variants. Kept to the reader's needs.
#pragma once

#include <oleauto.h>
#include <windows.h>

#include <string>

#include "win/cp932_text.h"

namespace glean::capture::accessible {

// The interface identifiers are taken with __uuidof: mingw-w64's oleacc import library
// hands out IID_IAccessible as an import thunk's address, not the identifier.

template <typename T>
class ComOwner {
 public:
  ComOwner() = default;
  explicit ComOwner(T* adopted) : p_(adopted) {}
  ~ComOwner() { Reset(); }
  ComOwner(ComOwner&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  ComOwner& operator=(ComOwner&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = other.p_;
      other.p_ = nullptr;
    }
    return *this;
  }
  // Copies would need AddRef bookkeeping nothing here wants.
  ComOwner(const ComOwner&) = delete;
  ComOwner& operator=(const ComOwner&) = delete;

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For an out parameter: releases what is held first.
  void** Put() {
    Reset();
    return reinterpret_cast<void**>(&p_);
  }
  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

class BstrOwner {
 public:
  BstrOwner() = default;
  ~BstrOwner() { SysFreeString(b_); }
  BstrOwner(const BstrOwner&) = delete;
  BstrOwner& operator=(const BstrOwner&) = delete;
  BSTR* Put() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  // In code page 932 by the one conversion.
  std::string Text() const {
    return b_ ? win::ToCodePage932(std::wstring_view(b_, SysStringLen(b_))) : std::string();
  }

 private:
  BSTR b_ = nullptr;
};

class VariantOwner {
 public:
  VariantOwner() { VariantInit(&v_); }
  ~VariantOwner() { VariantClear(&v_); }
  VariantOwner(VariantOwner&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
  VariantOwner(const VariantOwner&) = delete;
  VariantOwner& operator=(const VariantOwner&) = delete;
  VARIANT& Ref() { return v_; }
  const VARIANT& Ref() const { return v_; }

 private:
  VARIANT v_;
};

inline VARIANT ChildVariant(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

}  // namespace glean::capture::accessible
