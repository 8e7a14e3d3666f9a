#include "widgets/image_combo_box.h"

#include <algorithm>
#include <vector>

#include "win/os_error.h"

namespace glean {

TImageComboBox::TImageComboBox(HWND parent, int id, int x, int y, int width) {
  HWND hwnd = CreateWindowExA(0, "ComboBox", "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                                  CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                              x, y, width, 300, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) win::RaiseLastOSError();
  Attach(hwnd);
  brush_.Reset(CreateSolidBrush(color_));
  UpdateItemHeight();
}

TImageComboBox::~TImageComboBox() = default;

void TImageComboBox::SetImageList(HIMAGELIST list) {
  if (list == imageList_) return;
  imageList_ = list;
  int cx = 0, cy = 0;
  if (list) ImageList_GetIconSize(list, &cx, &cy);
  imageWidth_ = cx;
  imageHeight_ = cy;
  UpdateItemHeight();
}

// The item height follows in WindowProc, whoever sets the font.
void TImageComboBox::SetFontKeepingHeight(HFONT font) { SetFont(font); }

void TImageComboBox::SetColor(COLORREF color) {
  color_ = color;
  brush_.Reset(CreateSolidBrush(color_));
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TImageComboBox::SetTextColors(COLORREF text, COLORREF selectedText, COLORREF selectedBack) {
  text_ = text;
  selectedText_ = selectedText;
  selectedBack_ = selectedBack;
  InvalidateRect(Handle(), nullptr, TRUE);
}

int TImageComboBox::GetFontHeight(HFONT font) {
  win::WindowDc screen(nullptr);
  win::SelectedObject selected(screen.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  return tm.tmHeight;
}

void TImageComboBox::UpdateItemHeight() {
  int height = std::max(GetFontHeight(Font()) + 4, imageHeight_ + 4);
  // The fixed owner-drawn style takes new heights through the control's own messages,
  // for the list items and for the selection field alike.
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
}

int TImageComboBox::ItemHeight() const {
  return static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
}

void TImageComboBox::AddItem(const std::string& text) {
  SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TImageComboBox::Clear() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int TImageComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

int TImageComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TImageComboBox::SetItemIndex(int index) { SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::string TImageComboBox::ItemText(int index) const {
  LRESULT n = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (n == CB_ERR || n < 0) return {};
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

void TImageComboBox::DrawItem(HDC dc, int index, RECT rect, bool selected) {
  auto or_system = [](COLORREF c, int index) { return c == CLR_INVALID ? GetSysColor(index) : c; };
  if (selected) {
    win::UniqueBrush back(CreateSolidBrush(or_system(selectedBack_, COLOR_HIGHLIGHT)));
    FillRect(dc, &rect, back.Get());
  } else {
    FillRect(dc, &rect, brush_.Get());
  }
  if (index < 0) return;
  if (imageList_ && index < ImageList_GetImageCount(imageList_)) {
    // Centred in the entry's height, which follows the font and may exceed the image's.
    const int top = rect.top + std::max(0, (static_cast<int>(rect.bottom - rect.top) - imageHeight_) / 2);
    ImageList_Draw(imageList_, index, dc, rect.left + 2, top, ILD_TRANSPARENT);
    rect.left += imageWidth_ + imageWidth_ / 2;  // the gap grows with the image
  }
  std::string text = ItemText(index);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = SetTextColor(
      dc, selected ? or_system(selectedText_, COLOR_HIGHLIGHTTEXT) : or_system(text_, COLOR_WINDOWTEXT));
  HGDIOBJ oldFont = SelectObject(dc, Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

bool TImageComboBox::HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_DRAWITEM) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    DrawItem(dis->hDC, static_cast<int>(dis->itemID), dis->rcItem, (dis->itemState & ODS_SELECTED) != 0);
    result = TRUE;
    return true;
  }
  if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
    if (OnClick) OnClick();
    if (OnChange) OnChange();
    result = 0;
    return true;
  }
  return false;
}

LRESULT TImageComboBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CTLCOLORLISTBOX) {
    SetBkColor(reinterpret_cast<HDC>(wp), color_);
    return reinterpret_cast<LRESULT>(brush_.Get());
  }
  if (msg == WM_SETFONT) {
    LRESULT result = Control::WindowProc(msg, wp, lp);
    UpdateItemHeight();
    return result;
  }
  return Control::WindowProc(msg, wp, lp);
}

}  // namespace glean
