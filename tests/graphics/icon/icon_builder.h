// Helpers of the icon tests: icon bitmaps, PNG data and whole icon files built
// byte by byte, and loading them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/graphics/icon.h"

namespace pictor::icontest {

using Bytes = std::vector<std::uint8_t>;

void Add16(Bytes& b, std::uint32_t v);
void Add32(Bytes& b, std::uint32_t v);
void Set32(Bytes& b, std::size_t at, std::uint32_t v);

// An icon bitmap described pixel by pixel, top row first.
struct IconBitmap {
  int width = 1;
  int height = 1;
  int bitCount = 24;
  std::vector<std::uint32_t> colors;  // colour table as 0xRRGGBB
  // Indices below 24 bits, 0xRRGGBB at 24 bits, 0xAARRGGBB at 32 bits.
  std::vector<std::uint32_t> pixels;
  // One string per row, '1' for a set mask bit; empty means all clear.
  std::vector<std::string> mask;
  std::int32_t headerHeight = 0;  // 0: twice height
  std::uint32_t headerSize = 40;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;  // 0: as many as colors holds when that is not 2^bits
  std::size_t cutBytes = 0;      // bytes removed from the end

  Bytes Build() const;
};

struct Entry {
  Bytes data;
  int width = 0;  // the directory bytes: 0 stands for 256
  int height = 0;
  int colorCount = 0;
  int planes = 1;
  int bitCount = 0;
  // Overrides of the stored size and offset.
  std::int64_t size = -1;
  std::int64_t offset = -1;
};

// An entry for an icon bitmap whose directory sizes come from the bitmap.
Entry EntryFor(const IconBitmap& bitmap);
// An icon (type 1) or cursor (type 2) file with the images after the directory.
Bytes IconFile(const std::vector<Entry>& entries, int type = 1);

// A PNG made with libpng from 0xAARRGGBB pixels, top row first. colorType is a
// PNG colour type: 6 (RGBA) and 2 (RGB) use the pixels directly; 3 stores a
// palette of the distinct colours (alpha through a transparency chunk); 0 stores
// the green channel as grey. bitDepth 16 repeats each byte.
Bytes Png(int width, int height, const std::vector<std::uint32_t>& argb, int colorType = 6,
          int bitDepth = 8, bool interlaced = false);

// Loads bytes into the icon (throws what LoadFromStream throws).
void Load(TIcon& icon, const Bytes& bytes);
// The bytes SaveToStream writes.
Bytes Saved(const TIcon& icon);

}  // namespace pictor::icontest
