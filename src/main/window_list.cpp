// The window search: the list of windows a user could mean, the desktop entry, the
// screen-reader detection and the capture of the remembered entry.
#include "capture/capture_driver.h"
#include "capture/section_headers.h"
#include "main/body.h"
#include "main/builtin_images.h"
#include "main/main_texts.h"
#include "main/menus.h"

namespace glean {

void TBody::SrchBtnClick() {
  if (capture::CaptureInProgress()) return;  // the running capture owns the list and the captured lines
  const bool compact = view_.compact_style;
  SendMessageA(WinList_->Handle(), WM_SETREDRAW, FALSE, 0);
  WinList_->Clear();
  WinCombo_->Clear();
  IcnList_.Clear();
  WindowTitles_.Clear();
  capture::EnumerateTopWindows(hwnd_, capture_.no_access, WindowTitles_);
  for (const capture::WindowEntry& entry : WindowTitles_.Items()) AddWindowEntry(entry, compact);
  AddDesktopEntry(compact);
  WinList_->FitColumn();
  SendMessageA(WinList_->Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(WinList_->Handle(), nullptr, TRUE);

  SrchBtn_->SetCaption(texts::kSearchAgainCaption);
  menus_->SetCaption(menu::W1, texts::kSearchAgainCaption);
  SetFocus(compact ? WinCombo_->Handle() : WinList_->Handle());

  AnnounceActive = capture::DetectScreenReader(ReaderSearchTexts(compact)) || view_.send_clipboard;
  if (AnnounceActive) {
    // A screen reader reads whole lines best: no wrapping.
    Data_->SetWordWrap(false);
    Data_->SetScrollBars(TScrollStyle::ssBoth);
    ClearWordWrapTicks();
  }

  if (compact) {
    WinCombo_->SetItemIndex(ReselectIndex);
    WinComboClick();
    if (CapturedLines_.Count() == 0) WinComboClick();  // the window may have been busy
  } else {
    // An index out of range selects nothing (and -1 would select every entry).
    if (ReselectIndex >= 0 && ReselectIndex < WinList_->Count()) {
      WinList_->Select(ReselectIndex);
      WinList_->MakeVisible(ReselectIndex);
    }
    WinListClick();
    if (CapturedLines_.Count() == 0) WinListClick();
  }
}

void TBody::AddWindowEntry(const capture::WindowEntry& entry, bool compact) {
  int image = entry.Icon ? IcnList_.AddIcon(entry.Icon) : IcnList_.AddFrom(ImageList1_, kNoIconImage);
  if (compact)
    SendMessageA(WinCombo_->Handle(), CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(entry.Title.c_str()));
  else
    WinList_->AddItem(" " + entry.Title, image);
}

void TBody::AddDesktopEntry(bool compact) {
  IcnList_.AddFrom(ImageList1_, kDesktopImage);
  if (compact)
    WinCombo_->AddItem(capture::kDesktopTitle);
  else
    WinList_->AddItem(std::string(" ") + capture::kDesktopTitle, IcnList_.Count() - 1);
}

std::vector<std::string> TBody::ReaderSearchTexts(bool compact) const {
  std::vector<std::string> texts;
  for (const capture::WindowEntry& entry : WindowTitles_.Items()) texts.push_back(entry.Title);
  if (compact) texts.push_back(capture::kDesktopTitle);  // the combo box's items
  return texts;
}

}  // namespace glean
