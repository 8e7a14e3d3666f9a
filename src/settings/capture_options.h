// What a capture reads and how the window list is filtered. Field names are the keys of
// Glean.ini. Portable: read by the capture, the pointer reader and the settings dialog.
#pragma once

#include "base/strings.h"

namespace glean {

struct CaptureOptions {
  CaptureOptions() = default;
  // Copies are what the settings dialog edits before they are stored.
  CaptureOptions(const CaptureOptions& other) { *this = other; }
  CaptureOptions& operator=(const CaptureOptions& other) {
    if (this == &other) return *this;
    show_text_type = other.show_text_type;
    not_get_hidden = other.not_get_hidden;
    read_static = other.read_static;
    read_edit = other.read_edit;
    read_list = other.read_list;
    read_combo = other.read_combo;
    read_listview = other.read_listview;
    read_treeview = other.read_treeview;
    read_status = other.read_status;
    read_tool = other.read_tool;
    read_menu = other.read_menu;
    read_accessible = other.read_accessible;
    no_ampersand = other.no_ampersand;
    read_all_items = other.read_all_items;
    no_access.Assign(other.no_access);
    return *this;
  }

  bool show_text_type = true;
  bool not_get_hidden = true;
  bool read_static = true;
  bool read_edit = true;
  bool read_list = true;
  bool read_combo = true;
  bool read_listview = true;
  bool read_treeview = true;
  bool read_status = true;
  bool read_tool = true;
  bool read_menu = true;
  // Windows whose controls answer no text message are read through their accessibility tree.
  bool read_accessible = true;
  bool no_ampersand = false;
  // Every row of a list view and every item of a tree view, not only those in view.
  bool read_all_items = false;
  // Title substrings whose windows are left out of the window list (never empty ones).
  TStringList no_access;
};

}  // namespace glean
