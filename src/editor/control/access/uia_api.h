// What the pane uses of UI Automation that mingw-w64's headers lack: the text and value
// pattern interfaces with their GUIDs, the identifiers, and the flat functions of
// uiautomationcore.dll, loaded one by one (older systems and Wine lack some of them).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

namespace glean::uia {

struct Point {
  double x, y;
};

enum TextUnit { TextUnit_Character = 0, TextUnit_Document = 6 };
enum Endpoint { Endpoint_Start = 0, Endpoint_End = 1 };
enum { SupportedTextSelection_Single = 1 };

constexpr LONG kRootObjectId = -25;
constexpr int kValuePatternId = 10002, kTextPatternId = 10014;
constexpr int kControlTypeProperty = 30003, kNameProperty = 30005, kHasKeyboardFocusProperty = 30008,
              kIsKeyboardFocusableProperty = 30009, kIsEnabledProperty = 30010, kAutomationIdProperty = 30011,
              kNativeWindowHandleProperty = 30020, kIsPasswordProperty = 30019,
              kValueIsReadOnlyProperty = 30046;
constexpr int kEditControlType = 50004;
constexpr int kIsReadOnlyAttribute = 40015;
constexpr int kFocusChangedEvent = 20005, kTextSelectionChangedEvent = 20014, kTextChangedEvent = 20015;
constexpr int kNotificationKindActionCompleted = 2, kNotificationProcessingMostRecent = 3;
constexpr HRESULT kElementNotEnabled = static_cast<HRESULT>(0x80040200);
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

// {3589C92C-63F3-4367-99BB-ADA653B77CF2}
constexpr GUID IID_TextProvider = {0x3589c92c, 0x63f3, 0x4367, {0x99, 0xbb, 0xad, 0xa6, 0x53, 0xb7, 0x7c, 0xf2}};
// {5347AD7B-C355-46F8-AFF5-909033582F63}
constexpr GUID IID_TextRangeProvider = {0x5347ad7b, 0xc355, 0x46f8, {0xaf, 0xf5, 0x90, 0x90, 0x33, 0x58, 0x2f, 0x63}};
// {C7935180-6FB3-4201-B174-7DF73ADBF64A}
constexpr GUID IID_ValueProvider = {0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};

struct ITextRangeProvider;

struct IValueProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR val) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* out) = 0;
};

struct ITextProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child, ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(Point point, ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(int* out) = 0;
};

struct ITextRangeProvider : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE Compare(ITextRangeProvider* range, BOOL* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareEndpoints(int endpoint, ITextRangeProvider* target, int targetEndpoint,
                                                     int* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(int unit) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAttribute(int attribute, VARIANT value, BOOL backward,
                                                  ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindText(BSTR text, BOOL backward, BOOL ignoreCase, ITextRangeProvider** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAttributeValue(int attribute, VARIANT* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** out) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE Move(int unit, int count, int* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(int endpoint, int unit, int count, int* out) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByRange(int endpoint, ITextRangeProvider* target,
                                                        int targetEndpoint) = 0;
  virtual HRESULT STDMETHODCALLTYPE Select() = 0;
  virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
  virtual HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** out) = 0;
};

// The flat functions; each is null where the system lacks it. Tests may put recorders
// in place of the raise functions.
struct Api {
  LRESULT(WINAPI* ReturnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*) = nullptr;
  HRESULT(WINAPI* HostProviderFromHwnd)(HWND, IRawElementProviderSimple**) = nullptr;
  BOOL(WINAPI* ClientsAreListening)() = nullptr;
  HRESULT(WINAPI* RaiseAutomationEvent)(IRawElementProviderSimple*, int) = nullptr;
  HRESULT(WINAPI* RaiseNotificationEvent)(IRawElementProviderSimple*, int, int, BSTR, BSTR) = nullptr;
  HRESULT(WINAPI* GetReservedNotSupportedValue)(IUnknown**) = nullptr;
  HRESULT(WINAPI* DisconnectProvider)(IRawElementProviderSimple*) = nullptr;
};

// Loaded on first use.
Api& Functions();

}  // namespace glean::uia
