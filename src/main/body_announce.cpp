// What the screen reader hears through the clipboard as the focus moves over the
// buttons and into the pane, the line reading in the pane, and the two hidden switches
// of clipboard speech. Also where the window's controls are joined to these handlers,
// the pane's links and the pointer reader.
#include "main/body.h"
#include "main/core/spoken_line.h"
#include "main/main_texts.h"
#include "main/menus.h"
#include "main/speech_texts.h"
#include "ui/clipboard.h"

namespace glean {

void TBody::BindBehaviours() {
  const std::pair<ui::Button*, const char*> pushButtons[] = {
      {SrchBtn_.get(), texts::kSrchBtnSpoken},
      {CopyBtn_.get(), texts::kCopyBtnSpoken},
      {SaveBtn_.get(), texts::kSaveBtnSpoken},
      {ExitBtn_.get(), texts::kExitBtnSpoken}};
  for (const auto& [button, spoken] : pushButtons) button->OnEnter = [this, spoken = spoken] { Announce(spoken); };

  // A check box speaks its state when it gets the focus and, after the click has
  // changed it, the new state.
  const struct {
    ui::Button* box;
    const char* ticked;
    const char* unticked;
  } checkBoxes[] = {{AutoBtn_.get(), texts::kAutoBtnOnSpoken, texts::kAutoBtnOffSpoken},
                    {AlwsFrgrnd_.get(), texts::kAlwsFrgrndOnSpoken, texts::kAlwsFrgrndOffSpoken}};
  for (const auto& c : checkBoxes) {
    ui::Button* box = c.box;
    auto speak = [this, box, ticked = c.ticked, unticked = c.unticked] { AnnounceCheckBox(*box, ticked, unticked); };
    box->OnEnter = speak;
    box->OnClick = [previous = box->OnClick, speak] {
      if (previous) previous();
      speak();
    };
  }

  TEditor& pane = *Data_;
  pane.OnEnter = [this](TObject*) { DataEnter(); };
  pane.OnKeyUp = [this](TObject*, uint16_t& key, TShiftState shift) { DataKeyUp(key, shift); };
  pane.OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) { DataKeyDown(key, shift); };
  pane.OnCaretMoved = [this](TObject*) { DataCaretMoved(); };
  pane.OnMouseMove = [this](TObject*, TShiftState, int x, int y) { DataMouseMove(x, y); };
  pane.OnDblClick = [this](TObject*) { DataDblClick(); };
  pane.OnDrawLine = [this](TObject*, const std::string& lineStr, int x, int y, int index, const TRect& rect,
                           int selected) { DataDrawLine(lineStr, x, y, index, rect, selected); };
  Timer1_->OnTimer = [this] { Timer1Timer(); };
}

void TBody::AnnounceCheckBox(const ui::Button& box, const char* ticked, const char* unticked) {
  Announce(box.Checked() ? ticked : unticked);
}

// The pane received the focus: from now on its editing commands are offered, and an
// empty caret line is named, since reading it would say nothing.
void TBody::DataEnter() {
  menus_->SetEditMenuEnabled(hwnd_, true);
  if (SendMessageA(Data_->Handle(), EM_LINELENGTH, static_cast<WPARAM>(-1), 0) == 0) Announce(texts::kDataSpoken);
}

void TBody::DataKeyUp(uint16_t key, TShiftState shift) {
  const int line = static_cast<int>(SendMessageA(Data_->Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
  const int count = Data_->Lines().Count();
  if (line < 0 || line >= count) return;
  // Ctrl+M (the shortcut that moves here) reads the line even without a screen reader.
  const bool moveKey = key == vk::Up || key == vk::Down || key == vk::Tab;
  if (!(AnnounceActive && moveKey) && !(shift == ssCtrl && key == 'M')) return;
  // Straight to the clipboard: the key, not AnnounceActive, decided. A UI Automation
  // screen reader reads the caret's line itself on the moving keys; Ctrl+M is asked for.
  const std::string spoken = SpokenLine(Data_->Lines().Get(line), line, count);
  ui::PutTextOnClipboard(hwnd_, spoken);
  if (!moveKey && view_.uia_notify) Data_->NotifyAccessClients(spoken);
}

void TBody::SetSendClipboard(bool on, const char* spoken) {
  ui::PutTextOnClipboard(hwnd_, spoken);
  if (view_.uia_notify) Data_->NotifyAccessClients(spoken);
  view_.send_clipboard = on;
  SrchBtnClick();
}

void TBody::SecClick() { SetSendClipboard(true, texts::kSpeechOnSpoken); }
void TBody::N22Click() { SetSendClipboard(false, texts::kSpeechOffSpoken); }

}  // namespace glean
