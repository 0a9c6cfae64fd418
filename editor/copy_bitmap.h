// Independent bitmap copies, as the bitmap file format would carry them.
#pragma once

#include "host/graphics/bitmap.h"

namespace pictor {

// Makes dest an independent copy of source (size, pixel format, palette and
// pixels): what saving source into a memory stream and loading dest from it
// would give, without the stream.
void CopyBitmap(const TBitmap* source, TBitmap* dest);

}  // namespace pictor
