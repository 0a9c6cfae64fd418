// The bridge between the graphics library's bitmaps and Qt's images: the one
// place where pixels cross between them.
#pragma once

#include <QImage>

#include "host/graphics/bitmap.h"

namespace pictor {

// The part of the bitmap (clipped to it) as an opaque 32-bit image; any
// pixel format. With `transparent`, pixels of the bitmap's transparent colour
// get alpha 0 (the image is then ARGB32).
QImage ToQImage(const TBitmap& bitmap, const TRect& part, bool transparent = false);
QImage ToQImage(const TBitmap& bitmap);

// An image as a bitmap: indexed images keep their palette (1, 4 or 8 bits),
// others become 24-bit (alpha dropped, composed over white).
void FromQImage(const QImage& image, TBitmap& bitmap);

}  // namespace pictor
