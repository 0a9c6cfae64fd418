// Reading the header variants, depths and bit field layouts that other
// programs write, each file built byte by byte.
#include <gtest/gtest.h>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "tests/graphics/bmp/bmp_test_support.h"

namespace pictor::bmptest {
namespace {

BmpFile TwoByTwo8Bit(std::uint32_t headerSize) {
  BmpFile f;
  f.headerSize = headerSize;
  f.width = 2;
  f.height = 2;
  f.bitCount = 8;
  f.colorsUsed = 3;
  f.colors = {{{0, 0, 255, 0}}, {{0, 255, 0, 4}}, {{255, 0, 0, 0}}};
  f.pixels = {2, 1, 0, 0, 0, 2, 0, 0};  // bottom row first
  return f;
}

TEST(BmpRead, EveryInfoHeaderSizeGivesTheSamePicture) {
  for (std::uint32_t size : {40u, 52u, 56u, 64u, 108u, 124u}) {
    const BitmapImage image = ReadBytes(TwoByTwo8Bit(size).Build());
    ASSERT_EQ(image.format, pf8bit) << size;
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 2})) << size;
    EXPECT_EQ(RowBytes(image, 1), (Bytes{2, 1})) << size;
    const std::vector<PALETTEENTRY> expected = {{255, 0, 0, 0}, {0, 255, 0, 4}, {0, 0, 255, 0}};
    EXPECT_EQ(Entries(image.palette), expected) << size;
  }
}

TEST(BmpRead, CoreHeaderHasThreeByteColoursAndSixteenBitSizes) {
  BmpFile f;
  f.headerSize = 12;
  f.width = 3;
  f.height = 1;
  f.bitCount = 1;
  f.colors = {{{10, 20, 30, 0}}, {{40, 50, 60, 0}}};
  f.pixels = {0xA0, 0, 0, 0};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.format, pf1bit);
  EXPECT_EQ(RowBytes(image, 0), Bytes{0xA0});
  const std::vector<PALETTEENTRY> expected = {{30, 20, 10, 0}, {60, 50, 40, 0}};
  EXPECT_EQ(Entries(image.palette), expected);
}

TEST(BmpRead, CoreHeaderWithAShortColourTableTakesItsLengthFromThePixelOffset) {
  BmpFile f;
  f.headerSize = 12;
  f.width = 2;
  f.height = 1;
  f.bitCount = 4;
  f.colors = {{{1, 1, 1, 0}}, {{2, 2, 2, 0}}};  // 2 of 16 entries
  f.pixels = {0x10, 0, 0, 0};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.palette.size(), 2u);
  EXPECT_EQ(RowBytes(image, 0), Bytes{0x10});
}

TEST(BmpRead, TopDownRowsComeInOrder) {
  BmpFile f = TwoByTwo8Bit(40);
  f.height = -2;
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(RowBytes(image, 0), (Bytes{2, 1}));
  EXPECT_EQ(RowBytes(image, 1), (Bytes{0, 2}));
}

TEST(BmpRead, ShortColourTableGivesAShortPaletteAndKeepsIndicesBeyondIt) {
  BmpFile f = TwoByTwo8Bit(40);
  f.colorsUsed = 1;
  f.colors.resize(1);
  f.pixels = {7, 0, 0, 0, 0, 200, 0, 0};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.palette.size(), 1u);
  EXPECT_EQ(RowBytes(image, 1), (Bytes{7, 0}));
  EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 200}));
}

TEST(BmpRead, ColoursUsedZeroMeansAFullTableAndTooManyIsCut) {
  BmpFile f;
  f.bitCount = 1;
  f.colors = {{{0, 0, 0, 0}}, {{255, 255, 255, 0}}};
  f.pixels = {0x80, 0, 0, 0};
  EXPECT_EQ(ReadBytes(f.Build()).palette.size(), 2u);
  f.colorsUsed = 1000;
  f.offBits = 14 + 40 + 8;
  EXPECT_EQ(ReadBytes(f.Build()).palette.size(), 2u);
}

