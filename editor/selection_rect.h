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

// Calls fn for each of the rectangles that together cover `area` except
// where it meets `kept`: the bands above, below, left and right of it.
template <typename Fn>
void ForEachOutside(const TRect& area, const TRect& kept, Fn fn) {
  const TRect k = IntersectRect(area, kept);
  if (k.IsEmpty()) {
    fn(area);
    return;
  }
  for (const TRect& band : {Rect(area.Left, area.Top, area.Right, k.Top),
                            Rect(area.Left, k.Bottom, area.Right, area.Bottom),
                            Rect(area.Left, k.Top, k.Left, k.Bottom),
                            Rect(k.Right, k.Top, area.Right, k.Bottom)})
    if (!band.IsEmpty()) fn(band);
}

// The pixels of `dest` that a copy of the pixel rectangle `source` of a
// width x height image writes: those whose source lies in the image. Empty
// when the two differ in size (a stretched copy).
inline TRect CopiedPart(const TRect& source, const TRect& dest, int width, int height) {
  if (dest.Right - dest.Left != source.Right - source.Left ||
      dest.Bottom - dest.Top != source.Bottom - source.Top)
    return TRect{};
  return ShiftedRect(IntersectRect(source, Rect(0, 0, width, height)), dest.Left - source.Left,
                     dest.Top - source.Top);
}

}  // namespace pictor
