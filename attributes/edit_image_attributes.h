// EditImageAttributes: runs the image attributes dialog and applies the
// chosen size and colour depth to a bitmap.
#pragma once

#include <memory>

#include "host/graphics/bitmap.h"

namespace pictor {

// New (or an empty bitmap) offers 100 x 100 pixels and 16 colours and, on OK,
// makes Bitmap a blank image of the choice; otherwise the dialog offers the
// bitmap's own size and depth and OK resizes it (pixels anchored at the
// top-left, added area white) and converts it to the chosen depth with that
// depth's standard palette. Width and height are always 1 to 10000, also when
// OK is pressed while a field still holds a value outside them or no number.
// Bitmap may hold a new object afterwards (always when it was empty or New);
// when applying fails (out of memory) it is left as it was. True for OK.
bool EditImageAttributes(std::unique_ptr<TBitmap>& Bitmap, bool New);

}  // namespace pictor
