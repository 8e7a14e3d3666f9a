// The main window's commands: copy, save, the editing items, the view switches, the
// focus moves and the help menu.
#include <windows.h>

#include "main/body.h"
#include "main/command_texts.h"
#include "main/menus.h"
#include "main/model/save_name.h"
#include "main/save_dialog.h"
#include "main/shell_open.h"
#include "ui/application.h"

namespace glean {

namespace {
constexpr BYTE kKanjiKey = 0x19;

void PlainMessage(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), ui::kApplicationTitle, MB_OK);
}

std::string ProgramFolder() {
  char path[MAX_PATH * 2] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path, n);
  size_t slash = s.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

void PressAndRelease(BYTE key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}
}  // namespace

// ---- copy and save ----

void TBody::CopyBtnClick() {
  if (Data_->SelLength() == 0) Data_->SelectAll();
  // An empty pane leaves the clipboard as it was.
  if (Data_->SelLength() > 0) Data_->CopyToClipboard();
}

void TBody::CopyClick() {
  if (Data_->SelLength() > 0) Data_->CopyToClipboard();
}

std::string TBody::SaveName() const {
  if (view_.compact_style) {
    int index = WinCombo_->ItemIndex();
    return index >= 0 ? WinCombo_->ItemText(index) : std::string();
  }
  int index = WinList_->Selected();
  return index >= 0 ? WinList_->Caption(index) : std::string();
}

void TBody::SaveBtnClick() {
  if (Data_->Lines().Count() == 0) {
    PlainMessage(hwnd_, texts::kNothingToSave);
    return;
  }
  const auto choice = AskSaveName(hwnd_, ProposedSaveName(SaveName()), texts::kSaveFilter, "txt");
  if (!choice) return;  // cancelled: nothing changes
  Data_->Lines().SaveToFile(choice->path);
}

// ---- editing ----

void TBody::UndoClick() {
  SendMessageA(Data_->Handle(), EM_UNDO, 0, 0);
  menus_->SetCaption(menu::Undo1, menus_->Caption(menu::Undo1) == texts::kUndoCaption ? texts::kRedoCaption
                                                                                      : texts::kUndoCaption);
}

void TBody::CutClick() { Data_->CutToClipboard(); }
void TBody::PasteClick() { Data_->PasteFromClipboard(); }
void TBody::DeleteClick() { Data_->ClearSelection(); }

void TBody::SelectLineClick() {
  HWND pane = Data_->Handle();
  if (static_cast<int>(SendMessageA(pane, EM_LINELENGTH, static_cast<WPARAM>(-1), 0)) <= 0) return;
  SetFocus(pane);
  WPARAM line = SendMessageA(pane, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
  int start = static_cast<int>(SendMessageA(pane, EM_LINEINDEX, line, 0));
  int length = static_cast<int>(SendMessageA(pane, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  Data_->SetSelStart(start);
  Data_->SetSelLength(length);
}

void TBody::InputMethodClick() {
  PressAndRelease(kKanjiKey);
  // The caption follows the command; the input method's real state is not asked.
  const std::string caption =
      menus_->Caption(menu::O1) == texts::kImeOnCaption ? texts::kImeOffCaption : texts::kImeOnCaption;
  menus_->SetCaption(menu::O1, caption);
  menus_->SetCaption(menu::O2, caption);
  SetFocus(Data_->Handle());
}

// ---- view ----

void TBody::WordWrapClick() {
  const int start = Data_->SelStart();
  const bool wrap = !menus_->Checked(menu::Wordrap);
  menus_->SetChecked(menu::Wordrap, wrap);
  menus_->SetChecked(menu::W2, wrap);
  Data_->SetWordWrap(wrap);
  Data_->SetScrollBars(wrap ? TScrollStyle::ssVertical : TScrollStyle::ssBoth);
  Data_->SetSelStart(start);
  SendMessageA(Data_->Handle(), EM_SCROLLCARET, 0, 0);
}

void TBody::ClearWordWrapTicks() {
  menus_->SetChecked(menu::Wordrap, false);
  menus_->SetChecked(menu::W2, false);
}

// The two switches toggle what the window shows: their ticks are set only as the view
// menu opens, and a command can arrive before that (a stored state, a mouse capture).
void TBody::B1Click() {
  const bool on = !AlwsFrgrnd_->Checked();
  menus_->SetChecked(menu::B1, on);
  AlwsFrgrnd_->SetChecked(on);
  SetTopmost(on);
}

void TBody::SetFontSize(int points) {
  const int index = WinCombo_->ItemIndex();
  ApplyFonts(points, points);
  WinCombo_->SetItemIndex(index);
  LayoutChildren();
  // The line the caret is on stays in view at the new size.
  SendMessageA(Data_->Handle(), EM_SCROLLCARET, 0, 0);
}

void TBody::N13Click() { SetFocus(view_.compact_style ? WinCombo_->Handle() : WinList_->Handle()); }

void TBody::M1Click() {
  SetFocus(Data_->Handle());
  SendMessageA(Data_->Handle(), EM_SCROLLCARET, 0, 0);
  SetFocus(Data_->Handle());
}

void TBody::C2Click() {
  const bool compact = !view_.compact_style;
  menus_->SetChecked(menu::C2, compact);
  SetCompactMode(compact);
  Report(compact ? texts::kCompactOn : texts::kCompactOff);
}

// ---- help ----

void TBody::ReadmeR1Click() {
  const std::string path = ProgramFolder() + texts::kReadmeFile;
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    MessageBeep(MB_ICONHAND);
    PlainMessage(hwnd_, std::string(texts::kReadmeMissing1) + "\n" + texts::kReadmeMissing2);
    return;
  }
  ShellOpen(hwnd_, path);
}

void TBody::C1Click() { ShellOpen(hwnd_, texts::kProductPage); }

void TBody::N12Click() {
  MessageBeep(MB_ICONASTERISK);
  const std::string text = std::string(ui::kApplicationTitle) + "\n" + texts::kVersionLine + "\n" + texts::kVersionNote;
  MessageBoxA(hwnd_, text.c_str(), texts::kVersionCaption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace glean
