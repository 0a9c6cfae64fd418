// Device-independent bitmaps inside metafile records.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/color.h"

namespace pictor::metafile {

// Decodes a bitmap given as its header and colour table (info) and its pixels
// (bits; when empty, the pixels follow the colour table inside info). Sets
// bottomUp to whether the rows are stored bottom-up. Nothing on damaged data
// or a bitmap beyond the limits of bitmaps in metafiles.
std::optional<BitmapImage> DecodeDib(std::span<const std::uint8_t> info,
                                     std::span<const std::uint8_t> bits, bool& bottomUp);

// The average colour of (a sample of) the image: how pattern brushes are approximated.
TColor AverageColor(const BitmapImage& image);

}  // namespace pictor::metafile
