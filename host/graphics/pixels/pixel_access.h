// Reading and writing pixels of a BitmapImage in its own ("native") value:
// a palette index for 1, 4 and 8 bits; the packed 5-5-5 or 5-6-5 word for 15 and
// 16 bits; blue | green << 8 | red << 16 (the byte order in memory) for 24 and 32.
#pragma once

#include <cstdint>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/color.h"

namespace pictor {

enum class PixelMode { Copy, Xor };

// The native value nearest to the colour (for palette formats: the nearest
// palette entry the depth can address).
std::uint32_t ColorToNative(const BitmapImage& image, TColor color);
TColor NativeToColor(const BitmapImage& image, std::uint32_t native);

inline std::uint8_t Expand5(unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); }
inline std::uint8_t Expand6(unsigned v) { return static_cast<std::uint8_t>((v << 2) | (v >> 4)); }

// Unchecked: (x, y) must lie in the image.
inline std::uint32_t ReadNative(const BitmapImage& image, int x, int y) {
  const std::uint8_t* row = image.Row(y);
  switch (image.bpp()) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4: return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    case 8: return row[x];
    case 16: return row[2 * x] | (unsigned(row[2 * x + 1]) << 8);
    case 24: return row[3 * x] | (unsigned(row[3 * x + 1]) << 8) | (unsigned(row[3 * x + 2]) << 16);
    default:
      return row[4 * x] | (unsigned(row[4 * x + 1]) << 8) | (unsigned(row[4 * x + 2]) << 16);
  }
}

inline void WriteNative(BitmapImage& image, int x, int y, std::uint32_t v) {
  std::uint8_t* row = image.Row(y);
  switch (image.bpp()) {
    case 1: {
      std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
      row[x >> 3] = static_cast<std::uint8_t>((row[x >> 3] & ~bit) | (v & 1 ? bit : 0));
      break;
    }
    case 4:
      if (x & 1)
        row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0xF0) | (v & 0x0F));
      else
        row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0x0F) | ((v & 0x0F) << 4));
      break;
    case 8: row[x] = static_cast<std::uint8_t>(v); break;
    case 16:
      row[2 * x] = static_cast<std::uint8_t>(v);
      row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      break;
    case 24:
      row[3 * x] = static_cast<std::uint8_t>(v);
      row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
      break;
    default:
      row[4 * x] = static_cast<std::uint8_t>(v);
      row[4 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      row[4 * x + 2] = static_cast<std::uint8_t>(v >> 16);
      row[4 * x + 3] = 0;
      break;
  }
}

// Sets or XORs the pixels [x0, x1) of row y; the span must lie in the image.
void ApplySpan(BitmapImage& image, int y, int x0, int x1, std::uint32_t native, PixelMode mode);

// Fills the whole image with one native value.
void FillImage(BitmapImage& image, std::uint32_t native);

}  // namespace pictor
