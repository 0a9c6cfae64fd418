// PNG images inside icons, and the PNG decoder on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/icon/png_decode.h"
#include "tests/graphics/icon/icon_builder.h"

namespace pictor::icontest {
namespace {

// 0xAARRGGBB of the decoded picture at (x, y).
std::uint32_t At(const BitmapImage& image, int x, int y) {
  const std::uint8_t* p = image.Row(y) + 4 * x;
  return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) |
         p[0];
}

std::vector<std::uint32_t> All(const BitmapImage& image) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) out.push_back(At(image, x, y));
  return out;
}

const std::vector<std::uint32_t> kPixels = {0xFF102030, 0x80405060, 0x00708090,
                                            0xFFFFFFFF, 0x01000000, 0xFEA0B0C0};

Entry PngEntry(const Bytes& png, int width, int height) {
  Entry e;
  e.data = png;
  e.width = width;
  e.height = height;
  return e;
}

TEST(IconPng, KeepsStraightAlpha) {
  TIcon icon;
  Load(icon, IconFile({PngEntry(Png(3, 2, kPixels), 3, 2)}));
  EXPECT_EQ(icon.Width(), 3);
  EXPECT_EQ(icon.Height(), 2);
  EXPECT_EQ(All(icon.Picture()), kPixels);
}

TEST(IconPng, DrawsByAlpha) {
  TIcon icon;
  Load(icon, IconFile({PngEntry(Png(3, 1, {0x80C86432, 0x00FFFFFF, 0xFF0000FF}), 3, 1)}));
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(3, 1);
  target.Canvas()->Brush.Color = clTeal;
  target.Canvas()->FillRect(TRect{0, 0, 3, 1});
  target.Canvas()->Draw(0, 0, &icon);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), RGB(100, 114, 89));
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clTeal);
  EXPECT_EQ(target.Canvas()->Pixels(2, 0), clBlue);
}

TEST(IconPng, ChosenByDepthAgainstBitmaps) {
  IconBitmap bitmap;
  bitmap.width = bitmap.height = 4;
  bitmap.bitCount = 24;
  bitmap.pixels.assign(16, 0x00FF00);
  const std::vector<std::uint32_t> blue(16, 0xFF0000FF);

  TIcon icon;
  Load(icon, IconFile({EntryFor(bitmap), PngEntry(Png(4, 4, blue, 6), 4, 4)}));
  EXPECT_EQ(icon.ShownImage(), 1);  // 32 bits beat 24

  bitmap.bitCount = 32;
  bitmap.pixels.assign(16, 0xFF00FF00);
  Load(icon, IconFile({PngEntry(Png(4, 4, blue, 2), 4, 4), EntryFor(bitmap)}));
  EXPECT_EQ(icon.ShownImage(), 1);  // 24-bit PNG loses to the 32-bit bitmap
  EXPECT_EQ(At(icon.Picture(), 0, 0), 0xFF00FF00u);
}

TEST(PngDecode, ColourTypes) {
  const ImageLimits limits;
  const std::vector<std::uint32_t> opaque = {0xFF102030, 0xFF405060, 0xFFFFFFFF, 0xFF000000};
  EXPECT_EQ(All(DecodePng(Png(2, 2, opaque, 2), limits)), opaque);
  EXPECT_EQ(All(DecodePng(Png(2, 2, kPixels, 6, 16), limits)),
            std::vector<std::uint32_t>(kPixels.begin(), kPixels.begin() + 4))
      << "only the first four pixels of a 2 x 2 picture";
  EXPECT_EQ(All(DecodePng(Png(3, 2, kPixels, 3), limits)), kPixels);
  EXPECT_EQ(All(DecodePng(Png(2, 2, opaque, 0), limits)),
            (std::vector<std::uint32_t>{0xFF202020, 0xFF505050, 0xFFFFFFFF, 0xFF000000}));
  EXPECT_EQ(All(DecodePng(Png(2, 2, opaque, 0, 16), limits)),
            (std::vector<std::uint32_t>{0xFF202020, 0xFF505050, 0xFFFFFFFF, 0xFF000000}));
}

TEST(PngDecode, Interlaced) {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t i = 0; i < 11 * 9; ++i) pixels.push_back(0xFF000000u | (i * 0x020301u));
  const BitmapImage image = DecodePng(Png(11, 9, pixels, 6, 8, true), ImageLimits{});
  EXPECT_EQ(All(image), pixels);
}

TEST(PngDecode, HeaderGivesSizeAndDepth) {
  const PngHeader h = ReadPngHeader(Png(5, 7, std::vector<std::uint32_t>(35), 6, 16));
  EXPECT_EQ(h.width, 5);
  EXPECT_EQ(h.height, 7);
  EXPECT_EQ(h.bitsPerPixel, 64);
  EXPECT_EQ(ReadPngHeader(Png(1, 1, {0}, 3)).bitsPerPixel, 8);
  EXPECT_EQ(ReadPngHeader(Png(1, 1, {0}, 2)).bitsPerPixel, 24);
}

// The message of the EInvalidGraphic that decoding throws ("" when none).
std::string DecodeError(const Bytes& data, const ImageLimits& limits = ImageLimits{}) {
  try {
    DecodePng(data, limits);
  } catch (const EInvalidGraphic& e) {
    return e.what();
  }
  return "";
}

TEST(PngDecode, DamagedDataIsRefused) {
  const Bytes good = Png(8, 8, std::vector<std::uint32_t>(64, 0xFF123456));
  for (std::size_t cut : {good.size() - 13, good.size() - 20, std::size_t{40}, std::size_t{30},
                          std::size_t{20}, std::size_t{8}, std::size_t{3}}) {
    SCOPED_TRACE(cut);
    EXPECT_NE(DecodeError(Bytes(good.begin(), good.begin() + cut)), "");
  }
  Bytes badCrc = good;
  badCrc[29] ^= 1;  // the header chunk's checksum
  EXPECT_NE(DecodeError(badCrc).find("PNG"), std::string::npos);
  Bytes badType = good;
  badType[25] = 5;  // colour type
  EXPECT_NE(DecodeError(badType).find("colour type"), std::string::npos);
  Bytes badDepth = good;
  badDepth[24] = 3;
  EXPECT_NE(DecodeError(badDepth).find("colour type"), std::string::npos);
  Bytes zero = good;
  zero[16] = zero[17] = zero[18] = zero[19] = 0;
  EXPECT_NE(DecodeError(zero).find("size"), std::string::npos);
}

TEST(PngDecode, LimitsAreCheckedFirst) {
  const Bytes png = Png(40, 30, std::vector<std::uint32_t>(1200, 0xFF000000));
  EXPECT_NE(DecodeError(png, ImageLimits{39, 1 << 20}).find("too large"), std::string::npos);
  EXPECT_NE(DecodeError(png, ImageLimits{100, 4799}).find("MiB"), std::string::npos);
  EXPECT_EQ(DecodeError(png, ImageLimits{40, 4800}), "");

  // A header claiming 60000 x 60000 pixels, with no data behind it.
  Bytes huge(png.begin(), png.begin() + 33);
  for (int i : {16, 20}) {
    huge[i] = 0;
    huge[i + 1] = 0;
    huge[i + 2] = 0xEA;
    huge[i + 3] = 0x60;
  }
  EXPECT_NE(DecodeError(huge).find("MiB"), std::string::npos);
}

}  // namespace
}  // namespace pictor::icontest
