// Points and rectangles in pixel coordinates.
#pragma once

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

}  // namespace pictor
