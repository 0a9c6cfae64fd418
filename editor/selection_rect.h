// Selection rectangles hold two corner pixels, both inside the selection, in
// either order: (10, 10) to (20, 20) covers 11 x 11 pixels, and so does
// (20, 20) to (10, 10). Every fill, copy, border and hit test of a selection
// goes through these helpers, so none of them mirrors or loses an edge.
#pragma once

#include <algorithm>

#include "host/graphics/geometry.h"

namespace pictor {

// The selection rectangle from corner a to corner b.
inline TRect CornerRect(TPoint a, TPoint b) { return Rect(a.X, a.Y, b.X, b.Y); }

// The pixels a selection rectangle covers, as a canvas rectangle (right and
// bottom edge left out), whichever way it was dragged.
inline TRect PixelRect(const TRect& corners) {
  const TRect n = NormalizedRect(corners);
  return Rect(n.Left, n.Top, n.Right + 1, n.Bottom + 1);
}

inline TRect ShiftedRect(const TRect& r, int dx, int dy) {
  return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

// The top-left corner pixel of a selection rectangle.
inline TPoint TopLeft(const TRect& corners) {
  return Point(std::min(corners.Left, corners.Right), std::min(corners.Top, corners.Bottom));
}

}  // namespace pictor
