// The options of the captured-text pane: a fixed-pitch font, word wrap by Japanese
// rules, the EOF mark, and colours for the header lines, notes, error lines and
// addresses of a capture.
#pragma once

#include "editor/control/core/editor_core.h"
#include "pane/pane_colours.h"

namespace glean {

inline constexpr char kPaneFontName[] = "ＭＳ ゴシック";

// Sets every option before the pane's window is created; `fontPixels` is the height of
// the pane font's characters. Portable, so that the editor's own tests and benchmarks
// exercise the pane exactly as Glean configures it.
void ConfigurePane(TEditorCore& pane, int fontPixels);

// The pane's margins and bars for `dpi` (their design sizes are 96-dpi pixels).
void SetPaneMetrics(TEditorCore& pane, int dpi);

// Every colour the pane draws: its background and text, the end mark and the colouring.
void ApplyPaneColours(TEditorCore& pane, const PaneColours& colours);

}  // namespace glean
