// What a capture reads and how the window list is filtered. Field names are the keys of
// Glean.ini. Portable: read by the capture, the pointer reader and the settings dialog.
#pragma once

#include "base/strings.h"

namespace glean {

struct CaptureOptions {
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
  bool no_ampersand = false;
  // Title substrings whose windows are left out of the window list (never empty ones).
  TStringList no_access;
};

}  // namespace glean
