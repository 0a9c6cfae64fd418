// Finding the 4-connected area a flood fill covers.
#pragma once

#include <functional>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/color.h"

namespace pictor {

// Calls out(y, x0, x1) once for each span of the area around (x, y): the
// pixels of colour `color` (or, when border is set, the pixels that are not of
// that colour). The image is only read; out may paint into it.
void FloodFillSpans(const BitmapImage& image, int x, int y, TColor color, bool border,
                    const std::function<void(int y, int x0, int x1)>& out);

// Whether (x, y) lies in the image and belongs to such an area.
bool FloodFillTakes(const BitmapImage& image, int x, int y, TColor color, bool border);

}  // namespace pictor
