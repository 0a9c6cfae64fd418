// Drawing an image with an alpha channel over another image.
#pragma once

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

// Composites source (pf32bit, bytes B, G, R, A with straight alpha) over target,
// scaled into destRect by nearest neighbour; a rect given right-to-left or
// bottom-to-top mirrors the picture. Alpha 0 leaves the target pixel, 255
// replaces it, anything between blends each of red, green and blue as
// (source * a + target * (255 - a) + 127) / 255. The result is written in the
// target's format (the nearest palette entry on palette formats). Target
// pixels outside clip (when given) stay.
void AlphaBlit(BitmapImage& target, const TRect& destRect, const BitmapImage& source,
               const SpanSet* clip);

}  // namespace pictor
