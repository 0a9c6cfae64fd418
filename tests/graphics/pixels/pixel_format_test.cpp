// Channels narrower than 8 bits widen to the nearest 8-bit level,
// c * 255 / max rounded, on every path that reads them, and every widened
// level packs back into the pixel it came from.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/pixels/pixel_access.h"

namespace pictor {
namespace {

TEST(PixelFormat, SixteenBitChannelsWidenToTheNearestLevel) {
  // 5 bits: 3 -> 25 (not 24), 7 -> 58, 28 -> 230; 6 bits: 11 -> 45 (not 44).
  const struct {
    TPixelFormat format;
    TColor written, read;
  } cases[] = {{pf15bit, RGB(24, 56, 224), RGB(25, 58, 230)},
               {pf16bit, RGB(224, 44, 24), RGB(230, 45, 25)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(PixelFormatName(c.format));
    TBitmap bitmap;
    bitmap.SetPixelFormat(c.format);
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->SetPixels(0, 0, c.written);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), c.read);
    TBitmap copy;
    copy.SetPixelFormat(pf24bit);
    copy.SetSize(2, 1);
    copy.Canvas()->CopyRect(TRect{0, 0, 2, 1}, bitmap.Canvas(), TRect{0, 0, 2, 1});
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), c.read);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), c.read);
  }
}

TEST(PixelFormat, EverySixteenBitLevelWidensExactlyAndPacksBackToItself) {
  for (TPixelFormat format : {pf15bit, pf16bit}) {
    SCOPED_TRACE(PixelFormatName(format));
    const PixelLayout& layout = LayoutOf(format);
    const int greenMax = (1 << layout.green.width) - 1;
    BitmapImage image = AllocateImage(64, 1, format);
    for (int x = 0; x < 64; ++x) {
      const std::uint32_t r = x % 32, g = x % (greenMax + 1), b = 31 - x % 32;
      WriteNative(image, x, 0, r << layout.red.shift | g << layout.green.shift | b);
    }
    TBitmap bitmap;
    bitmap.ReplaceImage(std::move(image));
    const BitmapImage original = [&] {
      BitmapImage copy = AllocateImage(64, 1, format);
      std::memcpy(copy.pixels.data(), bitmap.Image().pixels.data(), copy.pixels.size());
      return copy;
    }();
    bitmap.SetPixelFormat(pf24bit);
    for (int x = 0; x < 64; ++x) {
      const auto level = [](int c, int max) { return int(std::lround(c * 255.0 / max)); };
      ASSERT_EQ(bitmap.Canvas()->Pixels(x, 0),
                RGB(level(x % 32, 31), level(x % (greenMax + 1), greenMax), level(31 - x % 32, 31)))
          << x;
    }
    bitmap.SetPixelFormat(format);
    EXPECT_EQ(std::memcmp(bitmap.Image().pixels.data(), original.pixels.data(),
                          original.pixels.size()),
              0);
  }
}

}  // namespace
}  // namespace pictor
