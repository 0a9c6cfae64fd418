// The three standard palettes every working bitmap carries, and the rule that
// picks one by pixel format.
#pragma once

#include "host/graphics/bitmap.h"
#include "host/graphics/handle_table.h"

namespace pictor {

// Each call creates a new palette handle; the caller hands it to a bitmap's
// Palette, which then owns it.
HPALETTE MonochromePalette();  // 2 greys: black, white; flags PC_NOCOLLAPSE
HPALETTE Palette16();          // the 16 colours of the table; flags PC_NOCOLLAPSE
HPALETTE WebPalette();         // 6 x 6 x 6 colour cube, red slowest; flags 0

// The standard palette rule: an empty bitmap is first made 4-bit; then a 1-bit
// bitmap gets MonochromePalette, a 4-bit one Palette16, any other WebPalette.
void ApplyStandardPalette(TBitmap& bitmap);

}  // namespace pictor
