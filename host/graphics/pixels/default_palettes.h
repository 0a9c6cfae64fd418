// The palette an indexed bitmap gets when it has none of its own:
// 1 bit: black and white; 4 bits: the 16 VGA colours in VGA order;
// 8 bits: the 6 x 6 x 6 colour cube (red slowest) followed by 40 greys.
#pragma once

#include <vector>

#include "host/graphics/color.h"
#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

std::vector<PALETTEENTRY> DefaultPaletteEntries(TPixelFormat format);

}  // namespace pictor
