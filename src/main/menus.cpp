#include "main/menus.h"

#include <vector>

#include "win/os_error.h"

namespace glean {

namespace {

// One row of a menu: `level` 0 is an entry of the menu bar (or the popup menu's own
// level), 1 an item under it, 2 an item of a submenu at level 1. A row without a
// command opens a submenu; "-" is a separator. `key` with `virt` is the shortcut.
struct MenuRow {
  int level;
  UINT id;
  const char* caption;
  BYTE virt;
  WORD key;
  const char* keyText;
};

constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;
constexpr BYTE kPlain = FVIRTKEY;
constexpr UINT kSubmenu = 0;

constexpr MenuRow kMainMenu1[] = {
    {0, kSubmenu, "ファイル(&F)", 0, 0, nullptr},
    {1, menu::W1, "ｳｨﾝﾄﾞｳ検索(&W)", kPlain, VK_F5, "F5"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::F1, "名前を付けて保存(&S)...", kCtrl, 'I', "Ctrl+I"},
    {1, menu::TableSave1, "表を保存(&V)...", 0, 0, nullptr},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::N18, "環境設定(&E)...", 0, 0, nullptr},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::Exit1, "終了(&X)", 0, 0, nullptr},
    {0, kSubmenu, "編集(&E)", 0, 0, nullptr},
    {1, menu::Undo2, "元に戻す(&U)", kCtrl, 'Z', "Ctrl+Z"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::Cut2, "切り取り(&T)", kCtrl, 'X', "Ctrl+X"},
    {1, menu::Copy2, "ｺﾋﾟｰ(&C)", kCtrl, 'C', "Ctrl+C"},
    {1, menu::Paste2, "貼り付け(&P)", kCtrl, 'V', "Ctrl+V"},
    {1, menu::Delete2, "削除(&D)", kCtrl, VK_DELETE, "Ctrl+Del"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::S1, "一行選択(&S)", kCtrl, 'S', "Ctrl+S"},
    {1, menu::SelectAll2, "すべて選択(&A)", kCtrl, 'A', "Ctrl+A"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::TableCopy2, "表としてコピー(&B)", kCtrl, 'T', "Ctrl+T"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::O2, "日本語入力 - オン(&O)", 0, 0, nullptr},
    {0, kSubmenu, "表示(&V)", 0, 0, nullptr},
    {1, menu::A1, "自動再検索(&A)", 0, 0, nullptr},
    {1, menu::Watch1, "変化を読み上げる(&R)", kCtrl, 'W', "Ctrl+W"},
    {1, menu::B1, "常に手前に表示(&B)", kCtrl, 'G', "Ctrl+G"},
    {1, kSubmenu, "移動(&M)", 0, 0, nullptr},
    {2, menu::N13, "リスト(&L)", kCtrl, 'L', "Ctrl+L"},
    {2, menu::M1, "メモ欄(&M)", kCtrl, 'M', "Ctrl+M"},
    {1, 0, "-", 0, 0, nullptr},
    {1, kSubmenu, "文字サイズ(&L)", 0, 0, nullptr},
    {2, menu::N21, "極小(I)", 0, 0, nullptr},
    {2, menu::S2, "小(&S)", 0, 0, nullptr},
    {2, menu::M2, "中(&M)", 0, 0, nullptr},
    {2, menu::L2, "大(&L)", 0, 0, nullptr},
    {2, menu::A2, "特大(&A)", 0, 0, nullptr},
    {2, 0, "-", 0, 0, nullptr},
    {2, menu::ZoomIn1, "拡大(&E)", kCtrl, VK_OEM_PLUS, "Ctrl+;"},
    {2, menu::ZoomOut1, "縮小(&R)", kCtrl, VK_OEM_MINUS, "Ctrl+-"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::W2, "右端で折り返す(&W)", 0, 0, nullptr},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::C2, "コンパクト表示(&C)", kPlain, VK_F12, "F12"},
    {0, kSubmenu, "ヘルプ(&H)", 0, 0, nullptr},
    {1, menu::ReadmeR1, "Readme を開く(&R)", kPlain, VK_F1, "F1"},
    {1, 0, "-", 0, 0, nullptr},
    {1, menu::C1, "製品情報の更新(&U)", 0, 0, nullptr},
    {1, menu::N12, "バージョン情報(&A)...", 0, 0, nullptr},
};

