// Which colours the pane and the window list draw in: Glean's own, or the system's
// (a high-contrast theme's) pairs. Portable: the setting, the high-contrast flag and
// the system colours in, every colour out.
#pragma once

#include "editor/model/fountain.h"

namespace glean {

// Glean.ini's "system_colors": 0 Glean's own, 1 always the system's, 2 the system's
// while high contrast is on.
enum class SystemColorUse { Never = 0, Always = 1, InHighContrast = 2 };
inline constexpr int kDefaultSystemColors = 2;

// The system's colours Glean uses, as COLORREFs (0x00BBGGRR, the TColor layout).
struct SystemColours {
  TColor window, windowText;        // COLOR_WINDOW, COLOR_WINDOWTEXT
  TColor highlight, highlightText;  // COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT
  TColor hotLight;                  // COLOR_HOTLIGHT
  TColor grayText;                  // COLOR_GRAYTEXT
  TColor btnFace, btnText;          // COLOR_BTNFACE, COLOR_BTNTEXT
};

// clNone stands for the plain pair's colour (Glean's own colours leave the pane's
// background through).
struct ColourPair {
  TColor text, back;
  bool operator==(const ColourPair&) const = default;
};

struct PaneColours {
  ColourPair plain;      // the text and the pane's background (the image bar's too)
  ColourPair header;     // "∇" header lines
  ColourPair note;       // 《notes》
  ColourPair error;      // "Error: " lines
  ColourPair link;       // addresses
  ColourPair mail;       // mail addresses
  ColourPair selection;  // the selection
  ColourPair hit;        // the search hit (clNone: the plain pair inverted)
  ColourPair endMark;    // [EOF]
  ColourPair list;       // the window list (list view and image combo box)
  bool operator==(const PaneColours&) const = default;
};

// The setting as read from the file: anything but 0, 1, 2 is the default.
SystemColorUse SystemColorUseOf(int setting);
bool UsesSystemColours(SystemColorUse use, bool highContrast);

// Glean's own colours, or the system's pairs, each text distinct from its background.
PaneColours ChoosePaneColours(SystemColorUse use, bool highContrast, const SystemColours& system);

// Whether `text` on `back` can be told apart (a plain distance of the channels).
bool Distinct(TColor text, TColor back);

}  // namespace glean
