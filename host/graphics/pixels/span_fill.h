// Setting or XORing runs of pixels of one value: the bytes of the value are
// laid out once per fill, and every span of a figure is written from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/pixel_access.h"

namespace pictor {

class SpanFill {
 public:
  SpanFill(TPixelFormat format, std::uint32_t native, PixelMode mode);

  // Sets or XORs the pixels [x0, x1) of row y; the span must lie in the
  // image, whose format is the fill's.
  void Apply(BitmapImage& image, int y, int x0, int x1);

  // Pattern bytes: 48 holds a whole number of 2-, 3- and 4-byte pixels and of
  // 16-byte stores; the rest lets a run start at any of the first 48 bytes.
  static constexpr std::size_t kPeriod = 48;
  static constexpr std::size_t kPatternBytes = 2 * kPeriod;

 private:
  void SetBytes(std::uint8_t* p, std::size_t n, int imageWidth);
  void XorBytes(std::uint8_t* p, std::size_t n) const;

  TPixelFormat format_;
  std::uint32_t native_;
  PixelMode mode_;
  std::size_t bytesPerPixel_;  // 0 below 8 bits per pixel
  bool oneByte_ = false;       // every byte of the pattern is the same
  // The value's bytes repeated from the start of a pixel; a 32-bit pixel's
  // fourth byte is 0.
  alignas(16) std::uint8_t pattern_[kPatternBytes] = {};
  // A row of the pattern, made at the first long span: long spans copy it.
  std::vector<std::uint8_t> row_;
};

// Sets or XORs the pixels [x0, x1) of row y; the span must lie in the image.
void ApplySpan(BitmapImage& image, int y, int x0, int x1, std::uint32_t native, PixelMode mode);

// Fills the whole image with one native value.
void FillImage(BitmapImage& image, std::uint32_t native);

}  // namespace pictor