// The popup's own shortcuts are those of its main-menu twins, except Ctrl+U.
constexpr MenuRow kPopupMenu1[] = {
    {0, menu::N14, "このＵＲＬを開く(&L)", kCtrl, 'U', "Ctrl+U"},
    {0, menu::N15, "-", 0, 0, nullptr},
    {0, menu::Undo1, "元に戻す(&U)", 0, 0, "Ctrl+Z"},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::Cut1, "切り取り(&T)", 0, 0, "Ctrl+X"},
    {0, menu::Copy1, "ｺﾋﾟｰ(&C)", 0, 0, "Ctrl+C"},
    {0, menu::Paste1, "貼り付け(&P)", 0, 0, "Ctrl+V"},
    {0, menu::Delete1, "削除(&D)", 0, 0, "Ctrl+Del"},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::N4, "一行選択(&S)", 0, 0, "Ctrl+S"},
    {0, menu::SelectAll1, "すべて選択(&A)", 0, 0, "Ctrl+A"},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::TableCopy1, "表としてコピー(&B)", 0, 0, "Ctrl+T"},
    {0, menu::GoToSource1, "元の項目へ移動(&G)", 0, 0, "Ctrl+Enter"},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::O1, "日本語入力 - オン(&O)", 0, 0, nullptr},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::Wordrap, "右端で折り返す(&W)", 0, 0, nullptr},
    {0, 0, "-", 0, 0, nullptr},
    {0, menu::Watch2, "変化を読み上げる(&R)", 0, 0, "Ctrl+W"},
};

// The items never shown: only their shortcuts exist.
constexpr MenuRow kHiddenItems[] = {
    {1, menu::Sec, "隠しメニュー", kPlain, VK_F11, nullptr},
    {1, menu::N22, "隠しメニュー2", kCtrl, VK_F11, nullptr},
    // The zoom's other keys: the number pad's, "+" typed with Shift, and back to 9 points.
    {1, menu::ZoomIn1, "", kCtrl, VK_ADD, nullptr},
    {1, menu::ZoomIn1, "", kCtrl | FSHIFT, VK_OEM_PLUS, nullptr},
    {1, menu::ZoomOut1, "", kCtrl, VK_SUBTRACT, nullptr},
    {1, menu::ZoomReset, "", kCtrl, '0', nullptr},
    {1, menu::ZoomReset, "", kCtrl, VK_NUMPAD0, nullptr},
};

std::string MenuText(const MenuRow& row) {
  std::string text = row.caption;
  if (row.keyText) text += std::string("\t") + row.keyText;
  return text;
}

void Append(HMENU menu, const MenuRow& row, HMENU submenu) {
  BOOL ok;
  if (std::string(row.caption) == "-")
    ok = AppendMenuA(menu, MF_SEPARATOR, row.id, nullptr);
  else if (submenu)
    ok = AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), MenuText(row).c_str());
  else
    ok = AppendMenuA(menu, MF_STRING, row.id, MenuText(row).c_str());
  if (!ok) win::RaiseLastOSError();
}

std::string ItemText(HMENU menu, UINT id) {
  char text[256] = {};
  GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

void SetItemText(HMENU menu, UINT id, const std::string& text) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(text.c_str());
  SetMenuItemInfoA(menu, id, FALSE, &info);
}

}  // namespace

