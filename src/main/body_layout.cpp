// The main window's controls, fonts and the two layouts.
#include <algorithm>

#include "main/body.h"
#include "main/body_controls.h"
#include "main/builtin_images.h"
#include "main/main_texts.h"
#include "main/menus.h"
#include "pane/pane_options.h"
#include "pane/pane_zoom.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/hint.h"

namespace glean {

namespace {
constexpr int kDataId = 100;
constexpr int kComboId = 101;
constexpr int kComboDropHeight = 300;
}  // namespace

void TBody::CreateControls() {
  formFont_ = ui::MakeFont(texts::kFormFontName, Px(texts::kFormFontPixels));
  CreateImageLists();

  // Creation order is tab order: the buttons, then the window list, then the pane, so
  // that Tab from the list reaches the captured text.
  Panel1_ = std::make_unique<ui::Panel>(hwnd_, true);
  Panel2_ = std::make_unique<ui::Panel>(Panel1_->Handle(), false);
  Panel3_ = std::make_unique<ui::Panel>(Panel1_->Handle(), false);
  for (const ButtonRow& row : kPanel2Buttons) {
    auto button = std::make_unique<ui::Button>(Panel2_->Handle(), row.kind, row.caption, Px(row.x), Px(row.y),
                                               Px(row.width), Px(row.height));
    button->SetFont(formFont_.Get());
    hints_[button->Handle()] = row.hint;
    switch (row.id) {
      case BodyButton::SrchBtn: SrchBtn_ = std::move(button); break;
      case BodyButton::CopyBtn: CopyBtn_ = std::move(button); break;
      case BodyButton::SaveBtn: SaveBtn_ = std::move(button); break;
      case BodyButton::ExitBtn: ExitBtn_ = std::move(button); break;
      case BodyButton::AutoBtn: AutoBtn_ = std::move(button); break;
      case BodyButton::AlwsFrgrnd: AlwsFrgrnd_ = std::move(button); break;
    }
  }
  AutoBtn_->SetChecked(true);
  SrchBtn_->OnClick = [this] { SrchBtnClick(); };
  CopyBtn_->OnClick = [this] { CopyBtnClick(); };
  SaveBtn_->OnClick = [this] { SaveBtnClick(); };
  ExitBtn_->OnClick = [this] { PostMessageA(hwnd_, WM_CLOSE, 0, 0); };
  AlwsFrgrnd_->OnClick = [this] { AlwsFrgrndClick(); };

  WinList_ = std::make_unique<ui::ListView>(Panel3_->Handle(), texts::kWindowListColumn, Px(kListLeft),
                                            Px(kListTop), Px(kListWidth), Px(kListHeight));
  WinList_->SetSmallImages(IcnList_.Get());
  WinList_->OnClick = [this] { WinListClick(); };
  WinList_->OnEnter = [this] { WinListClick(); };
  WinList_->OnKeyUp = [this](WPARAM key) {
    switch (key) {
      case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        WinListClick();
        break;
    }
  };
  WinList_->OnMouseMove = [this](int x, int y) { WinListMouseMove(x, y); };
  WinList_->OnCtrlWheel = [this](int delta) { delta > 0 ? ZoomIn() : ZoomOut(); };

  WinCombo_ = std::make_unique<TImageComboBox>(Panel3_->Handle(), kComboId, Px(kListLeft), Px(kListTop),
                                               Px(kListWidth));
  WinCombo_->SetColor(RGB(255, 255, 255));
  WinCombo_->SetImageList(IcnList_.Get());
  WinCombo_->OnCtrlWheel = WinList_->OnCtrlWheel;
  WinCombo_->OnClick = [this] { WinComboClick(); };
  WinCombo_->OnEnter = [this] { WinComboClick(); };
  WinCombo_->SetVisible(false);
  hints_[WinList_->Handle()] = texts::kWindowListHint;
  hints_[WinCombo_->Handle()] = texts::kWindowListHint;

  tips_ = std::make_unique<ui::ToolTip>(hwnd_);
  tips_->Add(WinList_->Handle(), ui::ShortHint(texts::kWindowListHint));
  tips_->Add(WinCombo_->Handle(), ui::ShortHint(texts::kWindowListHint));

  StatusBar1_ = std::make_unique<ui::StatusBar>(hwnd_);
  StatusBar1_->SetFont(formFont_.Get());
  CreatePane();
  ApplyColours();
}

void TBody::CreatePane() {
  Data_ = std::make_unique<TEditor>();
  ConfigurePane(*Data_, ui::PointsToPixels(dataFontSize_, dpi_));
  ApplyPaneMetrics();
  Data_->CreateWnd(hwnd_, 0, Px(kPanel1NormalHeight), 100, 100, kDataId);
  // The main window's popup replaces the pane's own; its commands come to the window.
  Data_->SetPopupMenu(menus_->PopupMenu1());
  hints_[Data_->Handle()] = texts::kDataHint;
}

void TBody::ApplyFonts(int listFontSize, int dataFontSize) {
  // Sizes from the file may be anything; the zoom's range holds them.
  listFontSize = ClampFontSize(listFontSize);
  dataFontSize = ClampFontSize(dataFontSize);
  listFontSize_ = listFontSize;
  // The window list is interface text: the user's text size applies. The pane's text is
  // the document, sized by the zoom alone.
  listFont_ = ui::MakeFont(texts::kFormFontName, ui::PointsToPixels(listFontSize, dpi_, textScale_));
  WinList_->SetFont(listFont_.Get());
  WinCombo_->SetFontKeepingHeight(listFont_.Get());
  dataFontSize_ = dataFontSize;
  TEditorFont font = Data_->Font();
  font.Height = ui::PointsToPixels(dataFontSize, dpi_);
  Data_->SetFont(font);
}

RECT TBody::WindowBounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r;
}

