// Rasterising lines and curves into pixel paths.
#pragma once

#include <span>
#include <vector>

#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

// Calls pixel(x, y) for every pixel of the line from a to b, in order, with b
// itself only when includeEnd. Lines reaching far beyond `visible` are cut to
// it (with a margin) first, so a hostile coordinate cannot make this run long.
template <typename PixelFn>
void TraceLine(TPoint a, TPoint b, bool includeEnd, const TRect& visible, PixelFn&& pixel);

// The points of a polyline approximating cubic Bezier curves (1 + 3n control points).
std::vector<TPoint> FlattenBezier(std::span<const TPoint> points);

// Adds the disc a round pen of the given width covers around (x, y): a
// width x width square less its rounded corners, top-left at (x - width/2, y - width/2).
void AddPenDisc(int x, int y, int width, SpanSet& out);

// The disc of a round pen of one width, its rows worked out once, for
// stamping along lines. Only the part inside `within` is added, and the work
// follows that part.
class PenDisc {
 public:
  explicit PenDisc(int width);
  // The disc around (x, y), as AddPenDisc.
  void AddDot(int x, int y, const TRect& within, SpanSet& out) const;
  // The discs around every pixel of the line a-b (b only when includeEnd).
  void AddLine(TPoint a, TPoint b, bool includeEnd, const TRect& within, SpanSet& out);

 private:
  struct Row {
    int x0 = 0, x1 = 0;  // [x0, x1) from the disc's left column
  };
  int width_;
  std::vector<Row> rows_;
  std::vector<int> lo_, hi_;  // per row of `within`: the ends gathered along a line
};

// Whether pixel number `index` along a path is drawn by a pen style
// (0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot).
bool PenStyleDraws(int style, int index);

namespace line_detail {
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box);
}

template <typename PixelFn>
void TraceLine(TPoint a, TPoint b, bool includeEnd, const TRect& visible, PixelFn&& pixel) {
  // Exact paths for everything within reach of the image; far-off lines are
  // first cut to a box around it (their visible pixels may shift by one).
  constexpr int kReach = 1 << 16;
  const TRect safe{visible.Left - kReach, visible.Top - kReach, visible.Right + kReach,
                   visible.Bottom + kReach};
  auto inside = [&](TPoint p) {
    return p.X >= safe.Left && p.X < safe.Right && p.Y >= safe.Top && p.Y < safe.Bottom;
  };
  if (!inside(a) || !inside(b)) {
    const TRect box{visible.Left - 1024, visible.Top - 1024, visible.Right + 1024,
                    visible.Bottom + 1024};
    if (!line_detail::ClipSegment(a, b, box)) return;
    includeEnd = true;
  }
  long long dx = b.X > a.X ? b.X - a.X : a.X - b.X;
  long long dy = b.Y > a.Y ? b.Y - a.Y : a.Y - b.Y;
  const int sx = a.X < b.X ? 1 : -1;
  const int sy = a.Y < b.Y ? 1 : -1;
  long long err = dx - dy;
  int x = a.X, y = a.Y;
  while (x != b.X || y != b.Y) {
    pixel(x, y);
    long long e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
  if (includeEnd) pixel(x, y);
}

}  // namespace pictor
