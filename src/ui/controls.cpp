#include "ui/controls.h"

#include <vector>

#include "win/os_error.h"
#include "win/window_text.h"

namespace glean::ui {

namespace {
HWND CreateChild(const char* cls, const std::string& text, DWORD style, int x, int y, int w, int h,
                 HWND parent, DWORD exStyle = 0) {
  HWND hwnd = CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) win::RaiseLastOSError();
  return hwnd;
}
}  // namespace

// ---- Button ----

Button::Button(HWND parent, Kind kind, const std::string& caption, int x, int y, int width, int height)
    : kind_(kind) {
  DWORD style = WS_TABSTOP | (kind == Kind::CheckBox ? BS_AUTOCHECKBOX : BS_PUSHBUTTON);
  Attach(CreateChild("Button", caption, style, x, y, width, height, parent));
}

std::string Button::Caption() const { return win::OwnWindowText(Handle()); }

void Button::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

bool Button::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Button::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick();
}

bool Button::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
  if (OnClick) OnClick();
  result = 0;
  return true;
}

// ---- ListView ----

ListView::ListView(HWND parent, const std::string& columnCaption, int x, int y, int width, int height) {
  DWORD style = WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                LVS_SHAREIMAGELISTS;
  Attach(CreateChild(WC_LISTVIEWA, "", style, x, y, width, height, parent, WS_EX_CLIENTEDGE));
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP,
               LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(columnCaption.c_str());
  column.cx = width;
  SendMessageA(Handle(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void ListView::SetSmallImages(HIMAGELIST list) {
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list));
}

void ListView::Clear() { SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0); }

int ListView::AddItem(const std::string& caption, int image) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = const_cast<char*>(caption.c_str());
  item.iImage = image;
  return static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

int ListView::Count() const { return static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

std::string ListView::Caption(int index) const {
  // The list keeps at most 259 bytes of a caption; the buffer holds them all.
  std::vector<char> buffer(1024, '\0');
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  SendMessageA(Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buffer.data();
}

int ListView::Selected() const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int index) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void ListView::MakeVisible(int index) { SendMessageA(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE); }

int ListView::ItemAt(int x, int y) const {
  LVHITTESTINFO hit{};
  hit.pt = {x, y};
  int index = static_cast<int>(SendMessageA(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & LVHT_ONITEM) ? index : -1;
}

void ListView::FitColumn() { SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE); }

bool ListView::HandleReflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lp)->code != NM_CLICK) return false;
  if (OnClick) OnClick();
  result = 0;
  return true;
}

// ---- StatusBar ----

StatusBar::StatusBar(HWND parent) {
  Attach(CreateChild(STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, 0, 0, 0, 0, parent));
  SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
}

void StatusBar::SetSimpleText(const std::string& text) {
  SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::SimpleText() const {
  // Wine counts the length in UTF-16 units; a unit is at most two Shift-JIS bytes, so
  // room for twice the count holds the text on either system.
  LRESULT n = SendMessageA(Handle(), SB_GETTEXTLENGTHA, 0, 0);
  std::vector<char> buffer(static_cast<size_t>(LOWORD(n)) * 2 + 1, '\0');
  SendMessageA(Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

int StatusBar::Height() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return r.bottom - r.top;
}

// ---- ToolTip ----

ToolTip::ToolTip(HWND owner) : owner_(owner) {
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) win::RaiseLastOSError();
}

ToolTip::~ToolTip() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void ToolTip::Add(HWND control, const std::string& text) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// ---- Timer ----

Timer::Timer(HWND window, UINT_PTR id, UINT intervalMs) : window_(window), id_(id), interval_(intervalMs) {
  if (!SetTimer(window, id, intervalMs, nullptr)) win::RaiseLastOSError();
}

Timer::~Timer() { KillTimer(window_, id_); }

}  // namespace glean::ui
