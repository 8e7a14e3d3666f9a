// The captured-text pane's line breaking and colouring, on the text model alone: word
// wrap by Japanese rules, and colours for the header lines, notes, error lines,
// addresses and control codes of a capture.
#pragma once

#include "editor/model/editor_fountain.h"
#include "editor/model/wrap_option.h"
#include "pane/pane_colours.h"

namespace glean {

void ConfigurePaneWrap(TEditorWrapOption& w);
// Glean's own colours unless told others; may be called again to switch.
void ConfigurePaneColours(TEditorFountain& f, const PaneColours& colours = ChoosePaneColours(SystemColorUse::Never, false, {}));

}  // namespace glean
