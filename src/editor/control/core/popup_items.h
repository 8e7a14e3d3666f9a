// The editor's own context menu without a window: its items in order with
// captions and shortcuts, the enabling rules and check marks read from the editor, the
// commands, and the shortcut keys. The Windows host builds the menu from this table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/control/core/editor_core.h"

namespace glean::popup {

// Item identifiers: the mark submenus' digits are kMarkSet + n and kMarkJump + n.
enum : int {
  kMarks = 1, kJumps = 2, kUndo = 4, kRedo = 5, kCut = 7, kCopy = 8, kPaste = 9,
  kBoxPaste = 10, kDelete = 11, kSelectAll = 13, kBoxMode = 15,
  kMarkSet = 100, kMarkJump = 200,
};

struct TItem {
  int Id = 0;          // 0 for a separator
  int Parent = 0;      // 0 on the menu itself, kMarks or kJumps inside a submenu
  std::string Caption;
  std::string Shortcut;  // as the menu shows it ("Ctrl+Z"); empty for none
  uint16_t Key = 0;      // the shortcut's key and shift state
  TShiftState Shift = 0;
};

// Every item in menu order (a submenu's digits right after it).
const std::vector<TItem>& Items();

struct TState {
  bool Enabled = true;
  bool Checked = false;
};
// What the item shows when the menu pops up now (the clipboard is asked of the host).
TState StateOf(TEditorCore& e, int id);

// Carries out an item's command.
void Run(TEditorCore& e, int id);

// The item whose shortcut is this key with this shift state; 0 for none.
int ForShortcut(uint16_t key, TShiftState shift);

}  // namespace glean::popup
