#include "editor/control/access/uia_provider.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "win/cp932_text.h"

namespace glean::access {

namespace {
// Asked of a range a client hands back, to find our own object behind it.
// {6E1B8D52-3C1A-4F0B-9A51-5B0D1C2E7A41}
constexpr GUID kIID_PaneRange = {0x6e1b8d52, 0x3c1a, 0x4f0b, {0x9a, 0x51, 0x5b, 0x0d, 0x1c, 0x2e, 0x7a, 0x41}};
constexpr HRESULT kInvalidOperation = static_cast<HRESULT>(0x80131509);

HRESULT Result(TRangeStatus s) {
  switch (s) {
    case TRangeStatus::Ok:
      return S_OK;
    case TRangeStatus::Gone:
      return uia::kElementNotAvailable;
    case TRangeStatus::Invalid:
      break;
  }
  return E_INVALIDARG;
}

class TPaneRange final : public uia::ITextRangeProvider {
 public:
  TPaneRange(TPaneProvider* provider, TRange r) : provider_(provider), range_(provider->Home(), r) {
    provider->AddRef();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == uia::IID_TextRangeProvider || iid == kIID_PaneRange) {
      *out = static_cast<uia::ITextRangeProvider*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return refs_.Release(this); }

  HRESULT STDMETHODCALLTYPE Clone(uia::ITextRangeProvider** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!range_.Alive()) return uia::kElementNotAvailable;
    *out = provider_->NewRange(range_.Range());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Compare(uia::ITextRangeProvider* other, BOOL* out) override {
    if (!out) return E_POINTER;
    bool same = false;
    const HRESULT hr = Result(range_.Compare(Ours(other), same));
    *out = same;
    return hr;
  }
  HRESULT STDMETHODCALLTYPE CompareEndpoints(int endpoint, uia::ITextRangeProvider* target, int targetEndpoint,
                                             int* out) override {
    if (!out) return E_POINTER;
    *out = 0;
    return Result(range_.CompareEndpoints(endpoint, Ours(target), targetEndpoint, *out));
  }
  HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(int unit) override {
    return Result(range_.ExpandToEnclosingUnit(unit));
  }
  HRESULT STDMETHODCALLTYPE FindAttribute(int attribute, VARIANT value, BOOL, uia::ITextRangeProvider** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!range_.Alive()) return uia::kElementNotAvailable;
    // The one attribute we know holds for the whole text at once.
    if (attribute == uia::kIsReadOnlyAttribute && value.vt == VT_BOOL &&
        (value.boolVal != VARIANT_FALSE) == provider_->Owner()->Editor().ReadOnly())
      *out = provider_->NewRange(range_.Range());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE FindText(BSTR text, BOOL backward, BOOL ignoreCase,
                                     uia::ITextRangeProvider** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    const std::u16string_view what(reinterpret_cast<const char16_t*>(text), text ? SysStringLen(text) : 0);
    std::optional<TRange> found;
    const HRESULT hr = Result(range_.FindText(what, backward != FALSE, ignoreCase != FALSE, found));
    if (found) *out = provider_->NewRange(*found);
    return hr;
  }
  HRESULT STDMETHODCALLTYPE GetAttributeValue(int attribute, VARIANT* out) override {
    if (!out) return E_POINTER;
    VariantInit(out);
    if (!range_.Alive()) return uia::kElementNotAvailable;
    if (attribute == uia::kIsReadOnlyAttribute) {
      win::SetVariantBool(*out, provider_->Owner()->Editor().ReadOnly());
    } else if (auto fn = uia::Functions().GetReservedNotSupportedValue) {
      win::ComPtr<IUnknown> reserved;
      if (SUCCEEDED(fn(reserved.Put()))) win::SetVariantUnknown(*out, reserved.Get());
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::vector<TRowBox> boxes;
    if (const HRESULT hr = Result(range_.Boxes(boxes)); FAILED(hr)) return hr;
    std::vector<double> coords;
    for (const TRowBox& b : boxes) {
      POINT p{b.Left, b.Top};
      ClientToScreen(provider_->Owner()->Window(), &p);
      coords.insert(coords.end(), {double(p.x), double(p.y), double(b.Width), double(b.Height)});
    }
    *out = win::MakeDoubleArray(coords.data(), coords.size());
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!range_.Alive()) return uia::kElementNotAvailable;
    *out = provider_.Copy();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::u16string text;
    if (const HRESULT hr = Result(range_.GetText(maxLength, text)); FAILED(hr)) return hr;
    *out = win::MakeBstr(text);
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE Move(int unit, int count, int* out) override {
    if (!out) return E_POINTER;
    *out = 0;
    return Result(range_.Move(unit, count, *out));
  }
  HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(int endpoint, int unit, int count, int* out) override {
    if (!out) return E_POINTER;
    *out = 0;
    return Result(range_.MoveEndpointByUnit(endpoint, unit, count, *out));
  }
  HRESULT STDMETHODCALLTYPE MoveEndpointByRange(int endpoint, uia::ITextRangeProvider* target,
                                                int targetEndpoint) override {
    return Result(range_.MoveEndpointByRange(endpoint, Ours(target), targetEndpoint));
  }
  HRESULT STDMETHODCALLTYPE Select() override { return Result(range_.Select()); }
  HRESULT STDMETHODCALLTYPE AddToSelection() override {
    return range_.Alive() ? kInvalidOperation : uia::kElementNotAvailable;
  }
  HRESULT STDMETHODCALLTYPE RemoveFromSelection() override {
    return range_.Alive() ? kInvalidOperation : uia::kElementNotAvailable;
  }
  HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) override {
    return Result(range_.ScrollIntoView(alignToTop != FALSE));
  }
  HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!range_.Alive()) return uia::kElementNotAvailable;
    *out = win::MakeUnknownArray(nullptr, 0);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

