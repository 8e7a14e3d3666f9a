#include "control_builder.h"
#include "document_view.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "fill.h"

namespace sample_app {
namespace {

struct KindInfo {
  Kind kind;
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

constexpr DWORD kListStyle = WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD kBarStyle = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;

constexpr KindInfo kKinds[] = {
    {Kind::Label, "STATIC", SS_LEFT, 0},
    {Kind::Button, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {Kind::CheckBox, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {Kind::GroupBox, "BUTTON", BS_GROUPBOX, 0},
    {Kind::Edit, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {Kind::MultiEdit, "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {Kind::DropDownCombo, "COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0},
    {Kind::DropListCombo, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0},
    {Kind::ListBox, "LISTBOX", kListStyle, 0},
    {Kind::MultiListBox, "LISTBOX", kListStyle | LBS_EXTENDEDSEL, 0},
    {Kind::ListView, WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0},
    {Kind::TreeView, WC_TREEVIEWA,
     TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 0},
    {Kind::StatusBar, STATUSCLASSNAMEA, 0, 0},
    {Kind::ToolBar, TOOLBARCLASSNAMEA, kBarStyle | TBSTYLE_FLAT | TBSTYLE_LIST, 0},
    {Kind::Tab, WC_TABCONTROLA, WS_CLIPSIBLINGS | WS_TABSTOP, 0},
};

const KindInfo& InfoOf(Kind kind) {
  return *std::find_if(std::begin(kKinds), std::end(kKinds),
                       [kind](const KindInfo& info) { return info.kind == kind; });
}

bool TakesTextAfterCreation(Kind kind) { return kind == Kind::Edit || kind == Kind::MultiEdit; }

void Fill(HWND control, const ControlEntry& entry) {
  if (TakesTextAfterCreation(entry.kind)) {
    // Lift the edit limit first, or a long text would be cut at the default limit.
    SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(control, entry.text.c_str());
  }
  if (entry.checked) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
  if (const auto* items = std::get_if<ListItems>(&entry.content)) {
    if (entry.kind == Kind::DropDownCombo || entry.kind == Kind::DropListCombo)
      FillComboBox(control, *items);
    else
      FillListBox(control, *items, entry.kind == Kind::MultiListBox);
  } else if (const auto* view = std::get_if<ListViewData>(&entry.content)) {
    FillListView(control, *view);
  } else if (const auto* tree = std::get_if<TreeData>(&entry.content)) {
    FillTreeView(control, *tree);
  } else if (const auto* status = std::get_if<StatusData>(&entry.content)) {
    FillStatusBar(control, *status);
  } else if (const auto* tools = std::get_if<ToolBarData>(&entry.content)) {
    FillToolBar(control, *tools);
  } else if (const auto* tab = std::get_if<TabData>(&entry.content)) {
    FillTab(control, *tab);
  }
}

int ShownPage(const std::vector<ControlEntry>& entries) {
  for (const ControlEntry& entry : entries)
    if (const auto* tab = std::get_if<TabData>(&entry.content)) return tab->shown;
  return 0;
}

BOOL CALLBACK ShowIfOnPage(HWND child, LPARAM page) {
  const auto tag = reinterpret_cast<INT_PTR>(GetPropA(child, kPageProperty));
  if (tag != 0) ShowWindow(child, tag - 1 == page ? SW_SHOW : SW_HIDE);
  return TRUE;
}

BOOL CALLBACK ForgetPage(HWND child, LPARAM) {
  RemovePropA(child, kPageProperty);
  return TRUE;
}

}  // namespace

HWND CreateControl(HWND parent, const ControlEntry& entry, int shown_page) {
  if (entry.kind == Kind::Document) return CreateDocumentView(parent, entry);
  const KindInfo& info = InfoOf(entry.kind);
  const bool visible = entry.page < 0 || entry.page == shown_page;
  const char* text = TakesTextAfterCreation(entry.kind) ? "" : entry.text.c_str();
  const auto* view = std::get_if<ListViewData>(&entry.content);
  const DWORD ownerData = view && view->owner_data ? LVS_OWNERDATA : 0;  // fixed at creation
  HWND control = CreateWindowExA(
      info.ex_style, info.window_class, text, WS_CHILD | (visible ? WS_VISIBLE : 0) | info.style | ownerData,
      entry.rect.x, entry.rect.y, entry.rect.width, entry.rect.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), GetModuleHandleA(nullptr), nullptr);
  if (!control) return nullptr;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (entry.page >= 0)
    SetPropA(control, kPageProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(entry.page + 1)));
  Fill(control, entry);
  return control;
}

void CreateControls(HWND parent, const std::vector<ControlEntry>& entries) {
  const int shown = ShownPage(entries);
  for (const ControlEntry& entry : entries) CreateControl(parent, entry, shown);
}

void ShowTabPage(HWND parent, int page) { EnumChildWindows(parent, ShowIfOnPage, page); }

void ForgetTabPages(HWND parent) { EnumChildWindows(parent, ForgetPage, 0); }

}  // namespace sample_app
