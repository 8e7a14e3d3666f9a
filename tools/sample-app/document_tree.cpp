// The document view's tree: its objects and the trees of the four modes.
#include "document_tree.h"

#include <string>

namespace sample_app {

namespace {
BSTR Copy(const std::wstring& text) {
  return text.empty() ? nullptr : SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void SetI4(VARIANT* out, long value) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
}
}  // namespace

DocumentNode* DocumentNode::Add(DocumentNode* child, bool simple) {
  child->parent_ = this;
  children_.push_back({child, simple});
  return child;
}

int DocumentNode::Place(HWND window, int row, int rowHeight) {
  window_ = window;
  rowHeight_ = rowHeight;
  row_ = row++;
  for (Child& c : children_)
    if (c.node->parent_ == this) row = c.node->Place(window, row, rowHeight);
  lastRow_ = row - 1;
  return row;
}

void DocumentNode::Draw(HDC dc, int depth) const {
  TextOutW(dc, 4 + depth * 16, row_ * rowHeight_, name_.c_str(), static_cast<int>(name_.size()));
  for (const Child& c : children_)
    if (c.node->parent_ == this) c.node->Draw(dc, depth + 1);
}

bool DocumentNode::Contains(long x, long y) const {
  RECT r{};
  GetClientRect(window_, &r);
  POINT p{x, y};
  ScreenToClient(window_, &p);
  return p.x >= 0 && p.x < r.right && p.y >= row_ * rowHeight_ && p.y < (lastRow_ + 1) * rowHeight_;
}

DocumentNode* DocumentNode::Target(const VARIANT& child) {
  if (child.vt != VT_I4) return nullptr;
  if (child.lVal == CHILDID_SELF) return this;
  if (child.lVal < 1 || child.lVal > static_cast<long>(children_.size())) return nullptr;
  return children_[static_cast<size_t>(child.lVal - 1)].node;
}

HRESULT DocumentNode::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT DocumentNode::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT DocumentNode::get_accParent(IDispatch** parent) {
  *parent = parent_;
  return parent_ ? S_OK : S_FALSE;
}

HRESULT DocumentNode::get_accChildCount(long* count) {
  *count = static_cast<long>(children_.size());
  return S_OK;
}

HRESULT DocumentNode::get_accChild(VARIANT child, IDispatch** out) {
  *out = nullptr;
  if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<long>(children_.size()))
    return E_INVALIDARG;
  const Child& c = children_[static_cast<size_t>(child.lVal - 1)];
  if (c.simple) return S_FALSE;  // answered by this object under its number
  *out = c.node;
  return S_OK;
}

HRESULT DocumentNode::get_accName(VARIANT child, BSTR* out) {
  DocumentNode* node = Target(child);
  if (!node) return E_INVALIDARG;
  if (node->hangs_) Sleep(INFINITE);  // a server stuck inside a call
  *out = Copy(node->name_);
  return *out ? S_OK : S_FALSE;
}

HRESULT DocumentNode::get_accValue(VARIANT child, BSTR* out) {
  DocumentNode* node = Target(child);
  if (!node) return E_INVALIDARG;
  *out = Copy(node->value_);
  return *out ? S_OK : S_FALSE;
}

HRESULT DocumentNode::get_accRole(VARIANT child, VARIANT* out) {
  DocumentNode* node = Target(child);
  if (!node) return E_INVALIDARG;
  SetI4(out, node->role_);
  return S_OK;
}

HRESULT DocumentNode::get_accState(VARIANT child, VARIANT* out) {
  DocumentNode* node = Target(child);
  if (!node) return E_INVALIDARG;
  SetI4(out, node->state_);
  return S_OK;
}

HRESULT DocumentNode::get_accFocus(VARIANT* out) {
  VariantInit(out);
  return S_FALSE;
}

HRESULT DocumentNode::get_accSelection(VARIANT* out) {
  VariantInit(out);
  return S_FALSE;
}

HRESULT DocumentNode::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
  DocumentNode* node = Target(child);
  if (!node) return E_INVALIDARG;
  RECT r{};
  GetClientRect(window_, &r);
  POINT p{0, node->row_ * rowHeight_};
  ClientToScreen(window_, &p);
  *x = p.x;
  *y = p.y;
  *w = r.right;
  *h = (node->lastRow_ - node->row_ + 1) * rowHeight_;
  return S_OK;
}

HRESULT DocumentNode::accHitTest(long x, long y, VARIANT* out) {
  VariantInit(out);
  if (!Contains(x, y)) return S_FALSE;
  for (size_t i = 0; i < children_.size(); ++i) {
    const Child& c = children_[i];
    if (c.node->parent_ != this || !c.node->Contains(x, y)) continue;
    if (c.simple) {
      SetI4(out, static_cast<long>(i + 1));
    } else {
      out->vt = VT_DISPATCH;
      out->pdispVal = c.node;
    }
    return S_OK;
  }
  SetI4(out, CHILDID_SELF);
  return S_OK;
}

