// Constants and little-endian helpers of the bitmap file layout, shared by the
// reader and the writer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/graphics/pixels/pixel_format.h"

namespace pictor::bmp {

inline constexpr std::uint16_t kSignature = 0x4D42;  // "BM"
inline constexpr std::size_t kFileHeaderSize = 14;

// Info header sizes the reader understands.
inline constexpr std::uint32_t kCoreHeaderSize = 12;  // 16-bit sizes, 3-byte colour entries
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kInfoRgbMasksSize = 52;   // info header + R, G, B masks
inline constexpr std::uint32_t kInfoRgbaMasksSize = 56;  // info header + R, G, B, A masks
inline constexpr std::uint32_t kExtendedCoreHeaderSize = 64;
inline constexpr std::uint32_t kV4HeaderSize = 108;
inline constexpr std::uint32_t kV5HeaderSize = 124;

// Compression codes.
inline constexpr std::uint32_t kRgb = 0;
inline constexpr std::uint32_t kRle8 = 1;
inline constexpr std::uint32_t kRle4 = 2;
inline constexpr std::uint32_t kBitfields = 3;
inline constexpr std::uint32_t kJpeg = 4;
inline constexpr std::uint32_t kPng = 5;
inline constexpr std::uint32_t kAlphaBitfields = 6;

// The channel masks of a 16- or 32-bit pixel.
struct Masks {
  std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
  friend bool operator==(const Masks&, const Masks&) = default;
};

// The masks of a true-colour layout's pixels.
constexpr Masks MasksOf(const PixelLayout& layout, std::uint32_t alpha = 0) {
  return {layout.red.mask, layout.green.mask, layout.blue.mask, alpha};
}

inline constexpr Masks kMasks555 = MasksOf(kLayout555);
inline constexpr Masks kMasks565 = MasksOf(kLayout565);
inline constexpr Masks kMasks888 = MasksOf(kLayout32);
inline constexpr Masks kMasks8888 = MasksOf(kLayout32, 0xFF000000);

inline std::uint16_t Get16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}
inline void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

}  // namespace pictor::bmp
