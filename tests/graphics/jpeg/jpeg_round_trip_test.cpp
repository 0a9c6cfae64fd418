// Compressing bitmaps and reading the result back: fidelity, settings, the
// bytes kept, and conversion from every pixel format.
#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "tests/graphics/jpeg/jpeg_test_support.h"
#include "tests/graphics/test_support.h"

namespace pictor::jpegtest {
namespace {

std::unique_ptr<TJPEGImage> Compress(const TBitmap& bitmap, int quality) {
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->SetCompressionQuality(quality);
  jpeg->Assign(&bitmap);
  return jpeg;
}

TEST(JpegRoundTrip, Quality100KeepsAPhotoAbove45Decibels) {
  auto photo = PhotoBitmap(96, 80);
  const Bytes file = BytesOf(*Compress(*photo, 100));
  auto loaded = Load(file);
  EXPECT_EQ(loaded->Width(), 96);
  EXPECT_EQ(loaded->Height(), 80);
  auto decoded = Decode(*loaded);
  ASSERT_EQ(decoded->PixelFormat(), pf24bit);
  ASSERT_EQ(decoded->Width(), 96);
  EXPECT_GE(Psnr(photo->Image(), decoded->Image()), 45.0);
}

TEST(JpegRoundTrip, LowerQualityGivesSmallerFilesAndLessFidelity) {
  auto photo = PhotoBitmap(64, 64);
  auto high = Compress(*photo, 95);
  auto low = Compress(*photo, 20);
  EXPECT_LT(BytesOf(*low).size(), BytesOf(*high).size());
  const double highPsnr = Psnr(photo->Image(), Decode(*high)->Image());
  const double lowPsnr = Psnr(photo->Image(), Decode(*low)->Image());
  EXPECT_GT(highPsnr, lowPsnr);
  EXPECT_GT(lowPsnr, 25.0);
}

TEST(JpegRoundTrip, HighQualityKeepsColourAtFullResolution) {
  auto photo = PhotoBitmap(32, 32);
  const HeaderFacts high = ReadFacts(BytesOf(*Compress(*photo, 90)));
  EXPECT_EQ(high.components, 3);
  EXPECT_EQ(high.hSampling, 1);
  EXPECT_EQ(high.vSampling, 1);
  const HeaderFacts low = ReadFacts(BytesOf(*Compress(*photo, 89)));
  EXPECT_EQ(low.hSampling, 2);
  EXPECT_EQ(low.vSampling, 2);
  EXPECT_FALSE(low.progressive);
}

TEST(JpegRoundTrip, QualityDefaultsTo90AndIsClamped) {
  TJPEGImage jpeg;
  EXPECT_EQ(jpeg.CompressionQuality(), 90);
  jpeg.SetCompressionQuality(0);
  EXPECT_EQ(jpeg.CompressionQuality(), 1);
  jpeg.SetCompressionQuality(250);
  EXPECT_EQ(jpeg.CompressionQuality(), 100);
  jpeg.SetCompressionQuality(55);
  EXPECT_EQ(jpeg.CompressionQuality(), 55);
}

TEST(JpegRoundTrip, SavesLoadedBytesUnchanged) {
  LibjpegFile file;
  file.width = 40;
  file.height = 24;
  file.fullResolution = false;
  file.sample = [](int x, int y, int c) { return (x * 5 + y * 3 + c * 70) & 0xFF; };
  Bytes bytes = WriteWithLibjpeg(file);
  // Bytes after the end marker are kept too.
  bytes.push_back(0x12);
  bytes.push_back(0x34);
  auto jpeg = Load(bytes);
  EXPECT_EQ(BytesOf(*jpeg), bytes);
  // Decoding and drawing do not touch them.
  Decode(*jpeg);
  auto target = testing::WhiteBitmap(pf24bit, 10, 10);
  target->Canvas()->StretchDraw(TRect{0, 0, 10, 10}, jpeg.get());
  EXPECT_EQ(BytesOf(*jpeg), bytes);
}

TEST(JpegRoundTrip, SavesTheBytesItCompressed) {
  auto photo = PhotoBitmap(24, 24);
  auto jpeg = Compress(*photo, 80);
  const Bytes saved = BytesOf(*jpeg);
  ASSERT_GT(saved.size(), 4u);
  EXPECT_EQ(saved[0], 0xFF);
  EXPECT_EQ(saved[1], 0xD8);
  EXPECT_EQ(saved[saved.size() - 2], 0xFF);
  EXPECT_EQ(saved[saved.size() - 1], 0xD9);
  // The same bytes come back from a reload, and decode as the image did.
  auto reloaded = Load(saved);
  EXPECT_EQ(BytesOf(*reloaded), saved);
  EXPECT_EQ(Psnr(Decode(*jpeg)->Image(), Decode(*reloaded)->Image()), 99.0);
}

TEST(JpegRoundTrip, AssignFromAJpegImageCopiesBytesAndSettings) {
  auto photo = PhotoBitmap(20, 12);
  auto source = Compress(*photo, 70);
  source->SetGrayscale(true);
  TJPEGImage copy;
  copy.Assign(source.get());
  EXPECT_EQ(copy.CompressionQuality(), 70);
  EXPECT_TRUE(copy.Grayscale());
  EXPECT_EQ(copy.Width(), 20);
  EXPECT_EQ(copy.Height(), 12);
  EXPECT_EQ(BytesOf(copy), BytesOf(*source));
  // Independent: re-compressing the source leaves the copy.
  const Bytes before = BytesOf(copy);
  source->Assign(PhotoBitmap(8, 8).get());
  EXPECT_EQ(BytesOf(copy), before);
  EXPECT_EQ(copy.Width(), 20);
}

TEST(JpegRoundTrip, AssignNullAndEmptyBitmapEmpty) {
  auto jpeg = Compress(*PhotoBitmap(8, 8), 90);
  ASSERT_FALSE(jpeg->Empty());
  jpeg->Assign(nullptr);
  EXPECT_TRUE(jpeg->Empty());
  EXPECT_EQ(jpeg->Width(), 0);
  EXPECT_EQ(jpeg->Height(), 0);
  TMemoryStream stream;
  EXPECT_THROW(jpeg->SaveToStream(stream), EInvalidGraphicOperation);
  EXPECT_EQ(stream.Size(), 0);

  jpeg = Compress(*PhotoBitmap(8, 8), 90);
  TBitmap empty;
  jpeg->Assign(&empty);
  EXPECT_TRUE(jpeg->Empty());
  // An empty image makes an empty bitmap.
  auto bitmap = PhotoBitmap(4, 4);
  bitmap->Assign(jpeg.get());
  EXPECT_TRUE(bitmap->Empty());
}

TEST(JpegRoundTrip, GrayscaleCompressesOneChannelAndDecodesGrey) {
  auto photo = PhotoBitmap(32, 16);
  TJPEGImage jpeg;
  jpeg.SetGrayscale(true);
  jpeg.Assign(photo.get());
  EXPECT_EQ(ReadFacts(BytesOf(jpeg)).components, 1);
  auto decoded = Decode(jpeg);
  for (int y = 0; y < 16; y += 5)
    for (int x = 0; x < 32; x += 7) {
      const Rgb c = PixelAt(decoded->Image(), x, y);
      EXPECT_EQ(c.r, c.g);
      EXPECT_EQ(c.g, c.b);
    }
}

TEST(JpegRoundTrip, GrayscaleSettingChangesHowAColourFileDecodes) {
  auto red = testing::WhiteBitmap(pf24bit, 16, 16);
  red->Canvas()->Brush.Color = clRed;
  red->Canvas()->FillRect(TRect{0, 0, 16, 16});
  auto jpeg = Compress(*red, 100);
  auto target = testing::WhiteBitmap(pf24bit, 16, 16);
  target->Canvas()->Draw(0, 0, jpeg.get());  // caches the colour picture
  EXPECT_LE(MaxDifference(PixelAt(target->Image(), 8, 8), {255, 0, 0}), 3);
  jpeg->SetGrayscale(true);
  target->Canvas()->Draw(0, 0, jpeg.get());
  const Rgb grey = PixelAt(target->Image(), 8, 8);
  EXPECT_EQ(grey.r, grey.g);
  EXPECT_NEAR(grey.r, 76, 3);  // the luminance of red
}

// Blocks of 16 x 16 pixels in colours of the format; their centres must come
// back within JPEG's error.
void CheckFormat(TPixelFormat format) {
  SCOPED_TRACE(PixelFormatName(format));
  const TColor colors[] = {clBlack, clWhite, clRed, clBlue, clLime, clYellow};
  const int count = format == pf1bit ? 2 : 6;
  auto bitmap = testing::WhiteBitmap(format, 16 * count, 16);
  for (int i = 0; i < count; ++i) {
    bitmap->Canvas()->Brush.Color = colors[i];
    bitmap->Canvas()->FillRect(TRect{16 * i, 0, 16 * i + 16, 16});
  }
  auto jpeg = Compress(*bitmap, 100);
  EXPECT_EQ(jpeg->Width(), 16 * count);
  auto decoded = Decode(*Load(BytesOf(*jpeg)));
  for (int i = 0; i < count; ++i) {
    const TColor c = bitmap->Canvas()->Pixels(16 * i + 8, 8);
    const Rgb expected{int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)};
    EXPECT_LE(MaxDifference(PixelAt(decoded->Image(), 16 * i + 8, 8), expected), 4) << i;
  }
}

TEST(JpegRoundTrip, CompressesBitmapsOfEveryPixelFormat) {
  for (TPixelFormat format : testing::kAllFormats) CheckFormat(format);
}

TEST(JpegRoundTrip, DrawsScaledIntoTheRectangle) {
  auto bitmap = testing::WhiteBitmap(pf24bit, 16, 16);
  bitmap->Canvas()->Brush.Color = clBlue;
  bitmap->Canvas()->FillRect(TRect{0, 0, 16, 8});
  auto jpeg = Compress(*bitmap, 100);
  auto target = testing::WhiteBitmap(pf32bit, 40, 40);
  target->Canvas()->StretchDraw(TRect{4, 4, 36, 36}, jpeg.get());
  auto near = [&](int x, int y, TColor c) {
    const TColor got = target->Canvas()->Pixels(x, y);
    const Rgb a{int(got & 0xFF), int((got >> 8) & 0xFF), int((got >> 16) & 0xFF)};
    const Rgb b{int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)};
    return MaxDifference(a, b) <= 4;
  };
  EXPECT_TRUE(near(10, 10, clBlue));   // top half of the picture, scaled 2x
  EXPECT_TRUE(near(30, 30, clWhite));  // bottom half
  EXPECT_EQ(target->Canvas()->Pixels(2, 2), clWhite);  // outside the rectangle
  EXPECT_EQ(target->Canvas()->Pixels(37, 20), clWhite);
  EXPECT_TRUE(near(20, 19, clBlue));
  EXPECT_TRUE(near(20, 21, clWhite));
}

TEST(JpegRoundTrip, ConvertsOnlyIntoBitmaps) {
  auto jpeg = Compress(*PhotoBitmap(8, 8), 90);
  TJPEGImage other;
  EXPECT_FALSE(jpeg->AssignTo(other));
  TBitmap bitmap;
  EXPECT_TRUE(jpeg->AssignTo(bitmap));
  EXPECT_EQ(bitmap.Width(), 8);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  // The picture stays usable after handing over its decoded pixels.
  TBitmap again;
  EXPECT_TRUE(jpeg->AssignTo(again));
  EXPECT_EQ(Psnr(bitmap.Image(), again.Image()), 99.0);
}

}  // namespace
}  // namespace pictor::jpegtest
