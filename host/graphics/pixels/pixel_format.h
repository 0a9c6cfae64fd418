// Pixel formats and the one description of each: how many bits a pixel takes,
// whether it is a palette index, and where each colour channel lies in a
// true-colour pixel. Reading, writing, filling and converting pixels all work
// from these descriptions; loops that must be fast are specialised on them at
// compile time through WithLayout.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "host/graphics/color.h"

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

// The one rule for widening a channel value of 0..max (a channel narrower
// than 8 bits, or any masked channel of a file) to 0..255: value * 255 / max,
// rounded to the nearest. T must hold value * 255 (64 bits for channels of
// more than 24 bits).
template <typename T>
constexpr std::uint8_t WidenChannel(T value, T max) {
  return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
}

// Where one channel lies in a true-colour pixel value.
struct ChannelBits {
  std::uint32_t mask = 0;
  int shift = 0;  // of the lowest bit
  int width = 0;  // in bits

  constexpr ChannelBits() = default;
  constexpr explicit ChannelBits(std::uint32_t m)
      : mask(m), shift(m ? std::countr_zero(m) : 0), width(std::popcount(m)) {}

  // An 8-bit channel value into the pixel: its top `width` bits.
  constexpr std::uint32_t Pack(std::uint32_t value8) const {
    return ((value8 >> (8 - width)) << shift) & mask;
  }
  // The channel of a pixel value, widened to 8 bits.
  constexpr std::uint32_t Unpack(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & mask) >> shift;
    if (width >= 8 || width == 0) return v;
    return WidenChannel<std::uint32_t>(v, (1u << width) - 1);
  }
};

// The description of a pixel format's layout. A pixel's "native" value is a
// palette index on indexed formats; on true-colour formats it is the number
// whose bytes, lowest first, are the pixel's bytes in memory (the packed
// 5-5-5 or 5-6-5 word; blue, green, red). Colours travel between formats as
// "xrgb" values: red << 16 | green << 8 | blue.
struct PixelLayout {
  int bitsPerPixel = 0;
  bool indexed = false;
  ChannelBits red, green, blue;  // true colour only

  // 0 below 8 bits per pixel.
  constexpr int BytesPerPixel() const { return bitsPerPixel / 8; }
  // Entries an indexed format can address; 0 for true colour.
  constexpr int PaletteEntries() const { return indexed ? 1 << bitsPerPixel : 0; }
  // The native value with every bit of the pixel set: the top index, or white.
  constexpr std::uint32_t AllOnes() const {
    return indexed ? (1u << bitsPerPixel) - 1 : red.mask | green.mask | blue.mask;
  }
  // xrgb to the native value of a true-colour format (each channel keeps its top bits).
  constexpr std::uint32_t Pack(std::uint32_t xrgb) const {
    if (IsXrgb()) return xrgb & 0xFFFFFFu;
    return red.Pack((xrgb >> 16) & 0xFF) | green.Pack((xrgb >> 8) & 0xFF) | blue.Pack(xrgb & 0xFF);
  }
  // The native value of a true-colour format to xrgb.
  constexpr std::uint32_t Unpack(std::uint32_t native) const {
    if (IsXrgb()) return native & 0xFFFFFFu;
    return (red.Unpack(native) << 16) | (green.Unpack(native) << 8) | blue.Unpack(native);
  }
  // True when native values are xrgb values already.
  constexpr bool IsXrgb() const {
    return red.mask == 0xFF0000u && green.mask == 0xFF00u && blue.mask == 0xFFu;
  }
};

// TColor (red in the low byte) to xrgb and back.
constexpr std::uint32_t ColorToXrgb(TColor color) {
  const auto c = static_cast<std::uint32_t>(color);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr TColor XrgbToColor(std::uint32_t xrgb) {
  return RGB((xrgb >> 16) & 0xFF, (xrgb >> 8) & 0xFF, xrgb & 0xFF);
}

inline constexpr PixelLayout kLayout1{1, true, {}, {}, {}};
inline constexpr PixelLayout kLayout4{4, true, {}, {}, {}};
inline constexpr PixelLayout kLayout8{8, true, {}, {}, {}};
inline constexpr PixelLayout kLayout555{16, false, ChannelBits(0x7C00), ChannelBits(0x03E0),
                                        ChannelBits(0x001F)};
inline constexpr PixelLayout kLayout565{16, false, ChannelBits(0xF800), ChannelBits(0x07E0),
                                        ChannelBits(0x001F)};
inline constexpr PixelLayout kLayout24{24, false, ChannelBits(0xFF0000), ChannelBits(0xFF00),
                                       ChannelBits(0xFF)};
// The fourth byte carries no colour; writes set it to 0.
inline constexpr PixelLayout kLayout32{32, false, ChannelBits(0xFF0000), ChannelBits(0xFF00),
                                       ChannelBits(0xFF)};

// In the order of TPixelFormat.
inline constexpr const PixelLayout* kLayouts[] = {&kLayout32,  &kLayout1,   &kLayout4,  &kLayout8,
                                                  &kLayout555, &kLayout565, &kLayout24, &kLayout32};

constexpr const PixelLayout& LayoutOf(TPixelFormat f) { return *kLayouts[static_cast<int>(f)]; }

constexpr int BitsPerPixel(TPixelFormat f) { return LayoutOf(f).bitsPerPixel; }
constexpr bool IsIndexed(TPixelFormat f) { return LayoutOf(f).indexed; }
// Number of palette entries an indexed format can address (0 for true colour).
constexpr int MaxPaletteEntries(TPixelFormat f) { return LayoutOf(f).PaletteEntries(); }

// Rows are padded to a multiple of four bytes, as in a bitmap file.
constexpr std::size_t RowStride(int width, int bitsPerPixel) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

// The format of file pixels of a depth: 16 bits are 5-5-5 unless masks say otherwise.
constexpr TPixelFormat FormatOfDepth(int bitsPerPixel) {
  constexpr TPixelFormat kFormats[] = {pf1bit, pf4bit, pf8bit, pf15bit, pf24bit, pf32bit};
  for (TPixelFormat f : kFormats)
    if (BitsPerPixel(f) == bitsPerPixel) return f;
  return pf32bit;
}

// A layout as a type, so that code written for it is compiled for it alone:
// Layout::value is the description as a constant.
template <const PixelLayout& L>
struct LayoutConstant {
  static constexpr const PixelLayout& value = L;
};

// Calls fn(LayoutConstant<...>{}) for the format's layout and returns its
// result; every layout gets its own copy of fn's code.
template <typename Fn>
decltype(auto) WithLayout(TPixelFormat format, Fn&& fn) {
  switch (format) {
    case TPixelFormat::pf1bit: return fn(LayoutConstant<kLayout1>{});
    case TPixelFormat::pf4bit: return fn(LayoutConstant<kLayout4>{});
    case TPixelFormat::pf8bit: return fn(LayoutConstant<kLayout8>{});
    case TPixelFormat::pf15bit: return fn(LayoutConstant<kLayout555>{});
    case TPixelFormat::pf16bit: return fn(LayoutConstant<kLayout565>{});
    case TPixelFormat::pf24bit: return fn(LayoutConstant<kLayout24>{});
    case TPixelFormat::pfDevice:
    case TPixelFormat::pf32bit: break;
  }
  return fn(LayoutConstant<kLayout32>{});
}

const char* PixelFormatName(TPixelFormat f);

}  // namespace pictor
