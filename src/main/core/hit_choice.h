// The pointer reader's choice among the item rectangles a capture recorded: the last
// one under the point, or, when several lie there, the one that ranks first by a text
// key of its area (so a button inside a larger group frame wins over the frame).
#pragma once

#include <string>
#include <vector>

namespace glean {

struct HitBox {
  int Left = 0, Top = 0, Bottom = 0, Right = 0;
};

// The ranking key of a box at `index`: its area in square pixels times 0.00001 in the
// general number format, "=", the index.
std::string HitRankKey(const HitBox& box, int index);

// The index of the chosen box, or -1 when none contains (x, y) (edges included).
// `rankByArea`: rank two or more candidates by their keys.
int ChooseHitBox(const std::vector<HitBox>& boxes, int x, int y, bool rankByArea);

}  // namespace glean
