// The main window's menus: building them, sending each command to its handler and
// setting ticks and enabled states as a menu opens.
#include "main/body.h"
#include "main/menus.h"

namespace glean {

void TBody::CreateMenus() {
  menus_ = std::make_unique<TBodyMenus>();
  SetMenu(hwnd_, menus_->MainMenu1());
  // Editing commands wait until the pane has had the focus once.
  menus_->SetEditMenuEnabled(hwnd_, false);
}

HACCEL TBody::Shortcuts() const { return menus_ ? menus_->Shortcuts() : nullptr; }

bool TBody::MenuCommand(UINT id) {
  // Shortcuts of a disabled menu bar entry stay silent, as its items are out of reach.
  const bool editItem = id >= menu::Undo2 && id <= menu::O2;
  if (editItem && !menus_->EditMenuEnabled()) return true;
  switch (id) {
    case menu::W1: SrchBtnClick(); break;
    case menu::F1: SaveBtnClick(); break;
    case menu::N18: N18Click(); break;
    case menu::Exit1: PostMessageA(hwnd_, WM_CLOSE, 0, 0); break;
    case menu::Undo1: case menu::Undo2: UndoClick(); break;
    case menu::Cut1: case menu::Cut2: CutClick(); break;
    case menu::Copy1: case menu::Copy2: CopyClick(); break;
    case menu::Paste1: case menu::Paste2: PasteClick(); break;
    case menu::Delete1: case menu::Delete2: DeleteClick(); break;
    case menu::N4: case menu::S1: SelectLineClick(); break;
    case menu::SelectAll1: case menu::SelectAll2: Data_->SelectAll(); break;
    case menu::O1: case menu::O2: InputMethodClick(); break;
    case menu::A1: AutoBtn_->SetChecked(!AutoBtn_->Checked()); break;
    case menu::B1: B1Click(); break;
    case menu::N13: N13Click(); break;
    case menu::M1: M1Click(); break;
    case menu::W2: case menu::Wordrap: WordWrapClick(); break;
    case menu::Sec: SecClick(); break;
    case menu::N22: N22Click(); break;
    case menu::C2: C2Click(); break;
    case menu::ReadmeR1: ReadmeR1Click(); break;
    case menu::C1: C1Click(); break;
    case menu::N12: N12Click(); break;
    case menu::N14: OpenCurrentLink(); break;
    case menu::TableSave1: TableSaveClick(); break;
    case menu::TableCopy1: case menu::TableCopy2: TableCopyClick(); break;
    case menu::GoToSource1: GoToSourceClick(); break;
    case menu::Watch1: case menu::Watch2: WatchClick(); break;
    case menu::ZoomIn1: ZoomIn(); break;
    case menu::ZoomOut1: ZoomOut(); break;
    case menu::ZoomReset: ZoomReset(); break;
    default:
      for (const auto& item : kFontSizeItems)
        if (id == static_cast<UINT>(item[0])) {
          SetFontSize(item[1]);
          return true;
        }
      return false;
  }
  return true;
}

void TBody::InitMenuPopup(HMENU menu) {
  TBodyMenus& m = *menus_;
  if (menu == m.Show1()) {
    m.SetChecked(menu::A1, AutoBtn_->Checked());
    m.SetChecked(menu::B1, AlwsFrgrnd_->Checked());
    m.SetChecked(menu::C2, view_.compact_style);
    m.SetChecked(menu::Watch1, Watching());
    m.SetEnabled(menu::W2, !AnnounceActive);
  } else if (menu == m.L1()) {
    for (const auto& item : kFontSizeItems) m.SetChecked(item[0], item[1] == listFontSize_);
  } else if (menu == m.Edit1()) {
    SetEditingStates(menu::Undo2, menu::Cut2, menu::Copy2, menu::Paste2, menu::Delete2);
  } else if (menu == m.PopupMenu1()) {
    PopupMenu1Popup();
  }
}

void TBody::PopupMenu1Popup() {
  SetEditingStates(menu::Undo1, menu::Cut1, menu::Copy1, menu::Paste1, menu::Delete1);
  menus_->SetLinkItemsShown(LinkIsCurrent());
  menus_->SetChecked(menu::Watch2, Watching());
}

void TBody::SetEditingStates(UINT undo, UINT cut, UINT copy, UINT paste, UINT clear) {
  TBodyMenus& m = *menus_;
  m.SetEnabled(undo, SendMessageA(Data_->Handle(), EM_CANUNDO, 0, 0) > 0);
  const bool selected = Data_->SelLength() > 0;
  m.SetEnabled(cut, selected);
  m.SetEnabled(copy, selected);
  m.SetEnabled(clear, selected);
  m.SetEnabled(paste, IsClipboardFormatAvailable(CF_TEXT) != FALSE);
}

void TBody::ShowPopupMenu1(int screenX, int screenY) {
  PopupMenu1Popup();
  TrackPopupMenu(menus_->PopupMenu1(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX, screenY, 0,
                 hwnd_, nullptr);
}

}  // namespace glean
