#include "win/com.h"

#include "win/cp932_text.h"

namespace glean::win {

std::string UniqueBstr::Text() const {
  return *this ? ToCodePage932(std::wstring_view(Get(), SysStringLen(Get()))) : std::string();
}

BSTR MakeBstr(std::u16string_view text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

void SetVariant(VARIANT& v, std::u16string_view text) {
  VariantClear(&v);
  v.vt = VT_BSTR;
  v.bstrVal = MakeBstr(text);
}

void SetVariantInt(VARIANT& v, int value) {
  VariantClear(&v);
  v.vt = VT_I4;
  v.lVal = value;
}

void SetVariantBool(VARIANT& v, bool value) {
  VariantClear(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetVariantUnknown(VARIANT& v, IUnknown* unknown) {
  VariantClear(&v);
  v.vt = VT_UNKNOWN;
  v.punkVal = unknown;
  if (unknown) unknown->AddRef();
}

SAFEARRAY* MakeUnknownArray(IUnknown* const* items, size_t count) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_UNKNOWN, 0, static_cast<ULONG>(count));
  if (!array) return nullptr;
  for (LONG i = 0; i < static_cast<LONG>(count); ++i) SafeArrayPutElement(array, &i, items[i]);  // AddRefs
  return array;
}

SAFEARRAY* MakeDoubleArray(const double* items, size_t count) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(count));
  if (!array) return nullptr;
  for (LONG i = 0; i < static_cast<LONG>(count); ++i) {
    double d = items[i];
    SafeArrayPutElement(array, &i, &d);
  }
  return array;
}

}  // namespace glean::win
