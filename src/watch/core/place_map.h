// Where the user's place in the previous capture is in the new one: the caret, the top
// of the view and the ends of a selection are (line, byte) places mapped through a diff.
#pragma once

#include <string>
#include <vector>

#include "watch/core/line_diff.h"

namespace glean::watch {

struct TextPlace {
  int Line = 0;
  int Byte = 0;
  bool operator==(const TextPlace&) const = default;
};

// The new line of previous line `line`. A kept line is itself; a line in a run that was
// replaced is the line at the same position of its replacement (a status line whose
// text changed stays under the caret); a line removed without replacement gives the next
// line that remains; past every remaining line, the last line. -1 when the new text has
// no lines.
int MapLine(const LineDiff& diff, int line);

// The place on the mapped line: the same byte where the line still has it, else its
// end, never inside a double-byte character.
TextPlace MapPlace(const LineDiff& diff, const std::vector<std::string>& after, TextPlace place);

// True when the place's line was kept: its text is the same, so the place means the
// same thing (a selection is kept only when both its ends are).
bool PlaceKept(const LineDiff& diff, TextPlace place);

// The pane's lines of a capture's items: an item may hold line breaks (a multi-line
// edit's text), and the pane shows it as several lines.
std::vector<std::string> PaneLines(const std::vector<std::string>& items);

// Offsets of text joined with CR LF between lines, as the pane counts them.
class LineOffsets {
 public:
  explicit LineOffsets(const std::vector<std::string>& lines);
  int OffsetOf(TextPlace place) const;
  TextPlace PlaceOf(int offset) const;

 private:
  std::vector<int> starts_;
};

}  // namespace glean::watch
