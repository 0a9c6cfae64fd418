// The bridge between bitmaps and Qt images, for every pixel format.
#include <gtest/gtest.h>

#include <QImage>

#include "host/graphics/canvas.h"
#include "host/toolkit/bitmap_bridge.h"

namespace pictor {
namespace {

class BridgeTest : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(BridgeTest, APartOfABitmapBecomesTheSameColours) {
  TBitmap b;
  b.SetPixelFormat(GetParam());
  b.SetSize(13, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 13; ++x)
      b.Canvas()->SetPixels(x, y, RGB(x * 19, y * 40, (x * y * 7) & 0xFF));
  const QImage image = ToQImage(b, TRect{2, 1, 11, 6});
  ASSERT_EQ(image.size(), QSize(9, 5));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) {
      const TColor c = b.Canvas()->Pixels(x + 2, y + 1);
      ASSERT_EQ(image.pixel(x, y), qRgb(GetRValue(c), GetGValue(c), GetBValue(c))) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, BridgeTest,
                         ::testing::Values(pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit,
                                           pf32bit, pfDevice));

TEST(BridgeTest, PartsOutsideTheBitmapAreClipped) {
  TBitmap b;
  b.SetSize(4, 4);
  EXPECT_EQ(ToQImage(b, TRect{2, 2, 10, 10}).size(), QSize(2, 2));
  EXPECT_TRUE(ToQImage(b, TRect{5, 5, 9, 9}).isNull());
}

TEST(BridgeTest, TheTransparentColourGetsNoAlpha) {
  TBitmap b;
  b.SetSize(2, 1);
  b.Canvas()->SetPixels(1, 0, clRed);
  b.SetTransparentColor(clWhite);
  const QImage image = ToQImage(b, TRect{0, 0, 2, 1}, true);
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
}

TEST(BridgeTest, IndexedImagesKeepTheirPalette) {
  QImage image(3, 1, QImage::Format_Indexed8);
  image.setColorTable({qRgb(1, 2, 3), qRgb(250, 0, 0), qRgb(0, 0, 250), qRgb(9, 9, 9)});
  image.setPixel(0, 0, 1);
  image.setPixel(1, 0, 2);
  image.setPixel(2, 0, 3);
  TBitmap b;
  FromQImage(image, b);
  EXPECT_EQ(b.PixelFormat(), pf4bit);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), RGB(250, 0, 0));
  EXPECT_EQ(b.Canvas()->Pixels(2, 0), RGB(9, 9, 9));
}

}  // namespace
}  // namespace pictor
