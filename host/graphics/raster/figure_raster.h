// Rasterising rectangles, rounded rectangles and ellipses row by row.
//
// The figure is the set of pixels whose centres lie inside the box (right and
// bottom edge left out) with its corners cut by quarter ellipses of the given
// width and height; an ellipse is the case where those fill the whole box.
// The outline of a width-w pen is the figure less the 4-connected interior of
// the figure inset by w - 1; the fill is that interior.
#pragma once

#include <functional>

namespace pictor {

struct FigureBox {
  int x1, y1, x2, y2;  // any order; normalised inside
  int cornerWidth = 0;
  int cornerHeight = 0;
};

using SpanFn = std::function<void(int y, int x0, int x1)>;

// Emits the outline spans (when outline is set) and the fill spans (when fill
// is set) of the rows in [rowLo, rowHi). With no outline the fill covers the
// whole figure.
void RasterFigure(const FigureBox& box, int penWidth, bool outline, bool fill, int rowLo,
                  int rowHi, const SpanFn& outlineSpan, const SpanFn& fillSpan);

}  // namespace pictor
