#include "host/graphics/metafile/metafile_geometry.h"

#include <algorithm>
#include <cmath>

namespace pictor::metafile {

int RoundCoord(double v) {
  if (!(v > -kCoordLimit)) return -kCoordLimit;
  if (!(v < kCoordLimit)) return kCoordLimit;
  return static_cast<int>(std::floor(v + 0.5));
}

namespace {

// Cuts the segment a-b to box (Liang-Barsky); false when nothing is left.
bool ClipSegment(TPoint a, TPoint b, const TRect& box, TPoint& outA, TPoint& outB) {
  const double dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
  double t0 = 0, t1 = 1;
  auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
    return true;
  };
  if (!edge(-dx, double(a.X) - box.Left) || !edge(dx, double(box.Right) - a.X) ||
      !edge(-dy, double(a.Y) - box.Top) || !edge(dy, double(box.Bottom) - a.Y))
    return false;
  outA = t0 == 0 ? a : TPoint{RoundCoord(a.X + t0 * dx), RoundCoord(a.Y + t0 * dy)};
  outB = t1 == 1 ? b : TPoint{RoundCoord(a.X + t1 * dx), RoundCoord(a.Y + t1 * dy)};
  return true;
}

}  // namespace

std::vector<std::vector<TPoint>> ClipPolyline(std::span<const TPoint> points, bool closed,
                                              const TRect& box) {
  std::vector<std::vector<TPoint>> pieces;
  const std::size_t n = points.size();
  if (n < 2) return pieces;
  const std::size_t segments = closed ? n : n - 1;
  std::vector<TPoint> current;
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = points[i], b = points[(i + 1) % n];
    TPoint ca, cb;
    if (!ClipSegment(a, b, box, ca, cb)) {
      if (current.size() >= 2) pieces.push_back(std::move(current));
      current.clear();
      continue;
    }
    if (current.empty() || !(current.back() == ca)) {
      if (current.size() >= 2) pieces.push_back(std::move(current));
      current.assign(1, ca);
    }
    current.push_back(cb);
    // A cut end leaves the box: the piece stops there.
    if (!(cb == b)) {
      pieces.push_back(std::move(current));
      current.clear();
    }
  }
  if (current.size() >= 2) pieces.push_back(std::move(current));
  return pieces;
}

bool AllInside(std::span<const TPoint> points, const TRect& box) {
  for (const TPoint& p : points)
    if (p.X < box.Left || p.X >= box.Right || p.Y < box.Top || p.Y >= box.Bottom) return false;
  return true;
}

std::uint64_t AreaInside(const TRect& box, const TRect& clip) {
  const long long l = std::max<long long>(box.Left, clip.Left);
  const long long r = std::min<long long>(box.Right, clip.Right);
  const long long t = std::max<long long>(box.Top, clip.Top);
  const long long b = std::min<long long>(box.Bottom, clip.Bottom);
  if (r <= l || b <= t) return 0;
  return static_cast<std::uint64_t>(r - l) * static_cast<std::uint64_t>(b - t);
}

}  // namespace pictor::metafile
