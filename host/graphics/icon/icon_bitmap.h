// The bitmaps stored inside icon and cursor files: an info header of 40 bytes
// or more whose height is twice the image's, a colour table, the colour rows
// and then a 1-bit mask (1 = transparent), both bottom-up with rows padded to
// four bytes. 1, 4, 8, 24 and 32 bits per pixel, uncompressed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/limits.h"

namespace pictor {

struct IconBitmapLayout {
  int width = 0;
  int height = 0;  // the image's height: half the header's
  int bitCount = 0;
  std::size_t colorCount = 0;  // entries of the colour table
  std::size_t colorsOffset = 0;
  std::size_t pixelsOffset = 0;
  std::size_t maskOffset = 0;
  std::size_t pixelStride = 0;
  std::size_t maskStride = 0;
  // A 32-bit image may leave the mask out: its alpha channel is the mask.
  bool hasMask = true;
};

// Checks the header and that the colour table, the rows and the mask all lie
// in data (a 32-bit image without room for the mask has none). Throws
// EInvalidGraphic otherwise.
IconBitmapLayout ReadIconBitmapLayout(std::span<const std::uint8_t> data);

// Decodes to pf32bit with bytes B, G, R, A (straight alpha). Below 32 bits the
// alpha is 0 where the mask is set and 255 elsewhere. At 32 bits the alpha
// channel is used, unless it is 0 everywhere (as older writers leave it): then
// the mask decides as below 32 bits (without a mask, every pixel is opaque).
// Indices past the colour table are black. Pixels under a set mask bit keep
// their colour: "inverting" pixels (mask set, colour not black) are simply
// transparent.
BitmapImage DecodeIconBitmap(std::span<const std::uint8_t> data, const IconBitmapLayout& layout,
                          const ImageLimits& limits);

}  // namespace pictor
