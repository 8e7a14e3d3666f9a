#include "editor/control/access/msaa_object.h"

namespace glean::access {

HRESULT TPaneAccessible::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) return E_NOINTERFACE;
  *out = static_cast<IAccessible*>(this);
  AddRef();
  return S_OK;
}

HRESULT TPaneAccessible::GetTypeInfoCount(UINT* out) {
  if (!out) return E_POINTER;
  *out = 0;
  return S_OK;
}

HRESULT TPaneAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT TPaneAccessible::Check(const VARIANT& child) const {
  if (!owner_) return CO_E_OBJNOTCONNECTED;
  if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return E_INVALIDARG;
  return S_OK;
}

HRESULT TPaneAccessible::Nothing(const VARIANT& child, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const HRESULT hr = Check(child);
  return FAILED(hr) ? hr : S_FALSE;
}

HRESULT TPaneAccessible::get_accParent(IDispatch** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return CO_E_OBJNOTCONNECTED;
  return AccessibleObjectFromWindow(owner_->Window(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(out));
}

HRESULT TPaneAccessible::get_accChildCount(long* out) {
  if (!out) return E_POINTER;
  *out = 0;
  return owner_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

HRESULT TPaneAccessible::get_accChild(VARIANT, IDispatch** out) {
  if (out) *out = nullptr;
  return E_INVALIDARG;
}

HRESULT TPaneAccessible::get_accName(VARIANT child, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (const HRESULT hr = Check(child); FAILED(hr)) return hr;
  *out = win::MakeBstr(u"取得データ");
  return S_OK;
}

HRESULT TPaneAccessible::get_accValue(VARIANT child, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (const HRESULT hr = Check(child); FAILED(hr)) return hr;
  *out = win::MakeBstr(owner_->Text().WholeText());
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT TPaneAccessible::get_accRole(VARIANT child, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (const HRESULT hr = Check(child); FAILED(hr)) return hr;
  win::SetVariantInt(*out, ROLE_SYSTEM_TEXT);
  return S_OK;
}

HRESULT TPaneAccessible::get_accState(VARIANT child, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (const HRESULT hr = Check(child); FAILED(hr)) return hr;
  const HWND hwnd = owner_->Window();
  int state = STATE_SYSTEM_FOCUSABLE;
  if (GetFocus() == hwnd) state |= STATE_SYSTEM_FOCUSED;
  if (owner_->Editor().ReadOnly()) state |= STATE_SYSTEM_READONLY;
  if (!IsWindowVisible(hwnd)) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(hwnd)) state |= STATE_SYSTEM_UNAVAILABLE;
  win::SetVariantInt(*out, state);
  return S_OK;
}

HRESULT TPaneAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return owner_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TPaneAccessible::get_accFocus(VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (!owner_) return CO_E_OBJNOTCONNECTED;
  if (GetFocus() != owner_->Window()) return S_FALSE;
  win::SetVariantInt(*out, CHILDID_SELF);
  return S_OK;
}

HRESULT TPaneAccessible::get_accSelection(VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  return owner_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TPaneAccessible::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
  if (!x || !y || !w || !h) return E_POINTER;
  if (const HRESULT hr = Check(child); FAILED(hr)) return hr;
  RECT r{};
  GetWindowRect(owner_->Window(), &r);
  *x = r.left;
  *y = r.top;
  *w = r.right - r.left;
  *h = r.bottom - r.top;
  return S_OK;
}

HRESULT TPaneAccessible::accNavigate(long, VARIANT, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  return owner_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TPaneAccessible::accHitTest(long x, long y, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (!owner_) return CO_E_OBJNOTCONNECTED;
  RECT r{};
  GetWindowRect(owner_->Window(), &r);
  if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return S_FALSE;
  win::SetVariantInt(*out, CHILDID_SELF);
  return S_OK;
}

}  // namespace glean::access
