// The pane's UI Automation provider and MSAA object in the pane's own process: the text
// pattern over a real TEditor window, the events a capture and a caret move raise, and
// characters typed as Unicode key events.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <climits>
#include <cmath>
#include <vector>

#include "editor/control/access/uia_api.h"
#include "harness/input.h"
#include "harness/process.h"
#include "pane_form.h"
#include "ui/application.h"

namespace glean::testing {
namespace {
using test::WaitUntil;
using uia::ITextProvider;
using uia::ITextRangeProvider;

std::u16string Wide(BSTR b) {
  std::u16string s(reinterpret_cast<const char16_t*>(b), SysStringLen(b));
  SysFreeString(b);
  return s;
}

std::u16string RangeText(ITextRangeProvider* r, int max = -1) {
  BSTR b = nullptr;
  EXPECT_EQ(r->GetText(max, &b), S_OK);
  return Wide(b);
}

std::u16string PaneTextWidened(HWND pane) {
  char buf[4096];
  const int n = int(SendMessageA(pane, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)));
  std::wstring w(size_t(n), L'\0');
  w.resize(size_t(MultiByteToWideChar(932, 0, buf, n, w.data(), n)));
  return std::u16string(w.begin(), w.end());
}

struct ComScope {
  ComScope() { OleInitialize(nullptr); }
  ~ComScope() { OleUninitialize(); }
};

TEST(PaneAccess, TextPatternOfTheRealPane) {
  ComScope com;
  PaneForm form;
  TEditor& e = form.Data();
  win::ComPtr<IRawElementProviderSimple> provider(e.Access().Provider());
  win::ComPtr<ITextProvider> text;
  ASSERT_EQ(provider->QueryInterface(uia::IID_TextProvider, reinterpret_cast<void**>(text.Put())), S_OK);
  VARIANT v;
  provider->GetPropertyValue(uia::kNameProperty, &v);
  EXPECT_EQ(Wide(v.bstrVal), u"取得データ");
  provider->GetPropertyValue(uia::kControlTypeProperty, &v);
  EXPECT_EQ(v.lVal, uia::kEditControlType);

  win::ComPtr<ITextRangeProvider> doc;
  ASSERT_EQ(text->get_DocumentRange(doc.Put()), S_OK);
  EXPECT_EQ(RangeText(doc.Get()), PaneTextWidened(e.Handle()));
  EXPECT_EQ(RangeText(doc.Get(), 5), PaneTextWidened(e.Handle()).substr(0, 5));

  // The caret as an empty range; a moved caret, a selection made through the range.
  e.SetSelStart(int(e.Lines().Get(0).size()) + 2);
  SAFEARRAY* array = nullptr;
  ASSERT_EQ(text->GetSelection(&array), S_OK);
  LONG index = 0;
  win::ComPtr<ITextRangeProvider> caret;
  SafeArrayGetElement(array, &index, caret.Put());
  SafeArrayDestroy(array);
  EXPECT_EQ(RangeText(caret.Get()), u"");
  int moved = 0;
  ASSERT_EQ(caret->ExpandToEnclosingUnit(3 /* Line */), S_OK);
  EXPECT_EQ(RangeText(caret.Get()), u"サンプル アプリ\r\n");
  EXPECT_EQ(caret->Move(3, 1, &moved), S_OK);
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(RangeText(caret.Get()), std::u16string(u"∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n"));
  EXPECT_EQ(caret->Select(), S_OK);
  EXPECT_EQ(e.SelText(), "∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n");

  // One box per screen row, on the screen.
  ASSERT_EQ(caret->GetBoundingRectangles(&array), S_OK);
  EXPECT_EQ(array->rgsabound[0].cElements, 4u);
  SafeArrayDestroy(array);
  ASSERT_EQ(doc->GetBoundingRectangles(&array), S_OK);
  EXPECT_EQ(array->rgsabound[0].cElements, 4u * ULONG(std::min(e.VisibleRows(), e.ListRows().Count())));
  SafeArrayDestroy(array);

  // Search, comparison, the read-only attribute and the refused value.
  win::ComPtr<ITextRangeProvider> found;
  BSTR what = SysAllocString(L"ｽﾀﾃｨｯｸ");
  ASSERT_EQ(doc->FindText(what, FALSE, FALSE, found.Put()), S_OK);
  SysFreeString(what);
  ASSERT_TRUE(found);
  int order = 0;
  found->CompareEndpoints(uia::Endpoint_Start, caret.Get(), uia::Endpoint_Start, &order);
  EXPECT_EQ(order, 2);  // after "∇ "
  // Endpoints by range and by unit, copies, the element, scrolling.
  win::ComPtr<ITextRangeProvider> copy;
  ASSERT_EQ(caret->Clone(copy.Put()), S_OK);
  ASSERT_EQ(copy->MoveEndpointByRange(uia::Endpoint_End, found.Get(), uia::Endpoint_End), S_OK);
  EXPECT_EQ(RangeText(copy.Get()), u"∇ ｽﾀﾃｨｯｸ");
  EXPECT_EQ(copy->MoveEndpointByUnit(uia::Endpoint_End, 0 /* Character */, 2, &moved), S_OK);
  EXPECT_EQ(moved, 2);
  EXPECT_EQ(RangeText(copy.Get()), u"∇ ｽﾀﾃｨｯｸﾃｷ");
  BOOL same = TRUE;
  EXPECT_EQ(copy->Compare(caret.Get(), &same), S_OK);
  EXPECT_FALSE(same);
  win::ComPtr<IRawElementProviderSimple> element;
  ASSERT_EQ(found->GetEnclosingElement(element.Put()), S_OK);
  EXPECT_EQ(element.Get(), provider.Get());
  ASSERT_EQ(found->ScrollIntoView(TRUE), S_OK);
  EXPECT_EQ(e.TopRow(), 2);
  ASSERT_EQ(text->GetVisibleRanges(&array), S_OK);
  win::ComPtr<ITextRangeProvider> visible;
  SafeArrayGetElement(array, &index, visible.Put());
  SafeArrayDestroy(array);
  EXPECT_EQ(RangeText(visible.Get(), 16), u"∇ ｽﾀﾃｨｯｸﾃｷｽﾄ ∇\r\n");
  // The character under a point: "ザ" of the row below the top one ("ユーザー名:").
  POINT p{e.LeftOffset() + 4 * e.CharWidth() + 1, e.TopOffset() + e.RowHeight() + 2};
  ClientToScreen(e.Handle(), &p);
  win::ComPtr<ITextRangeProvider> at;
  ASSERT_EQ(text->RangeFromPoint({double(p.x), double(p.y)}, at.Put()), S_OK);
  at->ExpandToEnclosingUnit(0 /* Character */);
  EXPECT_EQ(RangeText(at.Get()), u"ザ");

  e.SetReadOnly(true);
  found->GetAttributeValue(uia::kIsReadOnlyAttribute, &v);
  EXPECT_EQ(v.boolVal, VARIANT_TRUE);
  win::ComPtr<uia::IValueProvider> value;
  ASSERT_EQ(provider->QueryInterface(uia::IID_ValueProvider, reinterpret_cast<void**>(value.Put())), S_OK);
  EXPECT_EQ(value->SetValue(L"x"), uia::kElementNotEnabled);
  e.SetReadOnly(false);
  // What the code page lacks, or the system maps to bytes that are no Shift-JIS
  // (U+F8F1 to 0xFD): the one rule's stand-ins.
  EXPECT_EQ(value->SetValue(L"caf\u00E9\u2603\uF8F1"), S_OK);
  EXPECT_EQ(e.Lines().GetText(), "cafe〓〓");
  EXPECT_EQ(value->SetValue(L"新しい"), S_OK);
  EXPECT_EQ(e.Lines().GetText(), "新しい");
  EXPECT_EQ(RangeText(doc.Get()), u"新しい");  // the old range, clamped to the new text
  EXPECT_EQ(RangeText(doc.Get(), INT_MAX), u"新しい");
  EXPECT_EQ(text->RangeFromPoint({NAN, 0}, at.Put()), E_INVALIDARG);
  EXPECT_EQ(text->RangeFromPoint({-1e300, 1e300}, at.Put()), S_OK);

  // A range of another pane is no argument for this one's.
  PaneForm second;
  win::ComPtr<IRawElementProviderSimple> otherProvider(second.Data().Access().Provider());
  win::ComPtr<ITextProvider> otherText;
  otherProvider->QueryInterface(uia::IID_TextProvider, reinterpret_cast<void**>(otherText.Put()));
  win::ComPtr<ITextRangeProvider> theirs;
  ASSERT_EQ(otherText->get_DocumentRange(theirs.Put()), S_OK);
  EXPECT_EQ(doc->Compare(theirs.Get(), &same), E_INVALIDARG);
  EXPECT_EQ(doc->MoveEndpointByRange(uia::Endpoint_End, theirs.Get(), uia::Endpoint_End), E_INVALIDARG);
  // The other pane comes to show this one's rows: its ranges read them, clamped.
  second.Data().ShareRowList(e);
  EXPECT_EQ(RangeText(theirs.Get()), u"新しい");

  // MSAA through the window message, in this process.
  const LRESULT lr = SendMessageA(e.Handle(), WM_GETOBJECT, 0, OBJID_CLIENT);
  win::ComPtr<IAccessible> acc;
  ASSERT_EQ(ObjectFromLresult(lr, __uuidof(IAccessible), 0, reinterpret_cast<void**>(acc.Put())), S_OK);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR b = nullptr;
  ASSERT_EQ(acc->get_accValue(self, &b), S_OK);
  EXPECT_EQ(Wide(b), u"新しい");

  // Gone with the window: the objects answer, but as gone.
  e.SetSelStart(0);
  DestroyWindow(form.Handle());
  EXPECT_EQ(doc->GetText(-1, &b), uia::kElementNotAvailable);
  EXPECT_EQ(doc->Compare(found.Get(), &same), uia::kElementNotAvailable);
  EXPECT_EQ(doc->CompareEndpoints(uia::Endpoint_Start, found.Get(), uia::Endpoint_End, &order),
            uia::kElementNotAvailable);
  EXPECT_EQ(doc->MoveEndpointByRange(uia::Endpoint_Start, found.Get(), uia::Endpoint_End), uia::kElementNotAvailable);
  EXPECT_EQ(doc->GetChildren(&array), uia::kElementNotAvailable);
  EXPECT_EQ(doc->AddToSelection(), uia::kElementNotAvailable);
}

std::vector<int> events;
BOOL WINAPI Listening() { return TRUE; }
HRESULT WINAPI RecordEvent(IRawElementProviderSimple*, int id) {
  events.push_back(id);
  return S_OK;
}

TEST(PaneAccess, EventsOnACaptureACaretMoveAndTheFocus) {
  ComScope com;
  PaneForm form;
  TEditor& e = form.Data();
  uia::Api saved = uia::Functions();
  uia::Functions().ClientsAreListening = &Listening;
  uia::Functions().RaiseAutomationEvent = &RecordEvent;
  win::ComPtr<IRawElementProviderSimple> provider(e.Access().Provider());
  events.clear();
  e.Lines().SetText("∇ 新しい取得 ∇\r\nabc\r\n");  // a capture writes the pane so
  EXPECT_NE(std::count(events.begin(), events.end(), uia::kTextChangedEvent), 0);
  events.clear();
  e.SetRowCol(1, 2);
  EXPECT_EQ(events, std::vector<int>{uia::kTextSelectionChangedEvent});
  events.clear();
  SetFocus(form.Handle());
  SetFocus(e.Handle());
  EXPECT_NE(std::count(events.begin(), events.end(), uia::kFocusChangedEvent), 0);
  // Nobody listening: nothing raised.
  uia::Functions().ClientsAreListening = nullptr;
  events.clear();
  e.SetRowCol(0, 0);
  EXPECT_TRUE(events.empty());
  uia::Functions() = saved;
}

TEST(PaneAccess, UnicodeKeyEventsTypeShiftJis) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().Clear();
  SetForegroundWindow(form.Handle());
  SetFocus(e.Handle());
  ASSERT_TRUE(WaitUntil([&] { return GetFocus() == e.Handle(); }));
  test::TypeUnicode(L"あ漢Z");
  // Through Glean's message loop, whose dialog manager under Wine mangled such bytes.
  WaitUntil([&] {
    ui::ProcessMessages(form.Handle());
    return e.Lines().GetText().size() >= 5;
  });
  EXPECT_EQ(e.Lines().GetText(), "\x82\xA0\x8A\xBF\x5A");
  // WM_UNICHAR and WM_IME_CHAR: the whole character; one code page 932 lacks: nothing.
  SendMessageA(e.Handle(), WM_UNICHAR, 0x3044, 0);          // い
  SendMessageA(e.Handle(), WM_UNICHAR, 0x00E9, 0);          // é
  SendMessageA(e.Handle(), WM_UNICHAR, 0x1F600, 0);         // an emoji
  SendMessageA(e.Handle(), WM_IME_CHAR, 0x8A41, 0);         // 漁
  EXPECT_EQ(SendMessageA(e.Handle(), WM_UNICHAR, UNICODE_NOCHAR, 0), TRUE);
  EXPECT_EQ(e.Lines().GetText(), "\x82\xA0\x8A\xBF\x5A\x82\xA2\x8A\x41");
}

}  // namespace
}  // namespace glean::testing
