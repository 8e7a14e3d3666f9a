#pragma once
// The data a scenario is made of: windows, their menus and the controls to create in them.
#include <string>
#include <variant>
#include <vector>

#include "ticker.h"

namespace sample_app {

enum class Kind {
  Label, Button, CheckBox, GroupBox, Edit, MultiEdit, DropDownCombo, DropListCombo,
  ListBox, MultiListBox, ListView, TreeView, StatusBar, ToolBar, Tab,
  Document,  // custom drawn, read only through its accessibility tree; `text` is its mode
};

struct Rect {
  int x, y, width, height;
};

// List box and combo box items; `selected` are item indices (the first one for a
// single-selection control).
struct ListItems {
  std::vector<std::string> items;
  std::vector<int> selected;
};

struct Column {
  std::string title;
  int width;
};

struct ListViewData {
  std::vector<Column> columns = {};
  std::vector<std::vector<std::string>> rows = {};  // cells by column
  std::vector<int> selected = {};
  // Answer item-text queries with a pointer nobody can read (a broken program).
  bool unreadable_text = false;
  // Answer LVM_GETCOUNTPERPAGE and LVM_GETITEMCOUNT with 2^31 - 1 (a broken program).
  bool lies_about_page = false;
  // LVS_OWNERDATA: the rows are answered through LVN_GETDISPINFO from `rows`.
  bool owner_data = false;
  // This row, asked for by another program, answers late (owner_data_list.cpp).
  int slow_row = -1;
  // The order the columns are shown in, as the user dragged them (empty: as made).
  std::vector<int> column_order = {};
};

struct TreeNode {
  int level;  // 0 = root; a node is a child of the nearest node above with level - 1
  std::string text;
  bool collapsed = false;
  // Says it has children but gets them only when it is first expanded, as a registry
  // tree does (then three, "<text> の子0" to "<text> の子2").
  bool lazy = false;
};

struct TreeData {
  std::vector<TreeNode> nodes;  // in display order; expanded unless collapsed
};

enum class PartStyle { Plain, NoBorders, PopOut, OwnerDraw };

struct StatusPart {
  int right;  // right edge in client pixels, -1 = to the end
  std::string text;
  PartStyle style = PartStyle::Plain;
  unsigned owner_data = 0;  // the value an owner-drawn part carries instead of a text
};

struct StatusData {
  std::vector<StatusPart> parts;
};

struct ToolButton {
  int command;  // 0 = separator
  std::string text;
};

struct ToolBarData {
  std::vector<ToolButton> buttons;
  // Answer TB_BUTTONCOUNT with 2^31 - 1 (a broken program).
  bool lies_about_count = false;
};

struct TabData {
  std::vector<std::string> pages;
  int shown = 0;
};

using Content =
    std::variant<std::monostate, ListItems, ListViewData, TreeData, StatusData, ToolBarData, TabData>;

struct ControlEntry {
  Kind kind;
  int id;
  Rect rect;  // status bars place themselves at the bottom and ignore it
  std::string text = {};
  Content content = {};
  bool checked = false;
  int page = -1;  // the tab page it belongs to; -1 = not on a page
};

struct MenuItem {
  int command;  // 0 = separator
  std::string text;
};

// One entry of the menu bar; an empty text is a separator on the bar itself.
struct MenuEntry {
  std::string text;
  std::vector<MenuItem> items;
};

struct WindowEntry {
  std::string title;
  int left, top;  // frame position on the screen
  std::vector<MenuEntry> menu;
  std::vector<ControlEntry> controls;  // created in this order
  std::string window_class = {};       // empty: the sample app's own class
  bool shown = true;
  bool tool_window = false;
  // When set, a Unicode window whose title is `title` followed by this.
  std::wstring wide_title_suffix = {};
  TickerMode ticker = {};  // the ticker scenarios' changing texts
};

}  // namespace sample_app
