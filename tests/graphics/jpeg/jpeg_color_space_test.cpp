// Files of every colour space and layout libjpeg writes decode to the right colours.
#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>

#include "tests/graphics/jpeg/jpeg_test_support.h"

namespace pictor::jpegtest {
namespace {

// Four 16 x 16 blocks side by side, one colour each.
const Rgb kBlocks[] = {{255, 0, 0}, {0, 160, 255}, {40, 40, 40}, {250, 240, 200}};

Rgb BlockColor(int x) { return kBlocks[(x / 16) % 4]; }

int RgbSample(int x, int, int c) {
  const Rgb color = BlockColor(x);
  return c == 0 ? color.r : (c == 1 ? color.g : color.b);
}

// The ink amounts (0..255) that print the block colour: K takes the common part.
int InkSample(int x, int c) {
  const Rgb color = BlockColor(x);
  const int k = 255 - std::max({color.r, color.g, color.b});
  if (c == 3) return k;
  const int channel = c == 0 ? color.r : (c == 1 ? color.g : color.b);
  if (k == 255) return 0;
  return (255 - channel - k) * 255 / (255 - k);
}

void ExpectBlocks(const Bytes& file, int tolerance) {
  auto decoded = Decode(*Load(file));
  ASSERT_EQ(decoded->Width(), 64);
  ASSERT_EQ(decoded->Height(), 16);
  for (int i = 0; i < 4; ++i)
    for (int y : {3, 8, 12})
      EXPECT_LE(MaxDifference(PixelAt(decoded->Image(), 16 * i + 8, y), kBlocks[i]), tolerance)
          << "block " << i << " row " << y;
}

LibjpegFile BlockFile() {
  LibjpegFile file;
  file.width = 64;
  file.height = 16;
  file.sample = RgbSample;
  return file;
}

TEST(JpegColorSpace, DecodesYCbCr) {
  LibjpegFile file = BlockFile();
  file.fullResolution = false;
  ASSERT_EQ(ReadFacts(WriteWithLibjpeg(file)).colorSpace, JCS_YCbCr);
  ExpectBlocks(WriteWithLibjpeg(file), 6);
}

TEST(JpegColorSpace, DecodesRgbStoredAsIs) {
  LibjpegFile file = BlockFile();
  file.fileSpace = JCS_RGB;
  ASSERT_EQ(ReadFacts(WriteWithLibjpeg(file)).colorSpace, JCS_RGB);
  ExpectBlocks(WriteWithLibjpeg(file), 3);
}

TEST(JpegColorSpace, DecodesGreyscaleToGreyPixels) {
  LibjpegFile file = BlockFile();
  file.inputComponents = 1;
  file.inputSpace = JCS_GRAYSCALE;
  file.sample = [](int x, int, int) { return 30 + (x / 16) * 60; };
  auto decoded = Decode(*Load(WriteWithLibjpeg(file)));
  for (int i = 0; i < 4; ++i) {
    const Rgb c = PixelAt(decoded->Image(), 16 * i + 8, 8);
    EXPECT_EQ(c.r, c.g);
    EXPECT_EQ(c.g, c.b);
    EXPECT_NEAR(c.r, 30 + i * 60, 2);
  }
}

TEST(JpegColorSpace, DecodesAdobeCmykStoredInverted) {
  LibjpegFile file = BlockFile();
  file.inputComponents = 4;
  file.inputSpace = JCS_CMYK;
  file.sample = [](int x, int, int c) { return 255 - InkSample(x, c); };
  const Bytes bytes = WriteWithLibjpeg(file);
  ASSERT_EQ(ReadFacts(bytes).colorSpace, JCS_CMYK);
  ExpectBlocks(bytes, 4);
}

TEST(JpegColorSpace, DecodesPlainCmykAsInkAmounts) {
  LibjpegFile file = BlockFile();
  file.inputComponents = 4;
  file.inputSpace = JCS_CMYK;
  file.adobeMarker = false;
  file.sample = [](int x, int, int c) { return InkSample(x, c); };
  const Bytes bytes = WriteWithLibjpeg(file);
  ASSERT_EQ(ReadFacts(bytes).colorSpace, JCS_CMYK);
  ExpectBlocks(bytes, 4);
}

TEST(JpegColorSpace, DecodesYcck) {
  LibjpegFile file = BlockFile();
  file.inputComponents = 4;
  file.inputSpace = JCS_CMYK;
  file.fileSpace = JCS_YCCK;
  file.sample = [](int x, int, int c) { return 255 - InkSample(x, c); };
  const Bytes bytes = WriteWithLibjpeg(file);
  ASSERT_EQ(ReadFacts(bytes).colorSpace, JCS_YCCK);
  ExpectBlocks(bytes, 6);
}

TEST(JpegColorSpace, DecodesProgressiveFiles) {
  LibjpegFile file = BlockFile();
  file.progressive = true;
  file.fullResolution = false;
  Bytes bytes = WriteWithLibjpeg(file);
  ASSERT_TRUE(ReadFacts(bytes).progressive);
  ExpectBlocks(bytes, 6);

  file.inputComponents = 1;
  file.inputSpace = JCS_GRAYSCALE;
  file.sample = [](int x, int y, int) { return (x * 3 + y * 2) & 0xFF; };
  bytes = WriteWithLibjpeg(file);
  ASSERT_TRUE(ReadFacts(bytes).progressive);
  auto decoded = Decode(*Load(bytes));
  EXPECT_NEAR(PixelAt(decoded->Image(), 20, 5).g, 70, 3);
}

TEST(JpegColorSpace, DecodesManyScansUpToTheLimit) {
  LibjpegFile file = BlockFile();
  file.inputComponents = 1;
  file.inputSpace = JCS_GRAYSCALE;
  file.scanCount = 250;
  file.sample = [](int x, int, int) { return 30 + (x / 16) * 60; };
  auto decoded = Decode(*Load(WriteWithLibjpeg(file)));
  EXPECT_NEAR(PixelAt(decoded->Image(), 40, 8).r, 150, 3);
}

TEST(JpegColorSpace, DecodesOddSizes) {
  LibjpegFile file;
  file.width = 13;
  file.height = 7;
  file.fullResolution = false;
  file.sample = [](int x, int y, int c) { return c == 1 ? 200 : (x + y) * 4; };
  auto decoded = Decode(*Load(WriteWithLibjpeg(file)));
  ASSERT_EQ(decoded->Width(), 13);
  ASSERT_EQ(decoded->Height(), 7);
  EXPECT_EQ(decoded->Image().stride, 40u);
  // Row padding stays zero.
  EXPECT_EQ(decoded->Image().Row(6)[39], 0);
  EXPECT_NEAR(PixelAt(decoded->Image(), 12, 6).g, 200, 6);
}

}  // namespace
}  // namespace pictor::jpegtest