namespace {
DocumentNode* Node(long role, const wchar_t* name, const wchar_t* value = L"", long state = 0) {
  return new DocumentNode(role, name, value, state);  // lives as long as the process
}

DocumentNode* NormalTree(DocumentNode** hangAt, DocumentNode** cycleAt) {
  DocumentNode* root = Node(ROLE_SYSTEM_DOCUMENT, L"サンプル文書");
  DocumentNode* heading = root->Add(Node(ROLE_SYSTEM_GROUPING, L"見出し"));
  heading->Add(Node(ROLE_SYSTEM_STATICTEXT, L"見出し"));  // a text leaf repeating its parent
  heading->Add(Node(ROLE_SYSTEM_STATICTEXT, L"ようこそ、Glean の文書へ。"));
  DocumentNode* form = root->Add(Node(ROLE_SYSTEM_GROUPING, L""));
  DocumentNode* link = form->Add(Node(ROLE_SYSTEM_LINK, L"詳しくはこちら"));
  link->Add(Node(ROLE_SYSTEM_STATICTEXT, L"詳しくはこちら"));
  form->Add(Node(ROLE_SYSTEM_PUSHBUTTON, L"送信"));
  *hangAt = form->Add(Node(ROLE_SYSTEM_CHECKBUTTON, L"同意する", L"", STATE_SYSTEM_CHECKED));
  form->Add(Node(ROLE_SYSTEM_RADIOBUTTON, L"赤"));
  form->Add(Node(ROLE_SYSTEM_TEXT, L"氏名", L"山田太郎"));
  form->Add(Node(ROLE_SYSTEM_TEXT, L"同じ", L"同じ"));
  form->Add(Node(ROLE_SYSTEM_GRAPHIC, L"ロゴ"));
  DocumentNode* hidden = root->Add(Node(ROLE_SYSTEM_GROUPING, L"隠れた部分", L"", STATE_SYSTEM_INVISIBLE));
  hidden->Add(Node(ROLE_SYSTEM_STATICTEXT, L"見えない文字"));
  DocumentNode* notice = root->Add(Node(ROLE_SYSTEM_PANE, L"お知らせ"));
  DocumentNode* inner = notice->Add(Node(ROLE_SYSTEM_GROUPING, L"お知らせ"));  // repeats the line before
  inner->Add(Node(ROLE_SYSTEM_STATICTEXT, L"本日は晴天なり"));
  *cycleAt = inner;
  DocumentNode* list = root->Add(Node(ROLE_SYSTEM_LIST, L"一覧"));
  list->Add(Node(ROLE_SYSTEM_LISTITEM, L"項目一"), true);
  list->Add(Node(ROLE_SYSTEM_LISTITEM, L"項目二"), true);
  root->Add(Node(ROLE_SYSTEM_PAGETAB, L"設定"));
  root->Add(Node(ROLE_SYSTEM_MENUITEM, L"開く"));
  root->Add(Node(ROLE_SYSTEM_COMBOBOX, L"色", L"青"));
  root->Add(Node(ROLE_SYSTEM_STATICTEXT, L"", L"値だけ"));
  root->Add(Node(ROLE_SYSTEM_STATICTEXT, L"Café Ångström"));
  root->Add(Node(ROLE_SYSTEM_STATICTEXT, L"絵文字\U0001F600です"));
  return root;
}

// Groups of texts: "huge" holds more objects than a reader takes, "bench" a few thousand.
DocumentNode* GroupsOfTexts(int groups, int texts) {
  DocumentNode* root = Node(ROLE_SYSTEM_DOCUMENT, L"大きな文書");
  for (int g = 0; g < groups; ++g) {
    DocumentNode* group = root->Add(Node(ROLE_SYSTEM_GROUPING, L""));
    for (int i = 0; i < texts; ++i)
      group->Add(Node(ROLE_SYSTEM_STATICTEXT, (L"項目 " + std::to_wstring(g) + L"-" + std::to_wstring(i)).c_str()));
  }
  return root;
}
}  // namespace

DocumentNode* BuildDocumentTree(const std::string& mode) {
  if (mode == "huge") return GroupsOfTexts(120, 100);
  if (mode == "bench") return GroupsOfTexts(40, 50);
  DocumentNode* hangAt = nullptr;
  DocumentNode* cycleAt = nullptr;
  DocumentNode* root = NormalTree(&hangAt, &cycleAt);
  if (mode == "hang") {
    hangAt->MakeHang();
  } else if (mode == "cycle") {
    cycleAt->AddExisting(root);
    cycleAt->AddExisting(cycleAt);
  } else if (mode != "normal") {
    return nullptr;
  }
  return root;
}

}  // namespace sample_app
