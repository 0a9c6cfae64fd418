#include "host/graphics/raster/figure_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pictor {
namespace {

using i128 = __int128;
constexpr long long kCoordLimit = 1LL << 26;  // figures beyond this are clamped

struct Shape {
  // All in doubled coordinates, where the centre of pixel p lies at 2p + 1.
  long long left, top, right, bottom;  // the box
  long long rx, ry;                    // doubled corner radii (= corner width and height)
  bool empty;

  Shape(long long x1, long long y1, long long x2, long long y2, long long cw, long long ch) {
    left = 2 * x1;
    top = 2 * y1;
    right = 2 * x2;
    bottom = 2 * y2;
    empty = x2 <= x1 || y2 <= y1;
    rx = std::clamp(cw, 0LL, x2 - x1);
    ry = std::clamp(ch, 0LL, y2 - y1);
  }

  // Columns [x0, x1) of row y inside the figure; false when the row is empty.
  bool Row(long long y, long long& x0, long long& x1) const {
    if (empty) return false;
    const long long Y = 2 * y + 1;
    if (Y <= top || Y >= bottom) return false;
    long long innerL = left + rx, innerR = right - rx;
    long long reach = 0;  // how far beyond the inner box a centre may lie
    if (rx > 0 && ry > 0) {
      long long dy = std::max({0LL, top + ry - Y, Y - (bottom - ry)});
      // dx^2 * ry^2 < rx^2 * ry^2 - dy^2 * rx^2 =: k
      i128 k = i128(rx) * rx * ry * ry - i128(dy) * dy * rx * rx;
      if (k <= 0) return false;
      i128 ry2 = i128(ry) * ry;
      // A close first guess in doubles; the two loops below make it exact.
      const double rxd = static_cast<double>(rx), ryd = static_cast<double>(ry),
                   dyd = static_cast<double>(dy);
      const double guess = std::sqrt(std::max(0.0, rxd * rxd * (ryd * ryd - dyd * dyd))) / ryd;
      long long d = static_cast<long long>(guess);
      while (d > 0 && i128(d) * d * ry2 >= k) --d;
      while (i128(d + 1) * (d + 1) * ry2 < k) ++d;
      reach = d;
    } else {
      innerL = left;
      innerR = right;
      reach = -1;  // strict: centres strictly inside the box
    }
    // Columns p with innerL - reach <= 2p + 1 <= innerR + reach, inside the box.
    long long lo = innerL - reach, hi = innerR + reach;
    long long first = (lo - 1) >= 0 ? (lo - 1 + 1) / 2 : -((1 - lo) / 2);  // ceil((lo-1)/2)
    long long last = (hi - 1) >= 0 ? (hi - 1) / 2 : -((-(hi - 1) + 1) / 2);  // floor((hi-1)/2)
    first = std::max(first, left / 2);
    last = std::min(last, right / 2 - 1);
    if (first > last) return false;
    x0 = first;
    x1 = last + 1;
    return true;
  }
};

struct RowSpan {
  bool any = false;
  long long x0 = 0, x1 = 0;
};

RowSpan RowOf(const Shape& s, long long y) {
  RowSpan r;
  r.any = s.Row(y, r.x0, r.x1);
  return r;
}

// The 4-connected interior of a figure on a row, given the figure's spans on
// the row above, the row and the row below.
RowSpan InteriorRow(const RowSpan& up, const RowSpan& mid, const RowSpan& down) {
  RowSpan r;
  if (!mid.any || !up.any || !down.any) return r;
  r.x0 = std::max({mid.x0 + 1, up.x0, down.x0});
  r.x1 = std::min({mid.x1 - 1, up.x1, down.x1});
  r.any = r.x0 < r.x1;
  return r;
}

}  // namespace

void RasterFigure(const FigureBox& box, int penWidth, bool outline, bool fill, int rowLo,
                  int rowHi, const SpanFn& outlineSpan, const SpanFn& fillSpan) {
  auto clampCoord = [](long long v) { return std::clamp(v, -kCoordLimit, kCoordLimit); };
  long long x1 = clampCoord(std::min(box.x1, box.x2)), x2 = clampCoord(std::max(box.x1, box.x2));
  long long y1 = clampCoord(std::min(box.y1, box.y2)), y2 = clampCoord(std::max(box.y1, box.y2));
  const long long cw = std::max(0, box.cornerWidth), ch = std::max(0, box.cornerHeight);
  const Shape shape(x1, y1, x2, y2, cw, ch);
  if (shape.empty) return;
  const long long k = std::max(penWidth, 1) - 1;
  const Shape inset(x1 + k, y1 + k, x2 - k, y2 - k, std::max(0LL, cw - 2 * k),
                    std::max(0LL, ch - 2 * k));
  const long long first = std::max<long long>(rowLo, y1), last = std::min<long long>(rowHi, y2);
  // The inset's spans on the rows above, at and below y, moved along with y
  // so that each row of it is worked out once.
  const bool insetRows = outline && !inset.empty;
  RowSpan above, here;
  if (insetRows) above = RowOf(inset, first - 1), here = RowOf(inset, first);
  for (long long y = first; y < last; ++y) {
    RowSpan inner;
    if (insetRows) {
      const RowSpan below = RowOf(inset, y + 1);
      inner = InteriorRow(above, here, below);
      above = here;
      here = below;
    }
    RowSpan row = RowOf(shape, y);
    if (!row.any) continue;
    const int iy = static_cast<int>(y);
    if (!outline) {
      if (fill) fillSpan(iy, static_cast<int>(row.x0), static_cast<int>(row.x1));
      continue;
    }
    if (!inner.any) {
      outlineSpan(iy, static_cast<int>(row.x0), static_cast<int>(row.x1));
      continue;
    }
    if (row.x0 < inner.x0) outlineSpan(iy, static_cast<int>(row.x0), static_cast<int>(inner.x0));
    if (fill) fillSpan(iy, static_cast<int>(inner.x0), static_cast<int>(inner.x1));
    if (inner.x1 < row.x1) outlineSpan(iy, static_cast<int>(inner.x1), static_cast<int>(row.x1));
  }
}

}  // namespace pictor
