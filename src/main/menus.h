// The main menu `MainMenu1`, the pane's popup menu `PopupMenu1` and the keyboard
// shortcuts of both, built from one table. The items keep their component names as
// command identifiers.
#pragma once

#include <windows.h>

#include <string>

namespace glean {

namespace menu {
enum Id : UINT {
  // MainMenu1
  W1 = 1001, F1, N18, Exit1,
  Undo2, Cut2, Copy2, Paste2, Delete2, S1, SelectAll2, O2,
  A1, B1, N13, M1, N21, S2, M2, L2, A2, W2, Sec, N22, C2,
  ReadmeR1, C1, N12, Watch1,
  ZoomIn1, ZoomOut1, ZoomReset,
  // PopupMenu1
  N14, N15, Undo1, Cut1, Copy1, Paste1, Delete1, N4, SelectAll1, O1, Wordrap, Watch2,
  // A captured line's source: its list as a table, the item itself.
  TableSave1, TableCopy2, TableCopy1, GoToSource1,
};
}  // namespace menu

// The point sizes of the font-size items N21, S2, M2, L2, A2, in that order.
inline constexpr int kFontSizeItems[][2] = {
    {menu::N21, 8}, {menu::S2, 9}, {menu::M2, 10}, {menu::L2, 11}, {menu::A2, 12}};

class TBodyMenus {
 public:
  TBodyMenus();
  ~TBodyMenus();
  TBodyMenus(const TBodyMenus&) = delete;  // the object owns the menus and the shortcuts
  TBodyMenus& operator=(const TBodyMenus&) = delete;

  HMENU MainMenu1() const { return main_; }
  HMENU PopupMenu1() const { return popup_; }
  HACCEL Shortcuts() const { return accel_; }
  // The submenus, for telling which one is opening.
  HMENU File1() const { return file_; }
  HMENU Edit1() const { return edit_; }
  HMENU Show1() const { return show_; }
  HMENU L1() const { return l1_; }
  HMENU H1() const { return help_; }

  // The item's caption (without its shortcut text) and the setting of it.
  std::string Caption(UINT id) const;
  void SetCaption(UINT id, const std::string& caption);
  bool Checked(UINT id) const;
  void SetChecked(UINT id, bool checked);
  bool Enabled(UINT id) const;
  void SetEnabled(UINT id, bool enabled);
  // The top-level "編集(&E)" entry of the menu bar.
  bool EditMenuEnabled() const;
  void SetEditMenuEnabled(HWND window, bool enabled);
  // Shows or hides N14 and N15 at the head of the popup menu.
  void SetLinkItemsShown(bool shown);
  bool LinkItemsShown() const { return linkShown_; }

 private:
  HMENU MenuOf(UINT id) const;
  HMENU main_ = nullptr, popup_ = nullptr;
  HMENU file_ = nullptr, edit_ = nullptr, show_ = nullptr, goTo_ = nullptr, l1_ = nullptr, help_ = nullptr;
  HACCEL accel_ = nullptr;
  bool linkShown_ = true;
  std::string n14Caption_;
};

}  // namespace glean
