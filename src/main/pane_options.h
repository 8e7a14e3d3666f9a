// The options of the captured-text pane: a fixed-pitch font, word wrap by Japanese
// rules, the EOF mark, and colours for the header lines, notes, error lines and
// addresses of a capture.
#pragma once

#include "editor/control/editor.h"

namespace glean {

// Sets every option before the pane's window is created; `fontPixels` is the height of
// the pane font's characters.
void ConfigurePane(TEditor& pane, int fontPixels);

}  // namespace glean
