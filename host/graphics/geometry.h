// Points and rectangles in pixel coordinates.
#pragma once

#include <span>

namespace pictor {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle from (Left, Top) up to but not including (Right, Bottom).
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) {
  return TRect{left, top, right, bottom};
}

// The same rectangle with Left <= Right and Top <= Bottom.
inline TRect NormalizedRect(const TRect& r) {
  TRect n = r;
  if (n.Left > n.Right) { n.Left = r.Right; n.Right = r.Left; }
  if (n.Top > n.Bottom) { n.Top = r.Bottom; n.Bottom = r.Top; }
  return n;
}

inline TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
          a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (r.IsEmpty()) return TRect{};
  return r;
}

// The smallest rectangle holding both; an empty one adds nothing.
inline TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b.IsEmpty() ? TRect{} : b;
  if (b.IsEmpty()) return a;
  return TRect{a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
               a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

// The smallest rectangle holding every point (empty for none), right and
// bottom exclusive; a point at the largest int stays just outside.
inline TRect BoundsOf(std::span<const TPoint> points) {
  if (points.empty()) return {};
  TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TPoint& p : points) {
    r.Left = p.X < r.Left ? p.X : r.Left;
    r.Top = p.Y < r.Top ? p.Y : r.Top;
    r.Right = p.X > r.Right ? p.X : r.Right;
    r.Bottom = p.Y > r.Bottom ? p.Y : r.Bottom;
  }
  constexpr int kMost = 2147483647;
  if (r.Right < kMost) ++r.Right;
  if (r.Bottom < kMost) ++r.Bottom;
  return r;
}

}  // namespace pictor