TEST(BmpRead, PixelOffsetSkipsAGapAndZeroMeansRightAfterTheTable) {
  BmpFile f = TwoByTwo8Bit(40);
  f.gap = {9, 9, 9, 9, 9};
  EXPECT_EQ(RowBytes(ReadBytes(f.Build()), 1), (Bytes{2, 1}));
  BmpFile g = TwoByTwo8Bit(40);
  g.offBits = 0;
  EXPECT_EQ(RowBytes(ReadBytes(g.Build()), 1), (Bytes{2, 1}));
  g.offBits = 20;  // inside the headers
  EXPECT_EQ(RowBytes(ReadBytes(g.Build()), 1), (Bytes{2, 1}));
}

TEST(BmpRead, SixteenBitsWithoutMasksIs555) {
  BmpFile f;
  f.bitCount = 16;
  f.pixels = {0x1F, 0x7C, 0, 0};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.format, pf15bit);
  EXPECT_EQ(RowBytes(image, 0), (Bytes{0x1F, 0x7C}));
}

TEST(BmpRead, SixteenBitMasksPickTheFormat) {
  for (std::uint32_t headerSize : {40u, 56u, 108u, 124u}) {
    BmpFile f;
    f.headerSize = headerSize;
    f.bitCount = 16;
    f.compression = bmp::kBitfields;
    f.pixels = {0x1F, 0xF8, 0, 0};
    f.masks = {0xF800, 0x07E0, 0x001F};
    EXPECT_EQ(ReadBytes(f.Build()).format, pf16bit) << headerSize;
    f.masks = {0x7C00, 0x03E0, 0x001F};
    EXPECT_EQ(ReadBytes(f.Build()).format, pf15bit) << headerSize;
  }
}

TEST(BmpRead, UnusualSixteenBitMasksExpandToTwentyFourBits) {
  // 4-4-4 with the red nibble on top: 0xF80 is red full, green half, blue 0.
  BmpFile f;
  f.bitCount = 16;
  f.compression = bmp::kBitfields;
  f.masks = {0x0F00, 0x00F0, 0x000F};
  f.width = 2;
  f.pixels = {0x80, 0x0F, 0x0F, 0x00};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.format, pf24bit);
  EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 136, 255, 255, 0, 0}));
}

TEST(BmpRead, ThirtyTwoBitMasksPickDeviceOrConvertWithAlpha) {
  BmpFile f;
  f.bitCount = 32;
  f.pixels = {1, 2, 3, 4};
  EXPECT_EQ(ReadBytes(f.Build()).format, pf32bit);  // no masks: the fourth byte stays
  EXPECT_EQ(RowBytes(ReadBytes(f.Build()), 0), (Bytes{1, 2, 3, 4}));

  f.compression = bmp::kBitfields;
  f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  EXPECT_EQ(ReadBytes(f.Build()).format, pfDevice);

  // Bytes R, G, B, A in memory order.
  f.compression = bmp::kAlphaBitfields;
  f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
  BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.format, pf32bit);
  EXPECT_EQ(RowBytes(image, 0), (Bytes{3, 2, 1, 4}));

  // The same in a V5 header with plain bit fields; no alpha mask gives alpha 0.
  f.headerSize = 124;
  f.compression = bmp::kBitfields;
  f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0};
  EXPECT_EQ(RowBytes(ReadBytes(f.Build()), 0), (Bytes{3, 2, 1, 0}));
}

TEST(BmpRead, TrueColourWithAColourTableKeepsItAsThePalette) {
  BmpFile f;
  f.colorsUsed = 2;
  f.colors = {{{1, 2, 3, 0}}, {{4, 5, 6, 0}}};
  f.pixels = {7, 8, 9, 0};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(image.format, pf24bit);
  EXPECT_EQ(image.palette.size(), 2u);
  EXPECT_EQ(RowBytes(image, 0), (Bytes{7, 8, 9}));
}

TEST(BmpRead, RowPaddingAndSpareBitsFromTheFileAreCleared) {
  BmpFile f;
  f.bitCount = 1;
  f.width = 3;
  f.colors = {{{0, 0, 0, 0}}, {{255, 255, 255, 0}}};
  f.pixels = {0xFF, 0xEE, 0xDD, 0xCC};
  const BitmapImage image = ReadBytes(f.Build());
  EXPECT_EQ(Bytes(image.Row(0), image.Row(0) + 4), (Bytes{0xE0, 0, 0, 0}));
}

TEST(BmpRead, PlanesFieldIsIgnored) {
  BmpFile f;
  f.planes = 0;
  f.pixels = {1, 2, 3, 0};
  EXPECT_EQ(RowBytes(ReadBytes(f.Build()), 0), (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace pictor::bmptest
