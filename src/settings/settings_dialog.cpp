#include "settings/settings_dialog.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "ui/dpi.h"
#include "win/window_text.h"

namespace glean {

namespace {

enum ControlId : int {
  kGroup1 = 100, kRule, kLabel1, kComboBox1, kAddBtn, kDeleteBtn, kSystemColors, kGroup2,
  kFirstOption = 200,  // the option boxes, in the order of kCaptureOptionRows
  kOKBtn = IDOK, kCancelBtn = IDCANCEL,
};

enum class Kind { Group, CheckBox, Rule, Label, Combo, Button, DefaultButton };

// One control: where it stands in the client area, its place in the tab order, and for
// an option's box, which option it holds.
struct ControlRow {
  int id;
  Kind kind;
  const char* caption;
  int x, y, width, height;
  int tab;
  bool announces;
  bool CaptureOptions::*option = nullptr;
};

// In 96-dpi units, scaled for the dialog's monitor and the user's text size.
constexpr int kClientWidth = 392;
constexpr int kClientHeight = 448;
constexpr int kCheckHeight = 19;
constexpr int kGroup1X = 16, kGroup1Y = 8, kGroup2X = 16, kGroup2Y = 216;

// The controls that hold no capture option; the options' boxes come from their table
// and go between these by their tab numbers. The label stands right before the combo
// box, which its access key focuses.
constexpr ControlRow kFixedControls[] = {
    {kGroup1, Kind::Group, "全般", kGroup1X, kGroup1Y, 361, 201, 10, false},
    {kRule, Kind::Rule, "", kGroup1X + 8, kGroup1Y + 75, 345, 2, 30, false},
    {kLabel1, Kind::Label, "次の文字列を含むウィンドウは取得しない(&N)", kGroup1X + 24, kGroup1Y + 88, 320, 17, 40,
     false},
    {kComboBox1, Kind::Combo, "", kGroup1X + 24, kGroup1Y + 112, 145, 200, 50, true},
    {kAddBtn, Kind::Button, "追加(&A)", kGroup1X + 184, kGroup1Y + 112, 75, 25, 60, true},
    {kDeleteBtn, Kind::Button, "削除(&D)", kGroup1X + 272, kGroup1Y + 112, 75, 25, 70, true},
    // Not a capture option: the colours of the pane and the window list.
    {kSystemColors, Kind::CheckBox, "システムの配色を使う(&K)", kGroup1X + 24, kGroup1Y + 168, 320, kCheckHeight,
     100, true},
    {kGroup2, Kind::Group, "取得するテキストの種類", kGroup2X, kGroup2Y, 361, 177, 110, false},
    {kOKBtn, Kind::DefaultButton, "ＯＫ(&O)", 96, 408, 89, 25, 230, true},
    {kCancelBtn, Kind::Button, "ｷｬﾝｾﾙ(&C)", 200, 408, 89, 25, 240, true},
};

// Every control, in tab order.
const std::vector<ControlRow>& Controls() {
  static const std::vector<ControlRow> rows = [] {
    std::vector<ControlRow> all(std::begin(kFixedControls), std::end(kFixedControls));
    int id = kFirstOption;
    for (const CaptureOptionRow& o : kCaptureOptionRows) {
      const bool general = o.group == OptionGroup::General;
      const int x = (general ? kGroup1X : kGroup2X) + o.x, y = (general ? kGroup1Y : kGroup2Y) + o.y;
      all.push_back({id++, Kind::CheckBox, o.caption, x, y, o.width, kCheckHeight, o.tab, o.announces, o.member});
    }
    std::stable_sort(all.begin(), all.end(), [](const ControlRow& a, const ControlRow& b) { return a.tab < b.tab; });
    return all;
  }();
  return rows;
}

constexpr char kCaption[] = "環境設定";
constexpr char kFontName[] = "ＭＳ Ｐゴシック";
constexpr int kFontPixels = 15;
constexpr char kComboAnnouncement[] = "次の文字列を含むウィンドウは取得しない(&N)のコンボボックス";
constexpr char kCheckBoxWord[] = "のチェックボックス ";
constexpr char kTicked[] = "チェック";
constexpr char kNotTicked[] = "チェックなし";
constexpr char kButtonWord[] = "のプッシュボタン";
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

const ControlRow* RowOf(int id) {
  for (const ControlRow& row : Controls())
    if (row.id == id) return &row;
  return nullptr;
}

// An empty dialog: the controls are made at their pixel places once it exists.
struct EmptyTemplate {
  DLGTEMPLATE head;
  WORD menu, windowClass, title;
};

}  // namespace

TSettei::TSettei(const CaptureOptions& options, TStringList& noAccess, AnnounceFn announce)
    : options_(options), noAccess_(noAccess), announce_(std::move(announce)) {}

bool TSettei::SameEntry(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

bool TSettei::ShowModal(HWND owner) {
  alignas(DWORD) EmptyTemplate tmpl{};
  tmpl.head.style = kDialogStyle;
  INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &tmpl.head, owner, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  font_.Reset();
  return result == IDOK;
}

INT_PTR CALLBACK TSettei::DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  TSettei* self;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<TSettei*>(lp);
    self->hwnd_ = dialog;
    SetWindowLongPtrA(dialog, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<TSettei*>(GetWindowLongPtrA(dialog, DWLP_USER));
  }
  if (!self) return FALSE;
  // Nothing may unwind through the dialog manager's frames.
  INT_PTR answer = FALSE;
  try {
    answer = self->Handle(msg, wp, lp);
  } catch (const std::exception& e) {
    MessageBoxA(dialog, e.what(), "グリーナ！", MB_OK | MB_ICONERROR);
  }
  return answer;
}

INT_PTR TSettei::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      CreateControls();
      FormShow();
      return TRUE;  // the first control takes the focus
    case WM_COMMAND:
      Command(LOWORD(wp), HIWORD(wp));
      return TRUE;
    case WM_DPICHANGED:
      Layout(LOWORD(wp), reinterpret_cast<const RECT*>(lp));
      return TRUE;
  }
  return FALSE;
}

