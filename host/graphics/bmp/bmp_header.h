// Reading the headers and colour table of a bitmap file: everything before the
// pixel data, checked and normalised.
#pragma once

#include <cstdint>
#include <vector>

#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/color.h"
#include "host/graphics/streams.h"

namespace pictor::bmp {

struct Header {
  std::uint32_t headerSize = 0;
  int width = 0;   // 0 only together with height 0 (an empty image)
  int height = 0;  // always >= 0
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t sizeImage = 0;  // compressed size, 0 when unknown
  Masks masks;                  // valid for bit field compression
  std::vector<PALETTEENTRY> colors;
  std::int64_t pixelOffset = 0;  // stream position of the pixel data
};

// Reads from the stream's position up to the end of the colour table. Throws
// EInvalidGraphic for damaged or unsupported headers. Compression and bit count
// are checked to be a combination the reader can decode.
Header ReadHeader(TStream& stream);

}  // namespace pictor::bmp
