#pragma once
// The objects of the document view's accessibility tree: one IAccessible per node, the
// children in order. A child marked `simple` is answered by its parent under its number,
// as list items often are.
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace sample_app {

class DocumentNode : public IAccessible {
 public:
  DocumentNode(long role, std::wstring name, std::wstring value = {}, long state = 0)
      : role_(role), name_(std::move(name)), value_(std::move(value)), state_(state) {}
  virtual ~DocumentNode() = default;

  DocumentNode* Add(DocumentNode* child, bool simple = false);
  // The tree hangs once this object's name is asked for.
  void MakeHang() { hangs_ = true; }
  // Also lists an object that is already in the tree (a broken tree).
  void AddExisting(DocumentNode* node) { children_.push_back({node, false}); }
  // Places every node on a row of `rowHeight` pixels in depth-first order below `top`
  // of the window; answers the next free row.
  int Place(HWND window, int row, int rowHeight);
  // Paints the names of this node and its own children on their rows.
  void Draw(HDC dc, int depth) const;

  // IUnknown: the tree lives as long as its window's process.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  // IDispatch: no type information, as many servers.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* out) override { return Empty(out); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override { return Empty(out); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, long*) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* out) override { return Empty(out); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* out) override { return Empty(out); }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  struct Child {
    DocumentNode* node;
    bool simple;
  };
  static HRESULT Empty(BSTR* out) {
    *out = nullptr;
    return S_FALSE;
  }
  // The node that `child` names: this one, or a child by its number; null if none.
  DocumentNode* Target(const VARIANT& child);
  bool Contains(long x, long y) const;

  long role_;
  std::wstring name_, value_;
  long state_;
  bool hangs_ = false;
  std::vector<Child> children_;
  DocumentNode* parent_ = nullptr;
  HWND window_ = nullptr;
  int row_ = 0, lastRow_ = 0, rowHeight_ = 0;
};

// The tree of a mode ("normal", "hang", "cycle", "huge", "bench"), or null for an unknown
// mode.
DocumentNode* BuildDocumentTree(const std::string& mode);

}  // namespace sample_app