void TSettei::CreateControls() {
  SetWindowTextA(hwnd_, kCaption);
  for (const ControlRow& row : Controls()) {
    const char* cls = "Button";
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (row.kind) {
      case Kind::Group: style |= BS_GROUPBOX; break;
      case Kind::CheckBox: style |= WS_TABSTOP | BS_AUTOCHECKBOX | BS_NOTIFY; break;
      case Kind::Rule: cls = "Static"; style |= SS_ETCHEDHORZ; break;
      case Kind::Label: cls = "Static"; style |= SS_LEFT; break;
      case Kind::Combo: cls = "ComboBox"; style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
      case Kind::Button: style |= WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY; break;
      case Kind::DefaultButton: style |= WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY; break;
    }
    CreateWindowExA(0, cls, row.caption, style, row.x, row.y, row.width, row.height, hwnd_,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleA(nullptr), nullptr);
  }
  Layout(ui::WindowDpi(hwnd_), nullptr);
}

void TSettei::Layout(int dpi, const RECT* suggested) {
  const int textScale = ui::TextScalePercent();
  auto px = [&](int design) { return MulDiv(ui::Scale(design, dpi), textScale, 100); };
  const int clientWidth = px(kClientWidth), clientHeight = px(kClientHeight);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, WS_EX_DLGMODALFRAME);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  // A frame of another size than asked for (a theme's border) still gets the client size.
  RECT client{};
  GetClientRect(hwnd_, &client);
  width += clientWidth - client.right;
  height += clientHeight - client.bottom;
  if (suggested) {
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    // Centred on the whole screen, wherever the bars at its edges stand.
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  LOGFONTA lf{};
  lf.lfHeight = -px(kFontPixels);
  lf.lfCharSet = SHIFTJIS_CHARSET;
  std::strncpy(lf.lfFaceName, kFontName, LF_FACESIZE - 1);
  win::UniqueFont font(CreateFontIndirectA(&lf));
  for (const ControlRow& row : Controls()) {
    HWND control = Item(row.id);
    if (!control) continue;
    MoveWindow(control, px(row.x), px(row.y), px(row.width), px(row.height), TRUE);
    if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  }
  font_ = std::move(font);  // the old font goes once no control uses it
}

