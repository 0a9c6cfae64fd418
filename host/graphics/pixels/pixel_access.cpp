#include "host/graphics/pixels/pixel_access.h"

#include <cstring>

#include "host/graphics/pixels/nearest_color.h"

namespace pictor {

std::uint32_t ColorToNative(const BitmapImage& image, TColor color) {
  const PixelLayout& layout = LayoutOf(image.format);
  if (!layout.indexed) return layout.Pack(ColorToXrgb(color));
  if (image.palette.empty()) return 0;
  return static_cast<std::uint32_t>(
      NearestPaletteIndex(*image.palette.data(), layout.PaletteEntries(), color));
}

TColor NativeToColor(const BitmapImage& image, std::uint32_t v) {
  const PixelLayout& layout = LayoutOf(image.format);
  if (!layout.indexed) return XrgbToColor(layout.Unpack(v));
  if (v >= image.palette.size()) return clBlack;
  return EntryColor(image.palette[v]);
}

namespace {

// Sets or XORs bits [first, last) of a row of 1-bit pixels with `value` (0 or 1).
void ApplyBits(std::uint8_t* row, int first, int last, unsigned value, PixelMode mode) {
  const std::uint8_t byteValue = value ? 0xFF : 0x00;
  while (first < last && (first & 7)) {
    std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (first & 7));
    if (mode == PixelMode::Xor) {
      if (value) row[first >> 3] ^= bit;
    } else {
      row[first >> 3] = static_cast<std::uint8_t>((row[first >> 3] & ~bit) | (value ? bit : 0));
    }
    ++first;
  }
  int fullBytes = (last - first) / 8;
  std::uint8_t* p = row + (first >> 3);
  if (mode == PixelMode::Xor) {
    if (value)
      for (int i = 0; i < fullBytes; ++i) p[i] ^= 0xFF;
  } else {
    std::memset(p, byteValue, static_cast<std::size_t>(fullBytes));
  }
  first += fullBytes * 8;
  while (first < last) {
    std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (first & 7));
    if (mode == PixelMode::Xor) {
      if (value) row[first >> 3] ^= bit;
    } else {
      row[first >> 3] = static_cast<std::uint8_t>((row[first >> 3] & ~bit) | (value ? bit : 0));
    }
    ++first;
  }
}

void ApplyNibbles(std::uint8_t* row, int first, int last, unsigned v, PixelMode mode) {
  v &= 0x0F;
  auto one = [&](int x) {
    std::uint8_t& byte = row[x >> 1];
    unsigned shift = (x & 1) ? 0 : 4;
    if (mode == PixelMode::Xor)
      byte = static_cast<std::uint8_t>(byte ^ (v << shift));
    else
      byte = static_cast<std::uint8_t>((byte & ~(0x0Fu << shift)) | (v << shift));
  };
  if (first < last && (first & 1)) one(first++);
  int fullBytes = (last - first) / 2;
  std::uint8_t* p = row + (first >> 1);
  const auto pair = static_cast<std::uint8_t>((v << 4) | v);
  if (mode == PixelMode::Xor) {
    for (int i = 0; i < fullBytes; ++i) p[i] ^= pair;
  } else {
    std::memset(p, pair, static_cast<std::size_t>(fullBytes));
  }
  first += fullBytes * 2;
  if (first < last) one(first);
}

// Pixels of 2, 3 or 4 whole bytes. A copy repeats a 48-byte pattern (48 holds
// a whole number of pixels of each size); the fourth byte of 32-bit pixels is 0.
template <int bytesPerPixel>
void ApplyBytes(std::uint8_t* p, int count, std::uint32_t v, PixelMode mode) {
  std::uint8_t pixel[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                           static_cast<std::uint8_t>(v >> 16), 0};
  if (mode == PixelMode::Xor) {
    for (int i = 0; i < count; ++i, p += bytesPerPixel)
      for (int k = 0; k < bytesPerPixel; ++k) p[k] ^= pixel[k];
    return;
  }
  std::uint8_t pattern[48];
  for (int i = 0; i < 48; ++i) pattern[i] = pixel[i % bytesPerPixel];
  std::size_t n = static_cast<std::size_t>(count) * static_cast<std::size_t>(bytesPerPixel);
  while (n >= sizeof pattern) {
    std::memcpy(p, pattern, sizeof pattern);
    p += sizeof pattern;
    n -= sizeof pattern;
  }
  std::memcpy(p, pattern, n);
}

}  // namespace

void ApplySpan(BitmapImage& image, int y, int x0, int x1, std::uint32_t native, PixelMode mode) {
  if (x1 <= x0) return;
  std::uint8_t* row = image.Row(y);
  WithLayout(image.format, [&](auto layout) {
    constexpr int bits = decltype(layout)::value.bitsPerPixel;
    if constexpr (bits == 1) {
      ApplyBits(row, x0, x1, native & 1, mode);
    } else if constexpr (bits == 4) {
      ApplyNibbles(row, x0, x1, native, mode);
    } else if constexpr (bits == 8) {
      if (mode == PixelMode::Xor) {
        for (int x = x0; x < x1; ++x) row[x] ^= static_cast<std::uint8_t>(native);
      } else {
        std::memset(row + x0, static_cast<int>(native & 0xFF), static_cast<std::size_t>(x1 - x0));
      }
    } else {
      constexpr int bytes = bits / 8;
      ApplyBytes<bytes>(row + static_cast<std::size_t>(bytes) * x0, x1 - x0, native, mode);
    }
  });
}

void FillImage(BitmapImage& image, std::uint32_t native) {
  if (image.empty()) return;
  ApplySpan(image, 0, 0, image.width, native, PixelMode::Copy);
  // Padding bytes of the first row are copied too; they are never read as pixels.
  for (int y = 1; y < image.height; ++y) std::memcpy(image.Row(y), image.Row(0), image.stride);
}

}  // namespace pictor
