// Independent bitmap copies through the bitmap file format.
#pragma once

#include "host/graphics/bitmap.h"

namespace pictor {

// Makes dest an independent copy of source (size, pixel format, palette and
// pixels) by saving source into a memory stream and loading dest from it.
void CopyBitmap(const TBitmap* source, TBitmap* dest);

}  // namespace pictor
