// Reading and writing pixels of a BitmapImage in their native value (see
// PixelLayout), one pixel at a time; spans and whole images are in span_fill.h.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "host/graphics/color.h"
#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

static_assert(std::endian::native == std::endian::little,
              "pixel bytes are read as little-endian words");

enum class PixelMode { Copy, Xor };

// The native value nearest to the colour (for palette formats: the nearest
// palette entry the depth can address).
std::uint32_t ColorToNative(const BitmapImage& image, TColor color);
TColor NativeToColor(const BitmapImage& image, std::uint32_t native);

// Pixel x of a row in the layout L (a LayoutConstant). Values read from
// true-colour pixels hold the colour bits only.
template <typename L>
inline std::uint32_t ReadPixel(L, const std::uint8_t* row, int x) {
  constexpr const PixelLayout& layout = L::value;
  if constexpr (layout.bitsPerPixel == 1) {
    return (row[x >> 3] >> (7 - (x & 7))) & 1u;
  } else if constexpr (layout.bitsPerPixel == 4) {
    return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
  } else if constexpr (layout.bitsPerPixel == 8) {
    return row[x];
  } else if constexpr (layout.bitsPerPixel == 32) {
    std::uint32_t v;
    std::memcpy(&v, row + 4 * static_cast<std::size_t>(x), 4);
    return v & layout.AllOnes();
  } else {
    const std::uint8_t* p = row + static_cast<std::size_t>(x) * layout.BytesPerPixel();
    std::uint32_t v = p[0] | (std::uint32_t(p[1]) << 8);
    if constexpr (layout.BytesPerPixel() == 3) v |= std::uint32_t(p[2]) << 16;
    return v & layout.AllOnes();
  }
}

template <typename L>
inline void WritePixel(L, std::uint8_t* row, int x, std::uint32_t v) {
  constexpr const PixelLayout& layout = L::value;
  if constexpr (layout.bitsPerPixel == 1) {
    const auto bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
    row[x >> 3] = static_cast<std::uint8_t>((row[x >> 3] & ~bit) | (v & 1 ? bit : 0));
  } else if constexpr (layout.bitsPerPixel == 4) {
    std::uint8_t& byte = row[x >> 1];
    if (x & 1)
      byte = static_cast<std::uint8_t>((byte & 0xF0) | (v & 0x0F));
    else
      byte = static_cast<std::uint8_t>((byte & 0x0F) | ((v & 0x0F) << 4));
  } else if constexpr (layout.bitsPerPixel == 8) {
    row[x] = static_cast<std::uint8_t>(v);
  } else if constexpr (layout.bitsPerPixel == 32) {
    v &= layout.AllOnes();
    std::memcpy(row + 4 * static_cast<std::size_t>(x), &v, 4);
  } else {
    std::uint8_t* p = row + static_cast<std::size_t>(x) * layout.BytesPerPixel();
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    if constexpr (layout.BytesPerPixel() == 3) p[2] = static_cast<std::uint8_t>(v >> 16);
  }
}

// Unchecked: (x, y) must lie in the image.
inline std::uint32_t ReadNative(const BitmapImage& image, int x, int y) {
  return WithLayout(image.format, [&](auto layout) { return ReadPixel(layout, image.Row(y), x); });
}

inline void WriteNative(BitmapImage& image, int x, int y, std::uint32_t v) {
  WithLayout(image.format, [&](auto layout) { WritePixel(layout, image.Row(y), x, v); });
}

}  // namespace pictor
