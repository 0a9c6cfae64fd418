// Spans of every length and start, short and long, in every pixel format:
// a set writes exactly the pixels of the span as single pixel writes would,
// an XOR changes them alone and undoes itself.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/span_fill.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

BitmapImage NoisyImage(TPixelFormat format, int width, int height) {
  BitmapImage image = AllocateImage(width, height, format);
  std::uint32_t seed = 12345;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    seed = seed * 1103515245u + 12345u;
    image.pixels.data()[i] = static_cast<std::uint8_t>(seed >> 16);
  }
  return image;
}

std::vector<std::uint8_t> Bytes(const BitmapImage& image) {
  return {image.pixels.data(), image.pixels.data() + image.pixels.size()};
}

TEST(SpanFill, EverySpanOfEveryFormatMatchesPixelWritesAndXorUndoesItself) {
  const int lengths[] = {1, 2, 5, 15, 16, 17, 47, 48, 49, 100, 170, 171, 256, 700};
  constexpr int kStarts = 18, kWidth = 700;
  const int height = kStarts * static_cast<int>(std::size(lengths));
  for (TPixelFormat format : testing::kAllFormats) {
    SCOPED_TRACE(PixelFormatName(format));
    const std::uint32_t value = 0x5A3C96u & LayoutOf(format).AllOnes();
    BitmapImage image = NoisyImage(format, kWidth, height);
    BitmapImage expected = NoisyImage(format, kWidth, height);
    const std::vector<std::uint8_t> before = Bytes(image);
    // One fill for all spans, as a figure uses it: long spans after short
    // ones and short after long.
    SpanFill set(format, value, PixelMode::Copy), invert(format, value, PixelMode::Xor);
    int y = 0;
    for (int length : lengths)
      for (int start = 0; start < kStarts; ++start, ++y) {
        const int end = std::min(start + length, kWidth);
        invert.Apply(image, y, start, end);
        for (int x = 0; x < kWidth; ++x) {
          const std::uint32_t old = ReadNative(expected, x, y);
          ASSERT_EQ(ReadNative(image, x, y), x >= start && x < end ? old ^ value : old)
              << "xor, row " << y << " x " << x;
        }
        invert.Apply(image, y, start, end);
        set.Apply(image, y, start, end);
        for (int x = start; x < end; ++x) WriteNative(expected, x, y, value);
      }
    ASSERT_NE(Bytes(image), before);
    EXPECT_EQ(Bytes(image), Bytes(expected));
  }
}

}  // namespace
}  // namespace pictor
