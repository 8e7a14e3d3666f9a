// How the main window looks and where it stands; the keys of Glean.ini's "common" section
// bear the field names (the font keys keep their historical spelling "sixe").
#pragma once

namespace glean {

struct LayoutSize {
  int width = 506;
  int height = 454;
  bool operator==(const LayoutSize&) const = default;
};

struct ViewSettings {
  bool send_clipboard = false;
  int list_font_sixe = 9;
  int data_font_sixe = 9;
  bool always_foreground = false;
  bool compact_style = false;
  int window_left = 257;
  int window_top = 174;
  int window_width = 506;
  int window_height = 454;
  int compact_left = 257;
  int compact_top = 174;
  int compact_width = 506;
  int compact_height = 454;
  bool window_maximized = false;
  // Glean's reports of what it did also go to screen readers as UI Automation notifications.
  bool uia_notify = true;
  // How often a watched window is read again, in milliseconds (0: only on its events).
  int watch_interval_ms = 1000;
  // 0 Glean's own colours, 1 the system's, 2 the system's in high contrast (see
  // pane/pane_colours.h).
  int system_colors = 2;
};

}  // namespace glean