void TBody::PlaceWindow(int left, int top, int width, int height) {
  // Glean.ini holds 96-dpi units: the place at the DPI, the size as the interface's (so
  // that a larger text size keeps room for the pane).
  left = ui::Scale(left, dpi_);
  top = ui::Scale(top, dpi_);
  width = Px(width);
  height = Px(height);
  // Never larger than the monitor's work area, whatever the scale made of it.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromPoint({left, top}, MONITOR_DEFAULTTONEAREST), &monitor)) {
    width = std::min<int>(width, monitor.rcWork.right - monitor.rcWork.left);
    height = std::min<int>(height, monitor.rcWork.bottom - monitor.rcWork.top);
  }
  if (IsZoomed(hwnd_)) {
    // A maximized window keeps its state; the place is where it is restored to.
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(hwnd_, &wp);
    wp.rcNormalPosition = {left, top, left + width, top + height};
    SetWindowPlacement(hwnd_, &wp);
    return;
  }
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TBody::LayoutChildren() {
  if (!Data_) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = client.right;
  int bottom = client.bottom;
  if (StatusBar1_->Visible()) {
    StatusBar1_->SetBounds(0, bottom - Px(kStatusBarHeight), width, Px(kStatusBarHeight));
    bottom -= StatusBar1_->Height();
  }
  const int panel1Height = view_.compact_style
                               ? WinCombo_->Bounds().bottom + Px(kCompactBelowCombo)
                               : Px(kPanel1NormalHeight);
  Panel1_->SetBounds(0, 0, width, panel1Height);
  const int border = Panel1_->BorderWidth();
  const int inner = panel1Height - 2 * border;
  int panel3Width = width - 2 * border;
  if (Panel2_->Visible()) {
    panel3Width -= Px(kPanel2Width);
    Panel2_->SetBounds(width - border - Px(kPanel2Width), border, Px(kPanel2Width), inner);
  }
  Panel3_->SetBounds(border, border, panel3Width, inner);
  // Both lists keep the margin of their design place on the right.
  const int listWidth = std::max(0, panel3Width - Px(kListMargin));
  WinList_->SetBounds(Px(kListLeft), Px(kListTop), listWidth, std::max(0, inner - Px(kListTop) - Px(kListMargin / 2)));
  // A combo box's height is that of its dropped-down list; the field keeps its own.
  WinCombo_->SetBounds(Px(kListLeft), Px(kListTop), listWidth, Px(kComboDropHeight));
  MoveWindow(Data_->Handle(), 0, panel1Height, width, std::max(0, bottom - panel1Height), TRUE);

  RECT pane{};
  GetClientRect(Data_->Handle(), &pane);
  if (Data_->CharWidth() > 0) Data_->WrapOption().SetWrapByte(pane.right / Data_->CharWidth() - 3);
}

void TBody::SetCompactMode(bool compact) {
  view_.compact_style = compact;
  Panel2_->SetVisible(!compact);
  WinList_->SetVisible(!compact);
  WinCombo_->SetVisible(compact);
  StatusBar1_->SetVisible(!compact);
  LayoutChildren();
  LayoutSize size = ini_.ReadLayoutSize(compact);
  PlaceWindow(compact ? view_.compact_left : view_.window_left, compact ? view_.compact_top : view_.window_top,
              size.width, size.height);
  SrchBtnClick();
}

}  // namespace glean
