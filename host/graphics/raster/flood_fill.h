// Finding the 4-connected area a flood fill covers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/color.h"

namespace pictor {

// Calls out(y, x0, x1) once for each span of the area around (x, y): the
// pixels of colour `color` (or, when border is set, the pixels that are not of
// that colour). The image is only read here; out may paint into it. `writes`
// is the value out gives every pixel of each span, when it writes the whole
// span with one value at once: a value outside the area lets the search read
// the area from the pixels, with nothing kept for the pixels already taken.
void FloodFillSpans(const BitmapImage& image, int x, int y, TColor color, bool border,
                    const std::function<void(int y, int x0, int x1)>& out,
                    std::optional<std::uint32_t> writes = std::nullopt);

// Whether (x, y) lies in the image and belongs to such an area.
bool FloodFillTakes(const BitmapImage& image, int x, int y, TColor color, bool border);

}  // namespace pictor
