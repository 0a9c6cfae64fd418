// Polygon scan conversion. A pixel belongs to the polygon when its centre
// (x + 0.5, y + 0.5) lies inside; centres exactly on a left edge are inside,
// on a right edge outside, so polygons that share an edge never overlap.
#pragma once

#include <span>

#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

enum class FillRule { EvenOdd, Winding };

// Largest distance from the origin that region rows are computed for; rows
// beyond it stay empty, so a hostile coordinate cannot make a scan run forever.
inline constexpr int kRegionLimit = 1 << 17;

// Adds the polygon's pixels that lie within bounds (default: the region limit) to out.
void ScanPolygon(std::span<const TPoint> points, FillRule rule, SpanSet& out);
void ScanPolygon(std::span<const TPoint> points, FillRule rule, const TRect& bounds, SpanSet& out);
// Several closed outlines (counts[i] points each, in order) filled together.
void ScanPolyPolygon(std::span<const TPoint> points, std::span<const int> counts, FillRule rule,
                     const TRect& bounds, SpanSet& out);

}  // namespace pictor
