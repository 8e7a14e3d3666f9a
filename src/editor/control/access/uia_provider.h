// The pane's UI Automation provider (element, text and value patterns) and its text
// ranges. Both answer only while the pane lives; afterwards every call says the element
// is gone.
#pragma once

#include "editor/control/access/pane_access.h"
#include "editor/control/access/text_range.h"

namespace glean::access {

class TPaneProvider : public IRawElementProviderSimple, public uia::ITextProvider, public uia::IValueProvider {
 public:
  explicit TPaneProvider(TPaneAccess* owner) : owner_(owner), home_(&owner->Text()) {}
  void Disconnect() {
    owner_ = nullptr;
    home_.Disconnect();
  }
  TPaneAccess* Owner() const { return owner_; }
  // What this provider's ranges share; a range of another provider has another home.
  TRangeHome& Home() { return home_; }

  // IUnknown (one identity: IRawElementProviderSimple's)
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return refs_.Release(this); }
  // IRawElementProviderSimple
  HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* out) override;
  HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID id, IUnknown** out) override;
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID id, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override;
  // ITextProvider
  HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** out) override;
  HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** out) override;
  HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child, uia::ITextRangeProvider** out) override;
  HRESULT STDMETHODCALLTYPE RangeFromPoint(uia::Point point, uia::ITextRangeProvider** out) override;
  HRESULT STDMETHODCALLTYPE get_DocumentRange(uia::ITextRangeProvider** out) override;
  HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(int* out) override;
  // IValueProvider
  HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Value(BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* out) override;

  // A new range object (one reference) over [start, end).
  uia::ITextRangeProvider* NewRange(TRange r);

 private:
  friend class win::ComRefCount;  // deletes it with the last reference
  virtual ~TPaneProvider() = default;
  HRESULT RangeArray(TRange r, SAFEARRAY** out);

  TPaneAccess* owner_;
  TRangeHome home_;
  win::ComRefCount refs_;
};

}  // namespace glean::access
