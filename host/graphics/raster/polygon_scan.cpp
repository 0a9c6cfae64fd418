#include "host/graphics/raster/polygon_scan.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pictor {
namespace {

struct Edge {
  int yTop;                     // first row whose centre line the edge crosses
  int yBottom;                  // one past the last such row
  std::int64_t x0, y0, dx, dy;  // start point and direction, dy > 0
  int dir;                      // +1 downward in the original order, -1 upward
};

using i128 = __int128;

// Ceiling of a / b for b > 0.
i128 CeilDiv(i128 a, i128 b) {
  i128 q = a / b;
  if ((a % b != 0) && (a > 0)) ++q;
  return q;
}

// First pixel column whose centre is at or right of the edge's crossing with
// the centre line of row y.
int CrossingColumn(const Edge& e, int y) {
  // Crossing at x = x0 + (y + 0.5 - y0) * dx / dy; doubled: X2 = N / dy with
  // N = 2*x0*dy + (2y + 1 - 2*y0) * dx. First column: ceil((X2 - 1) / 2).
  i128 n = i128(2) * e.x0 * e.dy + (i128(2) * y + 1 - i128(2) * e.y0) * e.dx;
  i128 c = CeilDiv(n - e.dy, i128(2) * e.dy);
  if (c < INT32_MIN / 2) return INT32_MIN / 2;
  if (c > INT32_MAX / 2) return INT32_MAX / 2;
  return static_cast<int>(c);
}

}  // namespace

void ScanPolygon(std::span<const TPoint> points, FillRule rule, SpanSet& out) {
  ScanPolygon(points, rule, TRect{-kRegionLimit, -kRegionLimit, kRegionLimit, kRegionLimit}, out);
}

void ScanPolygon(std::span<const TPoint> points, FillRule rule, const TRect& bounds, SpanSet& out) {
  if (points.size() < 3) return;
  const int count = static_cast<int>(points.size());
  ScanPolyPolygon(points, std::span<const int>(&count, 1), rule, bounds, out);
}

void ScanPolyPolygon(std::span<const TPoint> all, std::span<const int> counts, FillRule rule,
                     const TRect& bounds, SpanSet& out) {
  if (bounds.IsEmpty()) return;
  std::vector<Edge> edges;
  edges.reserve(all.size());
  std::size_t start = 0;
  for (int count : counts) {
    if (count <= 0 || start + static_cast<std::size_t>(count) > all.size()) break;
    std::span<const TPoint> points = all.subspan(start, static_cast<std::size_t>(count));
    start += static_cast<std::size_t>(count);
    if (points.size() < 3) continue;
    for (std::size_t i = 0; i < points.size(); ++i) {
      TPoint a = points[i];
      TPoint b = points[(i + 1) % points.size()];
      if (a.Y == b.Y) continue;
      int dir = 1;
      if (a.Y > b.Y) {
        std::swap(a, b);
        dir = -1;
      }
      // Rows whose centre y + 0.5 lies in [a.Y, b.Y): a.Y <= y < b.Y.
      Edge e{a.Y, b.Y, a.X, a.Y, std::int64_t(b.X) - a.X, std::int64_t(b.Y) - a.Y, dir};
      e.yTop = std::max(e.yTop, bounds.Top);
      e.yBottom = std::min(e.yBottom, bounds.Bottom);
      if (e.yTop < e.yBottom) edges.push_back(e);
    }
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(),
            [](const Edge& l, const Edge& r) { return l.yTop < r.yTop; });
  int yEnd = 0;
  for (const Edge& e : edges) yEnd = std::max(yEnd, e.yBottom);

  std::vector<const Edge*> active;
  std::vector<std::pair<int, int>> crossings;  // column, direction
  std::size_t next = 0;
  for (int y = edges.front().yTop; y < yEnd; ++y) {
    active.erase(std::remove_if(active.begin(), active.end(),
                                [y](const Edge* e) { return e->yBottom <= y; }),
                 active.end());
    while (next < edges.size() && edges[next].yTop <= y) active.push_back(&edges[next++]);
    if (active.empty()) {
      if (next < edges.size()) y = edges[next].yTop - 1;
      continue;
    }
    crossings.clear();
    for (const Edge* e : active) crossings.emplace_back(CrossingColumn(*e, y), e->dir);
    std::sort(crossings.begin(), crossings.end());
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += rule == FillRule::Winding ? crossings[i].second : 1;
      bool inside = rule == FillRule::Winding ? winding != 0 : (winding & 1) != 0;
      if (!inside) continue;
      int x0 = std::max(crossings[i].first, bounds.Left);
      int x1 = std::min(crossings[i + 1].first, bounds.Right);
      if (x0 < x1) out.Add(y, x0, x1);
    }
  }
}

}  // namespace pictor
