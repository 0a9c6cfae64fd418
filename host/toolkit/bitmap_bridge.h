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
// The pixels of a 32-bit bitmap (pfDevice or pf32bit) as an opaque image
// that reads the bitmap's own memory, for drawing at once: each pixel's
// fourth byte is set to 0xFF in place. The image must go before the bitmap
// changes.
QImage OpaqueView(TBitmap& bitmap);

// An image as a bitmap: indexed images keep their palette (1, 4 or 8 bits),
// others become 24-bit (alpha dropped, composed over white).
void FromQImage(const QImage& image, TBitmap& bitmap);

}  // namespace pictor
