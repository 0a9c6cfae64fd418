// What a flood fill takes into its area: the colour test, and the area read
// straight from the pixels for fills whose writes leave it as they go.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/graphics/color.h"
#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/pixel_access.h"

namespace pictor {

// Whether a native value belongs to the area: of the colour (a surface fill)
// or, for a border fill, not of it. On indexed formats every palette entry of
// the colour counts.
class AreaColour {
 public:
  AreaColour(const BitmapImage& image, TColor color, bool border)
      : border_(border), indexed_(IsIndexed(image.format)) {
    if (indexed_) {
      const TColor rgb = ColorToRGB(color);
      for (std::size_t i = 0; i < 256; ++i)
        indexMatch_[i] = i < image.palette.size() && EntryColor(image.palette[i]) == rgb;
    } else {
      native_ = ColorToNative(image, color);
    }
  }
  bool Takes(std::uint32_t v) const {
    return (indexed_ ? indexMatch_[v & 255] : v == native_) != border_;
  }
  std::uint32_t Native() const { return native_; }  // true-colour formats
  bool Border() const { return border_; }

 private:
  bool border_;
  bool indexed_;
  bool indexMatch_[256] = {};
  std::uint32_t native_ = 0;
};

// The area read from the pixels themselves. This holds while every span the
// search hands out is written at once with a value the area does not take:
// the pixels taken leave the area as they are written, so nothing else needs
// to remember them. Runs of one value are passed over a word at a time.
template <typename L>
class PixelArea {
  static constexpr int kBits = L::value.bitsPerPixel;
  // Pixels compared at once, and the bytes they fill: a whole number of
  // pixels in whole words (24 bytes for 3-byte pixels).
  static constexpr int kStepBytes = kBits == 24 ? 24 : 8;
  static constexpr int kStepPixels = kStepBytes * 8 / kBits;
  static constexpr int kPerByte = kBits < 8 ? 8 / kBits : 1;
  static constexpr int kBlock = kStepBytes == 8 ? 16 : 4;  // steps compared at once

 public:
  PixelArea(const BitmapImage& image, const AreaColour& colour) : image_(image), colour_(colour) {}

  bool Test(int y, int x) const { return colour_.Takes(ReadPixel(L{}, image_.Row(y), x)); }

  // First pixel of the area in row y within [x, limit], or -1.
  int NextSet(int y, int x, int limit) const {
    const std::uint8_t* row = image_.Row(y);
    while (x <= limit) {
      if (colour_.Takes(ReadPixel(L{}, row, x))) return x;
      x = RunEnd(row, x, limit + 1);
    }
    return -1;
  }
  // First pixel of row y at or after x that is not in the area (the width
  // when none).
  int NextClear(int y, int x) const {
    const std::uint8_t* row = image_.Row(y);
    while (x < image_.width && colour_.Takes(ReadPixel(L{}, row, x)))
      x = RunEnd(row, x, image_.width);
    return x;
  }
  // Last pixel of row y at or before x that is not in the area (-1 when none).
  int PrevClear(int y, int x) const {
    const std::uint8_t* row = image_.Row(y);
    while (x >= 0 && colour_.Takes(ReadPixel(L{}, row, x))) x = RunStart(row, x);
    return x;
  }
  // The pixels leave the area as the fill writes them.
  void Clear(int, int, int) {}

 private:
  // A pixel's bytes as stored, bits a value ignores included, so that equal
  // bytes mean an equal value.
  static std::uint32_t Raw(const std::uint8_t* row, int x) {
    if constexpr (kBits < 8) {
      return ReadPixel(L{}, row, x);
    } else {
      std::uint32_t v = 0;
      std::memcpy(&v, row + static_cast<std::size_t>(x) * (kBits / 8), kBits / 8);
      return v;
    }
  }
  static const std::uint8_t* At(const std::uint8_t* row, int x) {
    return row + static_cast<std::size_t>(x) * kBits / 8;
  }
  // The bytes of two steps of pixels of raw value v, also as 16-byte vectors.
  struct Step {
    using Vec = std::uint64_t __attribute__((vector_size(16)));
    static constexpr int kVectors = kStepBytes / 8;
    std::uint8_t bytes[2 * kStepBytes];
    Vec vectors[kVectors];
    explicit Step(std::uint32_t v) {
      if constexpr (kBits < 8) {
        std::uint8_t b = 0;
        for (int i = 0; i < kPerByte; ++i) b = static_cast<std::uint8_t>(b << kBits | v);
        std::memset(bytes, b, sizeof bytes);
      } else {
        for (int i = 0; i < 2 * kStepBytes; i += kBits / 8) std::memcpy(bytes + i, &v, kBits / 8);
      }
      std::memcpy(vectors, bytes, sizeof vectors);
    }
    // Whether the step of pixels from p holds exactly these bytes.
    bool Holds(const std::uint8_t* p) const { return std::memcmp(p, bytes, kStepBytes) == 0; }
    // Whether the kBlock steps from p hold exactly these bytes. The
    // differences are gathered 16 bytes at a time over all of them before
    // one test, so that a long run is read at the speed of the memory.
    bool HoldsBlock(const std::uint8_t* p) const {
      Vec diff = {0, 0};
      for (int i = 0; i < kBlock * kStepBytes / 16; ++i) {
        Vec got;
        std::memcpy(&got, p + 16 * i, 16);
        diff |= got ^ vectors[i % kVectors];
      }
      return (diff[0] | diff[1]) == 0;
    }
  };

  // First pixel after x, before end, whose bytes differ from pixel x's (end
  // when none).
  static int RunEnd(const std::uint8_t* row, int x, int end) {
    const std::uint32_t v = Raw(row, x);
    ++x;
    while (x < end && x % kPerByte != 0) {
      if (Raw(row, x) != v) return x;
      ++x;
    }
    const Step step(v);
    while (x + kBlock * kStepPixels <= end && step.HoldsBlock(At(row, x)))
      x += kBlock * kStepPixels;
    while (x + kStepPixels <= end && step.Holds(At(row, x))) x += kStepPixels;
    while (x < end && Raw(row, x) == v) ++x;
    return x;
  }
  // Last pixel before x whose bytes differ from pixel x's (-1 when none).
  static int RunStart(const std::uint8_t* row, int x) {
    const std::uint32_t v = Raw(row, x);
    --x;
    while (x >= 0 && (x + 1) % kPerByte != 0) {
      if (Raw(row, x) != v) return x;
      --x;
    }
    const Step step(v);
    while (x + 1 >= kBlock * kStepPixels && step.HoldsBlock(At(row, x + 1 - kBlock * kStepPixels)))
      x -= kBlock * kStepPixels;
    while (x + 1 >= kStepPixels && step.Holds(At(row, x + 1 - kStepPixels))) x -= kStepPixels;
    while (x >= 0 && Raw(row, x) == v) --x;
    return x;
  }

  const BitmapImage& image_;
  const AreaColour& colour_;
};

}  // namespace pictor
