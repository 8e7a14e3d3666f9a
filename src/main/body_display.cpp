// How the main window meets the display: its monitor's DPI, the user's text size, the
// zoom of the fonts and the colours of the pane and the window list.
#include "main/body.h"
#include "main/body_controls.h"
#include "main/builtin_images.h"
#include "main/main_texts.h"
#include "pane/pane_options.h"
#include "pane/pane_zoom.h"
#include "ui/dpi.h"

namespace glean {

namespace {
SystemColours CurrentSystemColours() {
  return {GetSysColor(COLOR_WINDOW),    GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT),
          GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HOTLIGHT), GetSysColor(COLOR_GRAYTEXT),
          GetSysColor(COLOR_BTNFACE),   GetSysColor(COLOR_BTNTEXT)};
}

bool HighContrastOn() {
  HIGHCONTRASTA hc{};
  hc.cbSize = sizeof hc;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}
}  // namespace

int TBody::Px(int design) const { return MulDiv(ui::Scale(design, dpi_), textScale_, 100); }
int TBody::Unpx(int pixels) const { return MulDiv(ui::Unscale(pixels, dpi_), 100, textScale_); }

void TBody::CreateImageLists() {
  const int size = ui::MetricForDpi(SM_CXSMICON, dpi_);
  ui::ImageList builtIn(size, size);
  AddBuiltInImages(builtIn, size);
  ui::ImageList icons(size, size);
  // The entries keep their image numbers: each added one image, in order.
  for (const capture::WindowEntry& entry : WindowTitles_.Items())
    entry.Icon ? icons.AddIcon(entry.Icon) : icons.AddFrom(builtIn, kNoIconImage);
  if (WinList_ && (WinList_->Count() > 0 || WinCombo_->Count() > 0)) icons.AddFrom(builtIn, kDesktopImage);
  // The controls take the new lists before the old ones go.
  if (WinList_) {
    WinList_->SetSmallImages(icons.Get());
    WinCombo_->SetImageList(icons.Get());
  }
  IcnList_ = std::move(icons);
  ImageList1_ = std::move(builtIn);
}

void TBody::PlaceButtons() {
  for (const ButtonRow& row : kPanel2Buttons) {
    ui::Button* button = nullptr;
    switch (row.id) {
      case BodyButton::SrchBtn: button = SrchBtn_.get(); break;
      case BodyButton::CopyBtn: button = CopyBtn_.get(); break;
      case BodyButton::SaveBtn: button = SaveBtn_.get(); break;
      case BodyButton::ExitBtn: button = ExitBtn_.get(); break;
      case BodyButton::AutoBtn: button = AutoBtn_.get(); break;
      case BodyButton::AlwsFrgrnd: button = AlwsFrgrnd_.get(); break;
    }
    if (!button) continue;
    button->SetFont(formFont_.Get());
    button->SetBounds(Px(row.x), Px(row.y), Px(row.width), Px(row.height));
  }
}

void TBody::ApplyPaneMetrics() { SetPaneMetrics(*Data_, dpi_); }

void TBody::ApplyColours() {
  const PaneColours chosen =
      ChoosePaneColours(SystemColorUseOf(view_.system_colors), HighContrastOn(), CurrentSystemColours());
  // Settings change often for other reasons; the pane is re-coloured only when its
  // colours do.
  if (coloursApplied_ && chosen == colours_) return;
  coloursApplied_ = true;
  colours_ = chosen;
  ApplyPaneColours(*Data_, chosen);
  HWND list = WinList_->Handle();
  ListView_SetBkColor(list, chosen.list.back);
  ListView_SetTextBkColor(list, chosen.list.back);
  ListView_SetTextColor(list, chosen.list.text);
  InvalidateRect(list, nullptr, TRUE);
  WinCombo_->SetColor(chosen.list.back);
  // Glean's own colours leave the chosen entry in the system's highlight pair, as before.
  const bool system = UsesSystemColours(SystemColorUseOf(view_.system_colors), HighContrastOn());
  WinCombo_->SetTextColors(chosen.list.text, system ? chosen.selection.text : CLR_INVALID,
                           system ? chosen.selection.back : CLR_INVALID);
  InvalidateRect(Data_->Handle(), nullptr, FALSE);
}

void TBody::DpiChanged(WPARAM wp, LPARAM lp) {
  dpi_ = LOWORD(wp) > 0 ? LOWORD(wp) : ui::WindowDpi(hwnd_);
  formFont_ = ui::MakeFont(texts::kFormFontName, Px(texts::kFormFontPixels));
  StatusBar1_->SetFont(formFont_.Get());
  PlaceButtons();
  CreateImageLists();
  ApplyPaneMetrics();
  const int index = WinCombo_->ItemIndex();
  ApplyFonts(listFontSize_, dataFontSize_);
  WinCombo_->SetItemIndex(index);
  // The suggested rectangle keeps the window's design size on the new monitor; its
  // WM_SIZE lays the controls out again.
  ui::ApplySuggestedRect(hwnd_, lp);
  LayoutChildren();
}

void TBody::DisplaySettingChanged() {
  ApplyColours();
  const int scale = ui::TextScalePercent();
  if (scale == textScale_) return;
  // The window keeps its design size, now at the new text size.
  RECT r{};
  GetWindowRect(hwnd_, &r);
  const int width = Unpx(r.right - r.left), height = Unpx(r.bottom - r.top);
  textScale_ = scale;
  DpiChanged(MAKEWPARAM(dpi_, dpi_), 0);
  if (!IsZoomed(hwnd_) && !IsIconic(hwnd_))
    SetWindowPos(hwnd_, nullptr, 0, 0, Px(width), Px(height), SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TBody::ZoomIn() { SetFontSize(glean::ZoomIn(dataFontSize_)); }
void TBody::ZoomOut() { SetFontSize(glean::ZoomOut(dataFontSize_)); }
void TBody::ZoomReset() { SetFontSize(kDefaultFontSize); }

}  // namespace glean