bool TSettei::Ticked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

std::vector<std::string> TSettei::Entries() const {
  std::vector<std::string> entries;
  HWND combo = Item(kComboBox1);
  const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
    if (length < 0) continue;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    entries.push_back(text);
  }
  return entries;
}

int TSettei::FindEntry(const std::string& text) const {
  const std::vector<std::string> entries = Entries();
  for (size_t i = 0; i < entries.size(); ++i)
    if (SameEntry(entries[i], text)) return static_cast<int>(i);
  return -1;
}

std::string TSettei::ComboText() const { return win::OwnWindowText(Item(kComboBox1)); }

void TSettei::FormShow() {
  for (const ControlRow& row : Controls())
    if (row.option) CheckDlgButton(hwnd_, row.id, options_.*row.option ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd_, kSystemColors, systemColors_ == 1 ? BST_CHECKED : BST_UNCHECKED);
  HWND combo = Item(kComboBox1);
  for (int i = 0; i < options_.no_access.Count(); ++i)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(options_.no_access.Get(i).c_str()));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  ComboBox1Change(false);
}

void TSettei::ComboBox1Change(bool fromSelection) {
  std::string text = ComboText();
  if (fromSelection) {
    // The field shows the chosen entry only after this notice.
    HWND combo = Item(kComboBox1);
    int index = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (index >= 0) text = Entries()[static_cast<size_t>(index)];
  }
  const bool listed = FindEntry(text) >= 0;
  EnableWindow(Item(kAddBtn), !text.empty() && !listed);
  EnableWindow(Item(kDeleteBtn), listed);
}

void TSettei::AddBtnClick() {
  const std::string text = ComboText();
  if (text.empty()) return;
  SendMessageA(Item(kComboBox1), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  EnableWindow(Item(kDeleteBtn), TRUE);
  EnableWindow(Item(kAddBtn), FALSE);
}

void TSettei::DeleteBtnClick() {
  const int index = FindEntry(ComboText());
  if (index < 0) return;
  HWND combo = Item(kComboBox1);
  SendMessageA(combo, CB_DELETESTRING, index, 0);
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  ComboBox1Change(false);
  // The window list forgets the entry at once, even if the dialog is then cancelled.
  noAccess_.Clear();
  for (const std::string& entry : Entries()) noAccess_.Add(entry);
}

void TSettei::OKBtnClick() {
  result_ = options_;
  for (const ControlRow& row : Controls())
    if (row.option) result_.*row.option = Ticked(row.id);
  result_.no_access.Clear();
  for (const std::string& entry : Entries()) result_.no_access.Add(entry);
  // Unticked means "in high contrast" (2), except that a 0 from the file stays 0 when
  // the box was left as it was.
  if (Ticked(kSystemColors))
    systemColorsResult_ = 1;
  else
    systemColorsResult_ = systemColors_ == 1 ? 2 : systemColors_;
  EndDialog(hwnd_, IDOK);
}

void TSettei::Command(int id, int code) {
  const ControlRow* row = RowOf(id);
  if (id == kComboBox1) {
    if (code == CBN_EDITCHANGE) ComboBox1Change(false);
    if (code == CBN_SELCHANGE) ComboBox1Change(true);
    if (code == CBN_SETFOCUS && announce_) announce_(kComboAnnouncement);
    return;
  }
  if (!row) return;
  if (code == BN_SETFOCUS || (code == BN_CLICKED && row->kind == Kind::CheckBox)) {
    if (row->announces && announce_) {
      if (row->kind == Kind::CheckBox)
        announce_(std::string(row->caption) + kCheckBoxWord + (Ticked(id) ? kTicked : kNotTicked));
      else
        announce_(std::string(row->caption) + kButtonWord);
    }
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kAddBtn: AddBtnClick(); break;
    case kDeleteBtn: DeleteBtnClick(); break;
    case kOKBtn: OKBtnClick(); break;
    case kCancelBtn: EndDialog(hwnd_, IDCANCEL); break;
  }
}

}  // namespace glean