 private:
  friend class win::ComRefCount;  // deletes it with the last reference
  ~TPaneRange() = default;
  // Our range behind a client's pointer (null for another kind); whose pane it belongs
  // to is the portable range's to judge.
  static const TTextRange* Ours(uia::ITextRangeProvider* range) {
    void* p = nullptr;
    if (!range || FAILED(range->QueryInterface(kIID_PaneRange, &p))) return nullptr;
    auto* ours = static_cast<TPaneRange*>(static_cast<uia::ITextRangeProvider*>(p));
    ours->Release();  // the caller's reference keeps it
    return &ours->range_;
  }

  // Declared first: the range's endpoints go before the provider's last reference does.
  win::ComPtr<TPaneProvider> provider_;
  TTextRange range_;
  win::ComRefCount refs_;
};
}  // namespace

uia::ITextRangeProvider* TPaneProvider::NewRange(TRange r) { return new TPaneRange(this, r); }

HRESULT TPaneProvider::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IRawElementProviderSimple)
    *out = static_cast<IRawElementProviderSimple*>(this);
  else if (iid == uia::IID_TextProvider)
    *out = static_cast<uia::ITextProvider*>(this);
  else if (iid == uia::IID_ValueProvider)
    *out = static_cast<uia::IValueProvider*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT TPaneProvider::get_ProviderOptions(ProviderOptions* out) {
  if (!out) return E_POINTER;
  *out = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
  return S_OK;
}

HRESULT TPaneProvider::GetPatternProvider(PATTERNID id, IUnknown** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  if (id == uia::kTextPatternId)
    *out = static_cast<uia::ITextProvider*>(this);
  else if (id == uia::kValuePatternId)
    *out = static_cast<uia::IValueProvider*>(this);
  if (*out) AddRef();
  return S_OK;
}

HRESULT TPaneProvider::GetPropertyValue(PROPERTYID id, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  if (!owner_) return uia::kElementNotAvailable;
  const HWND hwnd = owner_->Window();
  switch (id) {
    case uia::kControlTypeProperty:
      win::SetVariantInt(*out, uia::kEditControlType);
      break;
    case uia::kNameProperty:
      win::SetVariant(*out, u"取得データ");
      break;
    case uia::kAutomationIdProperty:
      win::SetVariant(*out, u"Data");
      break;
    case uia::kIsKeyboardFocusableProperty:
      win::SetVariantBool(*out, IsWindowEnabled(hwnd) != FALSE);
      break;
    case uia::kHasKeyboardFocusProperty:
      win::SetVariantBool(*out, GetFocus() == hwnd);
      break;
    case uia::kIsEnabledProperty:
      win::SetVariantBool(*out, IsWindowEnabled(hwnd) != FALSE);
      break;
    case uia::kIsPasswordProperty:
      win::SetVariantBool(*out, false);
      break;
    default:
      break;  // VT_EMPTY: the host provider's or the system's default
  }
  return S_OK;
}

HRESULT TPaneProvider::get_HostRawElementProvider(IRawElementProviderSimple** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  auto fn = uia::Functions().HostProviderFromHwnd;
  return fn ? fn(owner_->Window(), out) : S_OK;
}

HRESULT TPaneProvider::RangeArray(TRange r, SAFEARRAY** out) {
  win::ComPtr<uia::ITextRangeProvider> range(NewRange(r));
  IUnknown* item = range.Get();
  *out = win::MakeUnknownArray(&item, 1);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT TPaneProvider::GetSelection(SAFEARRAY** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  return RangeArray(owner_->Text().Selection(), out);
}

HRESULT TPaneProvider::GetVisibleRanges(SAFEARRAY** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  return RangeArray(owner_->Text().Visible(), out);
}

HRESULT TPaneProvider::RangeFromChild(IRawElementProviderSimple*, uia::ITextRangeProvider** out) {
  if (out) *out = nullptr;
  return E_INVALIDARG;  // the pane has no children
}

HRESULT TPaneProvider::RangeFromPoint(uia::Point point, uia::ITextRangeProvider** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  const std::optional<TPoint> pixel = PixelPoint(point.x, point.y);
  if (!pixel) return E_INVALIDARG;
  POINT p{pixel->X, pixel->Y};
  ScreenToClient(owner_->Window(), &p);
  *out = NewRange(owner_->Text().AtPoint(p.x, p.y));
  return S_OK;
}

HRESULT TPaneProvider::get_DocumentRange(uia::ITextRangeProvider** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  *out = NewRange({0, owner_->Text().Length()});
  return S_OK;
}

HRESULT TPaneProvider::get_SupportedTextSelection(int* out) {
  if (!out) return E_POINTER;
  *out = uia::SupportedTextSelection_Single;
  return S_OK;
}

HRESULT TPaneProvider::SetValue(LPCWSTR value) {
  if (!owner_) return uia::kElementNotAvailable;
  if (owner_->Editor().ReadOnly()) return uia::kElementNotEnabled;
  // A pasted value keeps its place for what the code page lacks: "〓" or a base letter.
  owner_->Editor().Lines().SetText(value ? win::ToCodePage932(value) : std::string());
  return S_OK;
}

HRESULT TPaneProvider::get_Value(BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!owner_) return uia::kElementNotAvailable;
  *out = win::MakeBstr(owner_->Text().WholeText());
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT TPaneProvider::get_IsReadOnly(BOOL* out) {
  if (!out) return E_POINTER;
  if (!owner_) return uia::kElementNotAvailable;
  *out = owner_->Editor().ReadOnly();
  return S_OK;
}

}  // namespace glean::access
