// Reading RLE8 and RLE4 compressed bitmaps.
#include <gtest/gtest.h>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/errors.h"
#include "tests/graphics/bmp/bmp_test_support.h"

namespace pictor::bmptest {
namespace {

BmpFile Rle(int bits, int width, int height, Bytes data) {
  BmpFile f;
  f.bitCount = static_cast<std::uint16_t>(bits);
  f.compression = bits == 8 ? bmp::kRle8 : bmp::kRle4;
  f.width = width;
  f.height = height;
  f.colorsUsed = 2;
  f.colors = {{{0, 0, 0, 0}}, {{255, 255, 255, 0}}};
  f.sizeImage = static_cast<std::uint32_t>(data.size());
  f.pixels = std::move(data);
  return f;
}

TEST(BmpRle, Rle8RunsAbsoluteRunsEndOfLineAndDelta) {
  // Bottom row: run of 2 x 5, absolute 3 pixels (7, 8, 9) + pad, end of line.
  // Next row: delta (1, 1) skips to column 1 of the top row; run of 1 x 4; end.
  const BitmapImage image = ReadBytes(Rle(8, 6, 3,
                                          {2, 5, 0, 3, 7, 8, 9, 0, 0, 0,  //
                                           0, 2, 1, 1, 1, 4, 0, 1})
                                          .Build());
  EXPECT_EQ(RowBytes(image, 2), (Bytes{5, 5, 7, 8, 9, 0}));
  EXPECT_EQ(RowBytes(image, 1), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 4, 0, 0, 0, 0}));
}

TEST(BmpRle, Rle4AlternatesNibblesAndPadsOddAbsoluteRuns) {
  // Run of 5 alternating 1 and 2; absolute run of 3 nibbles (3, 4, 5) in 2 bytes
  // padded to 2 bytes; absolute run of 5 nibbles in 3 bytes + 1 pad byte.
  const BitmapImage image = ReadBytes(Rle(4, 8, 2,
                                          {5, 0x12, 0, 3, 0x34, 0x50, 0, 0,  //
                                           0, 5, 0x67, 0x89, 0xA0, 0, 0, 1})
                                          .Build());
  EXPECT_EQ(RowBytes(image, 1), (Bytes{0x12, 0x12, 0x13, 0x45}));
  EXPECT_EQ(RowBytes(image, 0), (Bytes{0x67, 0x89, 0xA0, 0x00}));
}

TEST(BmpRle, StreamEndsAfterTheEndOfBitmapCode) {
  BmpFile f = Rle(8, 2, 1, {2, 1, 0, 1});
  f.sizeImage = 0;
  Bytes file = f.Build();
  const std::size_t end = file.size();
  file.insert(file.end(), {0xEE, 0xEE, 0xEE});
  TMemoryStream s;
  s.WriteBuffer(file.data(), file.size());
  s.SetPosition(0);
  ReadBmp(s);
  EXPECT_EQ(s.Position(), static_cast<std::int64_t>(end));
}

TEST(BmpRle, DataThatStopsCleanlyWithoutEndOfBitmapIsAccepted) {
  const BitmapImage image = ReadBytes(Rle(8, 3, 2, {3, 9, 0, 0, 1, 4}).Build());
  EXPECT_EQ(RowBytes(image, 1), (Bytes{9, 9, 9}));
  EXPECT_EQ(RowBytes(image, 0), (Bytes{4, 0, 0}));
}

TEST(BmpRle, BadDataIsRefused) {
  const struct {
    const char* what;
    int bits;
    Bytes data;
  } cases[] = {
      {"run past the row end", 8, {5, 1, 0, 1}},
      {"absolute run past the row end", 8, {0, 5, 1, 2, 3, 4, 5, 0}},
      {"RLE4 run past the row end", 4, {5, 0x11, 0, 1}},
      {"delta past the right edge", 8, {0, 2, 5, 0, 0, 1}},
      {"delta past the top", 8, {0, 2, 0, 3, 0, 1}},
      {"rows past the image", 8, {0, 0, 0, 0, 1, 1}},
      {"end of line past the last row", 8, {0, 0, 0, 0, 0, 0}},
      {"data cut inside a code", 8, {2, 1, 0}},
      {"data cut inside a delta", 8, {0, 2, 1}},
      {"data cut inside an absolute run", 8, {0, 4, 1, 2}},
  };
  for (const auto& c : cases) {
    BmpFile f = Rle(c.bits, 4, 2, c.data);
    EXPECT_THROW(ReadBytes(f.Build()), EInvalidGraphic) << c.what;
  }
}

TEST(BmpRle, TopDownOrWrongDepthIsRefused) {
  BmpFile f = Rle(8, 2, 1, {2, 1, 0, 1});
  f.height = -1;
  EXPECT_THROW(ReadBytes(f.Build()), EInvalidGraphic);
  f = Rle(8, 2, 1, {2, 1, 0, 1});
  f.bitCount = 4;
  EXPECT_THROW(ReadBytes(f.Build()), EInvalidGraphic);
}

}  // namespace
}  // namespace pictor::bmptest
