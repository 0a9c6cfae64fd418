// Geometry helpers of metafile playing: rounding and clamping target
// coordinates, and cutting polylines to a box.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/graphics/geometry.h"

namespace pictor::metafile {

// Target coordinates are clamped to +-kCoordLimit so that the canvas's
// integer arithmetic cannot overflow.
inline constexpr int kCoordLimit = 1 << 26;

// Rounds to the nearest integer, clamped; NaN gives -kCoordLimit.
int RoundCoord(double v);

// The pieces of a polyline (closed: back to its first point) inside box.
std::vector<std::vector<TPoint>> ClipPolyline(std::span<const TPoint> points, bool closed,
                                              const TRect& box);

// Whether all points lie in box.
bool AllInside(std::span<const TPoint> points, const TRect& box);

// Area of the box's part inside clip (0 when they do not meet), as a 64-bit count.
std::uint64_t AreaInside(const TRect& box, const TRect& clip);

}  // namespace pictor::metafile
