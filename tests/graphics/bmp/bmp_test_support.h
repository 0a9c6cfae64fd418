// Helpers of the bitmap file tests: files built byte by byte, images filled
// with a pattern, and comparisons.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/streams.h"

namespace pictor::bmptest {

using Bytes = std::vector<std::uint8_t>;

inline void Add16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Add32(Bytes& b, std::uint32_t v) {
  Add16(b, v);
  Add16(b, v >> 16);
}

// A bitmap file described field by field; Build() lays it out.
struct BmpFile {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
  // Inside headers of 52 bytes and more; else written after the header.
  std::vector<std::uint32_t> masks;
  // Colour table entries as B, G, R, reserved (core headers write three bytes).
  std::vector<std::array<std::uint8_t, 4>> colors;
  std::optional<std::uint32_t> offBits;  // default: right after the colour table
  Bytes gap;                             // bytes between the colour table and the pixels
  Bytes pixels;

  Bytes Build() const {
    Bytes header;
    if (headerSize == 12) {
      Add32(header, 12);
      Add16(header, static_cast<std::uint32_t>(width));
      Add16(header, static_cast<std::uint32_t>(height));
      Add16(header, planes);
      Add16(header, bitCount);
    } else {
      Add32(header, headerSize);
      Add32(header, static_cast<std::uint32_t>(width));
      Add32(header, static_cast<std::uint32_t>(height));
      Add16(header, planes);
      Add16(header, bitCount);
      Add32(header, compression);
      Add32(header, sizeImage);
      Add32(header, 2835);
      Add32(header, 2835);
      Add32(header, colorsUsed);
      Add32(header, 0);
      const std::size_t inHeader = headerSize >= 52 && headerSize != 64 ? (headerSize - 40) / 4 : 0;
      for (std::size_t i = 0; i < masks.size() && i < inHeader; ++i) Add32(header, masks[i]);
      header.resize(headerSize, 0);
      for (std::size_t i = inHeader; i < masks.size(); ++i) Add32(header, masks[i]);
    }
    for (const auto& c : colors)
      header.insert(header.end(), c.begin(), c.begin() + (headerSize == 12 ? 3 : 4));
    header.insert(header.end(), gap.begin(), gap.end());
    Bytes file;
    Add16(file, 0x4D42);
    Add32(file, static_cast<std::uint32_t>(14 + header.size() + pixels.size()));
    Add32(file, 0);
    Add32(file, offBits ? *offBits : static_cast<std::uint32_t>(14 + header.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
  }
};

inline BitmapImage ReadBytes(const Bytes& bytes, const ImageLimits& limits = kDefaultImageLimits) {
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), bytes.size());
  s.SetPosition(0);
  return ReadBmp(s, limits);
}

inline Bytes WriteBytes(const BitmapImage& image) {
  TMemoryStream s;
  WriteBmp(image, s);
  return Bytes(s.Memory(), s.Memory() + s.Size());
}

// An image whose every pixel byte follows a pattern (row padding stays zero).
inline BitmapImage PatternImage(int width, int height, TPixelFormat format, unsigned seed = 1) {
  BitmapImage image = AllocateImage(width, height, format);
  const std::size_t bits = static_cast<std::size_t>(width) * image.bpp();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = image.Row(y);
    for (std::size_t i = 0; i < bits / 8; ++i)
      row[i] = static_cast<std::uint8_t>((i * 37 + y * 11 + seed * 101) ^ (i >> 3));
    if (bits % 8) row[bits / 8] = static_cast<std::uint8_t>(0xA5 & (0xFF00 >> (bits % 8)));
  }
  return image;
}

inline std::vector<PALETTEENTRY> Entries(const OwnedPalette& p) {
  std::vector<PALETTEENTRY> e;
  for (std::size_t i = 0; i < p.size(); ++i) e.push_back(p[i]);
  return e;
}

// Same size, format, palette and pixel bytes (padding included).
inline ::testing::AssertionResult SameImage(const BitmapImage& a, const BitmapImage& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format)
    return ::testing::AssertionFailure()
           << a.width << "x" << a.height << " " << PixelFormatName(a.format) << " vs " << b.width
           << "x" << b.height << " " << PixelFormatName(b.format);
  if (Entries(a.palette) != Entries(b.palette))
    return ::testing::AssertionFailure()
           << "palettes differ (" << a.palette.size() << " vs " << b.palette.size() << " entries)";
  for (int y = 0; y < a.height; ++y)
    if (std::memcmp(a.Row(y), b.Row(y), a.stride) != 0)
      return ::testing::AssertionFailure() << "row " << y << " differs";
  return ::testing::AssertionSuccess();
}

// Row y of an image as bytes, without padding.
inline Bytes RowBytes(const BitmapImage& image, int y) {
  const std::size_t used = (static_cast<std::size_t>(image.width) * image.bpp() + 7) / 8;
  return Bytes(image.Row(y), image.Row(y) + used);
}

}  // namespace pictor::bmptest
