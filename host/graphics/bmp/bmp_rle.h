// Decoding the RLE8 and RLE4 pixel data of a bitmap file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/graphics/pixels/bitmap_image.h"

namespace pictor::bmp {

// Decodes size bytes of RLE data into the image (8 or 4 bits per pixel, rows
// bottom-up as in the file). Pixels the data does not write are left as they
// are. Returns the number of bytes used: up to and including the end-of-bitmap
// code, or all of them when the data stops cleanly between two codes. Throws
// EInvalidGraphic when data is cut inside a code or runs past the image.
std::size_t DecodeRle(const std::uint8_t* data, std::size_t size, bool rle4, BitmapImage& image);

}  // namespace pictor::bmp
