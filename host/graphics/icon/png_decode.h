// Decoding PNG data held in memory into a 32-bit image that keeps the alpha channel.
#pragma once

#include <cstdint>
#include <span>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/limits.h"

namespace pictor {

// True when the data starts with the 8-byte PNG signature.
bool IsPng(std::span<const std::uint8_t> data);

struct PngHeader {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // channels times bit depth, as stored
};

// The size and depth from the header chunk, without decoding anything.
// Throws EInvalidGraphic when the data does not start with a valid header chunk.
PngHeader ReadPngHeader(std::span<const std::uint8_t> data);

// Decodes the picture to pf32bit with bytes B, G, R, A per pixel; alpha is
// straight (not premultiplied) and 255 for pictures without transparency.
// 16-bit channels are cut to 8 bits, palettes, grey and transparent colours
// are expanded, interlaced pictures are supported. The size is checked against
// the limits before the pixels are allocated. Throws EInvalidGraphic for
// damaged or truncated data and for pictures beyond the limits.
BitmapImage DecodePng(std::span<const std::uint8_t> data, const ImageLimits& limits);

}  // namespace pictor
