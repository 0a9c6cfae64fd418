// Images for the benchmarks, and checks that an operation really did its work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/color.h"

namespace pictor::bench {

// The side of every benchmark image.
inline constexpr int kSize = 4096;

// Bytes of size x size pixels at bitsPerPixel (rows of 4096 need no padding).
constexpr std::size_t ImageBytes(int size, int bitsPerPixel) {
  return static_cast<std::size_t>(size) * static_cast<std::size_t>(size) *
         static_cast<std::size_t>(bitsPerPixel) / 8;
}

// A size x size bitmap of the format with every pixel `color`.
std::unique_ptr<TBitmap> SolidBitmap(TPixelFormat format, int size, TColor color);

// The colour of pixel (x, y) of the photo-like picture of the given size:
// smooth gradients plus noise, the same on every call.
TColor PhotoColor(int x, int y, int size);
// A 24-bit size x size bitmap holding PhotoColor.
std::unique_ptr<TBitmap> PhotoBitmap(int size);
// One kSize photo for the whole process (made once: it takes a while); the
// benchmarks only read it.
TBitmap& SharedPhoto();

// An 8-bit size x size bitmap carrying the web palette.
std::unique_ptr<TBitmap> WebPaletteBitmap(int size);
// The web palette colour nearest to c: each channel rounded to a multiple of 51.
TColor NearestWebColor(TColor c);

// True when the pixels on a grid of `step`, plus the last row and column, are
// all `color`.
bool SampledPixelsAre(TBitmap& bitmap, TColor color, int step);
// True when the pixels of `copy` on a grid of `step`, plus the last row and
// column, are the web colours nearest to those of `photo`.
bool SampledWebCopyMatches(TBitmap& photo, TBitmap& copy, int step);
// True when a and b have the same size, format and pixel colours on the grid.
bool SampledPixelsEqual(TBitmap& a, TBitmap& b, int step);

// A buffer of `size` bytes, every page already written (no faults when timed).
std::vector<std::uint8_t> TouchedBuffer(std::size_t size);

}  // namespace pictor::bench
