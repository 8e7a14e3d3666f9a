// Pixel points and rectangles of the editor core (client coordinates, right and bottom
// exclusive, as the window system counts them).
#pragma once

#include <algorithm>

namespace glean {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  bool Intersects(const TRect& o) const {
    return !Empty() && !o.Empty() && Left < o.Right && o.Left < Right && Top < o.Bottom &&
           o.Top < Bottom;
  }
  TRect Intersect(const TRect& o) const {
    return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
            std::min(Bottom, o.Bottom)};
  }
  bool operator==(const TRect&) const = default;
};

}  // namespace glean
