// TImageComboBox: a drop-down list that draws each entry as a small image followed by
// its text (the window list of the compact layout).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/control.h"
#include "win/gdi.h"

namespace glean {

class TImageComboBox : public ui::Control {
 public:
  TImageComboBox(HWND parent, int id, int x, int y, int width);
  ~TImageComboBox() override;

  // Not owned. Assigning another list takes its image size and adjusts the item height.
  void SetImageList(HIMAGELIST list);
  HIMAGELIST ImageList() const { return imageList_; }
  int ImageWidth() const { return imageWidth_; }
  int ImageHeight() const { return imageHeight_; }

  // The font changes the item height too, also when it comes as a plain WM_SETFONT.
  void SetFontKeepingHeight(HFONT font);
  void SetColor(COLORREF color);
  // The entries' text and the chosen entry's pair (the system's highlight pair until set).
  void SetTextColors(COLORREF text, COLORREF selectedText, COLORREF selectedBack);

  int ItemHeight() const;
  // Larger of the font's cell height and the image height, each plus 4.
  void UpdateItemHeight();
  static int GetFontHeight(HFONT font);

  void AddItem(const std::string& text);
  void Clear();
  int Count() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string ItemText(int index) const;

  // Draws entry `index` into `rect` of `dc` (selected: the selection colours).
  void DrawItem(HDC dc, int index, RECT rect, bool selected);

  // Every selection change raises OnClick and then OnChange.
  std::function<void()> OnClick;
  std::function<void()> OnChange;

  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HIMAGELIST imageList_ = nullptr;
  int imageWidth_ = 0;
  int imageHeight_ = 0;
  COLORREF color_ = RGB(0, 128, 128);
  COLORREF text_ = CLR_INVALID, selectedText_ = CLR_INVALID, selectedBack_ = CLR_INVALID;
  win::UniqueBrush brush_;
};

}  // namespace glean
