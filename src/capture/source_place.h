// Going back from a captured line to the thing it came from: the item is found again in
// the other program (still there, still showing the captured text), selected and
// scrolled into view where it is a list's or a tree's, and its place on the screen told.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "capture/captured_text.h"
#include "capture/sources/line_sources.h"

namespace glean::capture {

// Where the item of `source` lies on the screen now, after selecting it and bringing it
// into view; none when it is gone (the window closed, no such item, another text there).
// `text` is the item's own text as captured (without column title or indents).
// Messages go with the capture's time limits; a hung window raises ETargetNotResponding.
std::optional<RECT> ShowSource(const LineSource& source, const std::string& text, const CaptureLimits& limits);

}  // namespace glean::capture
