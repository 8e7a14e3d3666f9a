// What a capture reads and how the window list is filtered. Portable: read by the
// capture, the pointer reader, the settings file and the settings dialog.
//
// Each on/off option is described once, in kCaptureOptionRows: its member, its key in
// Glean.ini, its default and its check box in the settings dialog. The record's
// defaults and copies, the settings file and the dialog all follow that table, so a new
// option is one member and one row.
#pragma once

#include "base/strings.h"

namespace glean {

struct CaptureOptions {
  CaptureOptions();
  // Copies are what the settings dialog edits before they are stored.
  CaptureOptions(const CaptureOptions& other) { *this = other; }
  CaptureOptions& operator=(const CaptureOptions& other);

  bool show_text_type;
  bool not_get_hidden;
  bool read_static;
  bool read_edit;
  bool read_list;
  bool read_combo;
  bool read_listview;
  bool read_treeview;
  bool read_status;
  bool read_tool;
  bool read_menu;
  // Windows whose controls answer no text message are read through their accessibility tree.
  bool read_accessible;
  bool no_ampersand;
  // Every row of a list view and every item of a tree view, not only those in view.
  bool read_all_items;
  // Title substrings whose windows are left out of the window list (never empty ones).
  TStringList no_access;
};

// The settings dialog's two group boxes.
enum class OptionGroup { General, TextKinds };

struct CaptureOptionRow {
  bool CaptureOptions::*member;
  // Glean.ini's section and key (the key is the member's name).
  const char* section;
  const char* key;
  // A new record's value, and the value when the file has none.
  bool fallback;
  // The dialog's check box: its caption, its group box, its place from the group's
  // corner and its width (96-dpi units), and its place in the tab order among the
  // dialog's other controls (see settings_dialog.cpp).
  const char* caption;
  OptionGroup group;
  int x, y, width;
  int tab;
  // Whether the box names itself and its state to a screen reader on focus.
  bool announces;
};

inline constexpr const char* kCommonSection = "common";
inline constexpr const char* kTextTypeSection = "text_type";

// In the order the settings file reads and writes them.
inline constexpr CaptureOptionRow kCaptureOptionRows[] = {
    {&CaptureOptions::show_text_type, kCommonSection, "show_text_type", true, "テキストの種類を表示(&W)",
     OptionGroup::General, 24, 24, 320, 20, true},
    {&CaptureOptions::not_get_hidden, kCommonSection, "not_get_hidden", true, "隠れているデータは取得しない(&H)",
     OptionGroup::General, 24, 48, 320, 80, false},
    {&CaptureOptions::read_static, kTextTypeSection, "read_static", true, "スタティックテキスト(&S)",
     OptionGroup::TextKinds, 24, 24, 170, 120, true},
    {&CaptureOptions::read_edit, kTextTypeSection, "read_edit", true, "エディットテキスト(&E)", OptionGroup::TextKinds,
     24, 48, 170, 130, true},
    {&CaptureOptions::read_list, kTextTypeSection, "read_list", true, "リスト項目(&L)", OptionGroup::TextKinds, 24, 72,
     170, 140, true},
    {&CaptureOptions::read_combo, kTextTypeSection, "read_combo", true, "コンボボックス(&B)", OptionGroup::TextKinds,
     24, 96, 170, 150, true},
    {&CaptureOptions::read_listview, kTextTypeSection, "read_listview", true, "リストビュー項目(&V)",
     OptionGroup::TextKinds, 200, 24, 150, 170, true},
    {&CaptureOptions::read_treeview, kTextTypeSection, "read_treeview", true, "ツリービュー項目(&R)",
     OptionGroup::TextKinds, 200, 48, 150, 180, true},
    {&CaptureOptions::read_status, kTextTypeSection, "read_status", true, "ステータスバー(&U)", OptionGroup::TextKinds,
     24, 120, 170, 160, true},
    {&CaptureOptions::read_tool, kTextTypeSection, "read_tool", true, "ツールバー(&O)", OptionGroup::TextKinds, 200,
     72, 150, 190, true},
    {&CaptureOptions::read_menu, kTextTypeSection, "read_menu", true, "メニュー項目(&M)", OptionGroup::TextKinds, 200,
     96, 150, 200, true},
    // The longest caption of its column: it starts a little to the left to fit the group.
    {&CaptureOptions::read_all_items, kTextTypeSection, "read_all_items", false, "すべての項目を読む(&I)",
     OptionGroup::TextKinds, 196, 120, 163, 210, true},
    {&CaptureOptions::read_accessible, kTextTypeSection, "read_accessible", true,
     "アクセシビリティ情報を読む(&Y)", OptionGroup::TextKinds, 24, 144, 320, 220, true},
    {&CaptureOptions::no_ampersand, kCommonSection, "no_ampersand", false,
     "アクセスキー・プレフィクス '&&' を表示しない(&P)", OptionGroup::General, 24, 144, 320, 90, false},
};

inline CaptureOptions::CaptureOptions() {
  for (const CaptureOptionRow& row : kCaptureOptionRows) this->*row.member = row.fallback;
}

inline CaptureOptions& CaptureOptions::operator=(const CaptureOptions& other) {
  if (this == &other) return *this;
  for (const CaptureOptionRow& row : kCaptureOptionRows) this->*row.member = other.*row.member;
  no_access.Assign(other.no_access);
  return *this;
}

}  // namespace glean
