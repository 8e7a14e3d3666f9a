// Small COM helpers: an owner for an interface pointer, owners of BSTRs and VARIANTs,
// BSTRs made from UTF-16, VARIANTs filled with the common kinds, and a reference count for
// our own objects.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <string>
#include <string_view>
#include <utility>

#include "win/unique_owner.h"

namespace glean::win {

// Owns one reference.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller holds.
  explicit ComPtr(T* p) : p_(p) {}
  ComPtr(const ComPtr& o) : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }
  void Reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters: releases what is held first.
  T** Put() {
    Reset();
    return &p_;
  }
  // The same, for the calls that take a void** (QueryInterface and its kin).
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  // A new reference for the caller (an out-parameter's value).
  T* Copy() const {
    if (p_) p_->AddRef();
    return p_;
  }

 private:
  T* p_ = nullptr;
};

// A reference count for an object that implements interfaces itself.
class ComRefCount {
 public:
  ULONG Add() { return ++count_; }
  // The references left; the owner is deleted with the last one.
  template <typename Owner>
  ULONG Release(Owner* owner) {
    const ULONG left = --count_;
    if (left == 0) delete owner;
    return left;
  }

 private:
  std::atomic<ULONG> count_{1};
};

// Owns a BSTR an out-parameter hands over.
struct BstrTraits : NullMeansNone<BSTR> {
  static void Free(BSTR b) { SysFreeString(b); }
};
class UniqueBstr : public UniqueOwner<BstrTraits> {
 public:
  using UniqueOwner::UniqueOwner;
  // In code page 932 by the one conversion.
  std::string Text() const;
};

// Owns a VARIANT, cleared on destruction.
class UniqueVariant {
 public:
  UniqueVariant() { VariantInit(&v_); }
  ~UniqueVariant() { VariantClear(&v_); }
  UniqueVariant(UniqueVariant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  VARIANT& Ref() { return v_; }
  const VARIANT& Ref() const { return v_; }

 private:
  VARIANT v_;
};

// A VARIANT naming an MSAA child (VT_I4).
inline VARIANT ChildVariant(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// A BSTR of the text; null only when memory ran out.
BSTR MakeBstr(std::u16string_view text);

// The VARIANT is cleared first.
void SetVariant(VARIANT& v, std::u16string_view text);
void SetVariantInt(VARIANT& v, int value);
void SetVariantBool(VARIANT& v, bool value);
// Takes a new reference.
void SetVariantUnknown(VARIANT& v, IUnknown* unknown);

// A one-dimensional SAFEARRAY of interface pointers (each AddRef'ed) or of doubles.
SAFEARRAY* MakeUnknownArray(IUnknown* const* items, size_t count);
SAFEARRAY* MakeDoubleArray(const double* items, size_t count);

}  // namespace glean::win
