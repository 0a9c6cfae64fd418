#include "host/graphics/raster/line_raster.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace pictor {

namespace line_detail {

// Liang-Barsky clipping of a segment to a box; false when nothing is left.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
  double x0 = a.X, y0 = a.Y, dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
  double t0 = 0, t1 = 1;
  auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, x0 - box.Left) || !edge(dx, box.Right - 1 - x0) || !edge(-dy, y0 - box.Top) ||
      !edge(dy, box.Bottom - 1 - y0))
    return false;
  TPoint na{static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy))};
  TPoint nb{static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy))};
  a = na;
  b = nb;
  return true;
}

}  // namespace line_detail

std::vector<TPoint> FlattenBezier(std::span<const TPoint> points) {
  std::vector<TPoint> out;
  if (points.empty()) return out;
  out.push_back(points[0]);
  for (std::size_t i = 0; i + 3 < points.size(); i += 3) {
    const double x0 = points[i].X, y0 = points[i].Y;
    const double x1 = points[i + 1].X, y1 = points[i + 1].Y;
    const double x2 = points[i + 2].X, y2 = points[i + 2].Y;
    const double x3 = points[i + 3].X, y3 = points[i + 3].Y;
    // Enough steps that consecutive points lie at most about two pixels apart.
    double length = std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1) +
                    std::hypot(x3 - x2, y3 - y2);
    int steps = static_cast<int>(std::clamp(length / 2.0, 1.0, 4096.0));
    for (int s = 1; s <= steps; ++s) {
      double t = double(s) / steps, u = 1 - t;
      double bx = u * u * u * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x3;
      double by = u * u * u * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y3;
      TPoint p{static_cast<int>(std::floor(std::clamp(bx, -2e9, 2e9) + 0.5)),
               static_cast<int>(std::floor(std::clamp(by, -2e9, 2e9) + 0.5))};
      if (s == steps) p = points[i + 3];
      if (!(p == out.back())) out.push_back(p);
    }
  }
  return out;
}

PenDisc::PenDisc(int width) : width_(width), rows_(static_cast<std::size_t>(width)) {
  const long long w2 = 1LL * width * width;
  for (int j = 0; j < width; ++j) {
    // Pixels whose centres lie inside the circle of diameter `width`: column i
    // is in when (2i + 1 - width)^2 + dy^2 < width^2, dy = 2j + 1 - width.
    const long long dy = 2LL * j + 1 - width;
    const long long room = w2 - dy * dy;
    Row& row = rows_[static_cast<std::size_t>(j)];
    if (room <= 0) continue;
    long long m = static_cast<long long>(std::sqrt(static_cast<double>(room - 1)));
    while (m * m > room - 1) --m;
    while ((m + 1) * (m + 1) <= room - 1) ++m;
    // 2i + 1 - width has the parity of width + 1.
    if ((m - width - 1) % 2 != 0) --m;
    if (m < 0) continue;
    row.x0 = static_cast<int>((width - 1 - m) / 2);
    row.x1 = static_cast<int>((width - 1 + m) / 2) + 1;
  }
}

void PenDisc::AddDot(int x, int y, const TRect& within, SpanSet& out) const {
  const int left = x - width_ / 2, top = y - width_ / 2;
  const int first = std::max(0, within.Top - top), last = std::min(width_, within.Bottom - top);
  for (int j = first; j < last; ++j) {
    const Row& row = rows_[static_cast<std::size_t>(j)];
    out.Add(top + j, std::max(left + row.x0, within.Left), std::min(left + row.x1, within.Right));
  }
}

void PenDisc::AddLine(TPoint a, TPoint b, bool includeEnd, const TRect& within, SpanSet& out) {
  // Along one line the discs of consecutive pixels overlap or touch on every
  // row they share, so each row of their union is one piece: its ends are
  // gathered row by row and added once, instead of a span per disc row.
  const int half = width_ / 2;
  int rowTop = INT_MAX, rowBottom = INT_MIN;
  auto dot = [&](int x, int y) {
    const int left = x - half, top = y - half;
    const int first = std::max(0, within.Top - top), last = std::min(width_, within.Bottom - top);
    if (first >= last) return;
    if (lo_.size() < static_cast<std::size_t>(within.Height())) {
      lo_.assign(static_cast<std::size_t>(within.Height()), INT_MAX);
      hi_.assign(static_cast<std::size_t>(within.Height()), INT_MIN);
    }
    for (int j = first; j < last; ++j) {
      const Row& row = rows_[static_cast<std::size_t>(j)];
      if (row.x0 >= row.x1) continue;
      const std::size_t at = static_cast<std::size_t>(top + j - within.Top);
      lo_[at] = std::min(lo_[at], left + row.x0);
      hi_[at] = std::max(hi_[at], left + row.x1);
    }
    rowTop = std::min(rowTop, top + first);
    rowBottom = std::max(rowBottom, top + last);
  };
  TraceLine(a, b, includeEnd, within, dot);
  for (int y = rowTop; y < rowBottom; ++y) {
    const std::size_t at = static_cast<std::size_t>(y - within.Top);
    out.Add(y, std::max(lo_[at], within.Left), std::min(hi_[at], within.Right));
    lo_[at] = INT_MAX;
    hi_[at] = INT_MIN;
  }
}

void AddPenDisc(int x, int y, int width, SpanSet& out) {
  PenDisc(width).AddDot(x, y, TRect{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2}, out);
}

bool PenStyleDraws(int style, int index) {
  switch (style) {
    case 1: return index % 8 < 6;        // dash: 6 on, 2 off
    case 2: return index % 2 == 0;       // dot: every other pixel
    case 3: {                            // dash-dot
      int i = index % 12;
      return i < 6 || (i >= 8 && i < 10);
    }
    case 4: {                            // dash-dot-dot
      int i = index % 14;
      return i < 6 || i == 8 || i == 11;
    }
    default: return true;
  }
}

}  // namespace pictor
