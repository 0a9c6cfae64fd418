// Copying a rectangle of one image onto another, scaled by nearest neighbour
// and converted to the target's format and palette.
#pragma once

#include <vector>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/color.h"
#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

struct BlitOptions {
  const SpanSet* clip = nullptr;  // target pixels outside it stay
  bool transparent = false;       // skip source pixels of colour key
  TColor key = clWhite;
};

// For each target coordinate in [first, last) of a stretch of destLength
// pixels from destStart onto sourceLength pixels from sourceStart, the source
// coordinate under its centre; -1 where that lies outside [0, sourceLimit).
std::vector<int> AxisMap(int first, int last, int destStart, int destLength, bool mirror,
                         int sourceStart, int sourceLength, int sourceLimit);

// Maps destRect onto sourceRect (either may be given right-to-left or
// bottom-to-top, which mirrors the picture). Each target pixel takes the source
// pixel under its centre; source pixels outside the source image draw nothing.
void StretchBlit(BitmapImage& target, const TRect& destRect, const BitmapImage& source,
                 const TRect& sourceRect, const BlitOptions& options);

}  // namespace pictor