TBodyMenus::TBodyMenus() {
  main_ = CreateMenu();
  HMENU level1 = nullptr, level2 = nullptr;
  for (const MenuRow& row : kMainMenu1) {
    HMENU submenu = row.id == kSubmenu && std::string(row.caption) != "-" ? CreatePopupMenu() : nullptr;
    if (row.level == 0) {
      Append(main_, row, submenu);
      level1 = submenu;
      if (!file_) file_ = submenu;
      else if (!edit_) edit_ = submenu;
      else if (!show_) show_ = submenu;
      else help_ = submenu;
    } else if (row.level == 1) {
      Append(level1, row, submenu);
      if (submenu) level2 = submenu;
      if (submenu && !goTo_) goTo_ = submenu;
      else if (submenu) l1_ = submenu;
    } else {
      Append(level2, row, nullptr);
    }
  }
  popup_ = CreatePopupMenu();
  for (const MenuRow& row : kPopupMenu1) Append(popup_, row, nullptr);
  n14Caption_ = kPopupMenu1[0].caption;

  std::vector<ACCEL> keys;
  auto collect = [&](const MenuRow& row) {
    if (row.key) keys.push_back(ACCEL{row.virt, row.key, static_cast<WORD>(row.id)});
  };
  for (const MenuRow& row : kMainMenu1) collect(row);
  for (const MenuRow& row : kHiddenItems) collect(row);
  for (const MenuRow& row : kPopupMenu1) collect(row);
  accel_ = CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
  if (!accel_) win::RaiseLastOSError();

  SetChecked(menu::W2, true);
  SetChecked(menu::Wordrap, true);
  SetLinkItemsShown(false);
}

TBodyMenus::~TBodyMenus() {
  if (accel_) DestroyAcceleratorTable(accel_);
  // A menu bar still set on a window goes with the window; one taken off is ours.
  if (main_ && IsMenu(main_)) DestroyMenu(main_);
  if (popup_) DestroyMenu(popup_);
}

HMENU TBodyMenus::MenuOf(UINT id) const { return id >= menu::N14 ? popup_ : main_; }

std::string TBodyMenus::Caption(UINT id) const {
  if (id == menu::N14 && !linkShown_) return n14Caption_;
  std::string text = ItemText(MenuOf(id), id);
  size_t tab = text.find('\t');
  return tab == std::string::npos ? text : text.substr(0, tab);
}

void TBodyMenus::SetCaption(UINT id, const std::string& caption) {
  if (id == menu::N14) {
    n14Caption_ = caption;
    if (!linkShown_) return;
  }
  std::string text = ItemText(MenuOf(id), id);
  size_t tab = text.find('\t');
  SetItemText(MenuOf(id), id, tab == std::string::npos ? caption : caption + text.substr(tab));
}

bool TBodyMenus::Checked(UINT id) const {
  return (GetMenuState(MenuOf(id), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TBodyMenus::SetChecked(UINT id, bool checked) {
  CheckMenuItem(MenuOf(id), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool TBodyMenus::Enabled(UINT id) const {
  return (GetMenuState(MenuOf(id), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void TBodyMenus::SetEnabled(UINT id, bool enabled) {
  EnableMenuItem(MenuOf(id), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool TBodyMenus::EditMenuEnabled() const {
  return (GetMenuState(main_, 1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void TBodyMenus::SetEditMenuEnabled(HWND window, bool enabled) {
  if (enabled == EditMenuEnabled()) return;
  EnableMenuItem(main_, 1, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  if (window) DrawMenuBar(window);
}

void TBodyMenus::SetLinkItemsShown(bool shown) {
  if (shown == linkShown_) return;
  // A menu has no hidden items: the two are taken out and put back at its head.
  if (shown) {
    linkShown_ = true;
    InsertMenuA(popup_, 0, MF_BYPOSITION | MF_SEPARATOR, menu::N15, nullptr);
    InsertMenuA(popup_, 0, MF_BYPOSITION | MF_STRING, menu::N14,
                (n14Caption_ + "\t" + kPopupMenu1[0].keyText).c_str());
  } else {
    n14Caption_ = Caption(menu::N14);
    linkShown_ = false;
    DeleteMenu(popup_, menu::N14, MF_BYCOMMAND);
    DeleteMenu(popup_, menu::N15, MF_BYCOMMAND);
  }
}

}  // namespace glean
