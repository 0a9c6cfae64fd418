// Pixel formats and the byte layout of a row in each.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pictor {

// pfDevice is the display's own format: the format of a bitmap whose format
// was never set. It is stored as 32 bits per pixel, like pf32bit.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

inline constexpr TPixelFormat pfDevice = TPixelFormat::pfDevice;
inline constexpr TPixelFormat pf1bit = TPixelFormat::pf1bit;
inline constexpr TPixelFormat pf4bit = TPixelFormat::pf4bit;
inline constexpr TPixelFormat pf8bit = TPixelFormat::pf8bit;
inline constexpr TPixelFormat pf15bit = TPixelFormat::pf15bit;
inline constexpr TPixelFormat pf16bit = TPixelFormat::pf16bit;
inline constexpr TPixelFormat pf24bit = TPixelFormat::pf24bit;
inline constexpr TPixelFormat pf32bit = TPixelFormat::pf32bit;

constexpr int BitsPerPixel(TPixelFormat f) {
  switch (f) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pfDevice:
    case TPixelFormat::pf32bit: return 32;
  }
  return 32;
}

constexpr bool IsIndexed(TPixelFormat f) { return BitsPerPixel(f) <= 8; }

// Number of palette entries an indexed format can address (0 for true colour).
constexpr int MaxPaletteEntries(TPixelFormat f) { return IsIndexed(f) ? 1 << BitsPerPixel(f) : 0; }

// Rows are padded to a multiple of four bytes, as in a bitmap file.
constexpr std::size_t RowStride(int width, int bitsPerPixel) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

const char* PixelFormatName(TPixelFormat f);

}  // namespace pictor
