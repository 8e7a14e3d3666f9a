// The pane's context menu under Wine: the own TEditorPopupMenu's enabled states on an
// editable and on a read-only pane, its shortcuts, and the owner's replacements
// (a handler, or a menu of the owner's) that turn it off. Wine keeps a menu in the
// process that made it, so the menu is read here, in the pane's own process.
#include <gtest/gtest.h>

#include <windows.h>

#include "editor/control/core/popup_items.h"
#include "harness/process.h"
#include "pane_form.h"

namespace glean::testing {
namespace {

namespace pm = glean::popup;

bool ItemEnabled(HMENU menu, int id) {
  return !(GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

void PutText(HWND owner, const char* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
  strcpy(static_cast<char*>(GlobalLock(mem)), text);
  GlobalUnlock(mem);
  SetClipboardData(CF_TEXT, mem);
  CloseClipboard();
}

TEST(EditorPopupMenu, EnabledStatesOnAnEditableAndOnAReadOnlyPane) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("abc\r\ndef");
  PutText(form.Handle(), "x");
  TEditorPopupMenu& menu = e.OwnPopupMenu();
  HMENU h = menu.Handle();
  // Created with Undo .. Select all disabled, until it pops up.
  EXPECT_FALSE(ItemEnabled(h, pm::kUndo));
  EXPECT_FALSE(ItemEnabled(h, pm::kSelectAll));
  EXPECT_EQ(GetMenuItemCount(h), 15);

  menu.Prepare();
  EXPECT_FALSE(ItemEnabled(h, pm::kCut));  // nothing selected
  EXPECT_FALSE(ItemEnabled(h, pm::kCopy));
  EXPECT_FALSE(ItemEnabled(h, pm::kDelete));
  EXPECT_TRUE(ItemEnabled(h, pm::kPaste));
  EXPECT_TRUE(ItemEnabled(h, pm::kBoxPaste));
  EXPECT_TRUE(ItemEnabled(h, pm::kSelectAll));
  EXPECT_FALSE(ItemEnabled(h, pm::kUndo));

  e.SetSelStart(1);
  e.SetSelLength(2);
  SendMessageA(e.Handle(), WM_CUT, 0, 0);
  e.SelectAll();
  menu.Prepare();
  for (int id : std::initializer_list<int>{pm::kUndo, pm::kCut, pm::kCopy, pm::kPaste, pm::kBoxPaste, pm::kDelete,
                 pm::kSelectAll, pm::kBoxMode})
    EXPECT_TRUE(ItemEnabled(h, id)) << id;
  EXPECT_FALSE(ItemEnabled(h, pm::kRedo));

  e.SetReadOnly(true);
  menu.Prepare();
  for (int id : std::initializer_list<int>{pm::kUndo, pm::kRedo, pm::kCut, pm::kPaste, pm::kBoxPaste, pm::kDelete})
    EXPECT_FALSE(ItemEnabled(h, id)) << id;
  for (int id : std::initializer_list<int>{pm::kCopy, pm::kSelectAll, pm::kBoxMode, pm::kMarkSet + 1, pm::kMarkJump + 1})
    EXPECT_TRUE(ItemEnabled(h, id)) << id;
}

TEST(EditorPopupMenu, ChecksAndShortcutsOfTheOwnMenu) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("abc\r\ndef");
  e.SetRowCol(1, 0);
  HWND pane = e.Handle();
  auto key = [&](WPARAM vk, bool ctrl, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageA(pane, WM_KEYDOWN, vk, 1);
    state[VK_CONTROL] = state[VK_SHIFT] = 0;
    SetKeyboardState(state);
  };
  key('3', true, true);  // Shift+Ctrl+3: mark 3 on the caret row
  EXPECT_TRUE(e.ListRows().RowMarks(1) & (1 << 3));
  e.OwnPopupMenu().Prepare();
  EXPECT_TRUE(GetMenuState(e.OwnPopupMenu().Handle(), pm::kMarkJump + 3, MF_BYCOMMAND) & MF_CHECKED);
  e.SetRowCol(0, 0);
  key('3', true, false);  // Ctrl+3: jump to it
  EXPECT_EQ(e.Row(), 1);
  key('K', true, false);  // Ctrl+K: box mode
  EXPECT_EQ(e.SelectionMode(), TEditorSelectionMode::smBox);
  e.OwnPopupMenu().Prepare();
  EXPECT_TRUE(GetMenuState(e.OwnPopupMenu().Handle(), pm::kBoxMode, MF_BYCOMMAND) & MF_CHECKED);
  key('K', true, false);
  EXPECT_EQ(e.SelectionMode(), TEditorSelectionMode::smNormal);

  // An owner's handler takes the context menu, and the own shortcuts go quiet.
  int popups = 0;
  TPoint where;
  e.OnContextPopup = [&](TObject*, TPoint p) {
    ++popups;
    where = p;
  };
  EXPECT_FALSE(e.OwnPopupMenuActive());
  key('K', true, false);
  EXPECT_EQ(e.SelectionMode(), TEditorSelectionMode::smNormal);
  POINT screen{30, 20};
  ClientToScreen(pane, &screen);
  SendMessageA(pane, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane), MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(where.X, 30);
  EXPECT_EQ(where.Y, 20);
  SendMessageA(pane, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane), -1);  // from the keyboard
  EXPECT_EQ(popups, 2);
  EXPECT_EQ(where.X, e.CaretPos().X);
}

TEST(EditorPopupMenu, TheHostEventsOfTheWindow) {
  PaneForm form;
  TEditor& e = form.Data();
  e.Lines().SetText("abc");
  HWND pane = e.Handle();
  std::vector<uint16_t> downs;
  e.OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) {
    downs.push_back(k);
    if (k == VK_F10) k = 0;
  };
  int moves = 0, enters = 0, exits = 0;
  e.OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
    ++moves;
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
  };
  e.OnEnter = [&](TObject*) { ++enters; };
  e.OnExit = [&](TObject*) { ++exits; };
  SendMessageA(pane, WM_KEYDOWN, VK_RIGHT, 1);
  SendMessageA(pane, WM_SYSKEYDOWN, VK_F10, 1);
  EXPECT_EQ(downs, (std::vector<uint16_t>{VK_RIGHT, VK_F10}));
  EXPECT_EQ(e.Col(), 1);
  SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
  EXPECT_EQ(moves, 1);
  SetFocus(form.Handle());
  SetFocus(pane);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(enters, 1);
}

}  // namespace
}  // namespace glean::testing
