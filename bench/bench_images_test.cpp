// The benchmark images and checks, and the operations exactly as the
// benchmarks drive them, on small images.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "bench/bench_images.h"
#include "host/graphics/canvas.h"
#include "host/graphics/streams.h"

namespace pictor::bench {
namespace {

TEST(BenchImages, PhotoIsDeterministicAndVaried) {
  std::set<TColor> colors;
  int sameAsLeft = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      EXPECT_EQ(PhotoColor(x, y, 64), PhotoColor(x, y, 64));
      colors.insert(PhotoColor(x, y, 64));
      if (x > 0 && PhotoColor(x, y, 64) == PhotoColor(x - 1, y, 64)) ++sameAsLeft;
    }
  EXPECT_GT(colors.size(), 3000u);  // noise: nearly every pixel differs
  EXPECT_LT(sameAsLeft, 40);
}

TEST(BenchImages, PhotoGradientSpansTheRange) {
  // Without the noise the corners of the picture differ clearly.
  const TColor a = PhotoColor(0, 0, 512), b = PhotoColor(511, 511, 512);
  EXPECT_GT(std::abs(GetBValue(a) - GetBValue(b)), 100);
}

TEST(BenchImages, PhotoBitmapHoldsPhotoColors) {
  auto bitmap = PhotoBitmap(40);
  ASSERT_EQ(bitmap->PixelFormat(), pf24bit);
  ASSERT_EQ(bitmap->Width(), 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(bitmap->Canvas()->Pixels(x, y), PhotoColor(x, y, 40)) << x << "," << y;
}

TEST(BenchImages, NearestWebColorIsTheNearestPaletteEntry) {
  auto bitmap = WebPaletteBitmap(4);
  PALETTEENTRY entries[256];
  const unsigned n = GetPaletteEntries(bitmap->Palette(), 0, 256, entries);
  ASSERT_EQ(n, 216u);
  for (int i = 0; i < 4000; ++i) {
    const TColor c = PhotoColor(i * 7 % 4096, i * 13 % 4096, 4096) ^ (i * 0x010203);
    int best = 1 << 30;
    TColor bestColor = clInvalid;
    for (unsigned k = 0; k < n; ++k) {
      const int dr = entries[k].peRed - GetRValue(c), dg = entries[k].peGreen - GetGValue(c),
                db = entries[k].peBlue - GetBValue(c);
      const int d = dr * dr + dg * dg + db * db;
      if (d < best) {
        best = d;
        bestColor = EntryColor(entries[k]);
      }
    }
    ASSERT_EQ(NearestWebColor(c), bestColor) << std::hex << c;
  }
}

TEST(BenchImages, SolidBitmapsHoldTheColourInEveryFormatBenchmarked) {
  for (TPixelFormat format : {pf24bit, pf4bit})
    for (TColor color : {clWhite, clNavy}) {
      auto bitmap = SolidBitmap(format, 50, color);
      EXPECT_EQ(bitmap->PixelFormat(), format);
      EXPECT_TRUE(SampledPixelsAre(*bitmap, color, 1));
    }
}

TEST(BenchImages, SampledChecksSeeTheLastRowAndColumn) {
  auto bitmap = SolidBitmap(pf24bit, 50, clWhite);
  bitmap->Canvas()->SetPixels(49, 49, clRed);
  EXPECT_FALSE(SampledPixelsAre(*bitmap, clWhite, 16));
  auto other = SolidBitmap(pf24bit, 50, clWhite);
  EXPECT_FALSE(SampledPixelsEqual(*bitmap, *other, 16));
  bitmap->Canvas()->SetPixels(49, 49, clWhite);
  EXPECT_TRUE(SampledPixelsEqual(*bitmap, *other, 16));
  bitmap->Canvas()->SetPixels(17, 5, clRed);  // off the grid: not seen
  EXPECT_TRUE(SampledPixelsAre(*bitmap, clWhite, 16));
}

TEST(BenchImages, SampledWebCopyCheckRejectsAWrongPixel) {
  auto photo = PhotoBitmap(20);
  auto copy = WebPaletteBitmap(20);
  const TRect all{0, 0, 20, 20};
  copy->Canvas()->CopyRect(all, photo->Canvas(), all);
  EXPECT_TRUE(SampledWebCopyMatches(*photo, *copy, 1));
  const TColor wrong = NearestWebColor(PhotoColor(3, 3, 20)) ^ 0x330000;
  copy->Canvas()->SetPixels(3, 3, wrong);
  EXPECT_FALSE(SampledWebCopyMatches(*photo, *copy, 1));
}

TEST(BenchOperations, AlternatingFloodFillsCoverTheWholeImage) {
  for (TPixelFormat format : {pf24bit, pf4bit}) {
    TColor current = clWhite, next = clNavy;
    auto bitmap = SolidBitmap(format, 70, current);
    TCanvas& canvas = *bitmap->Canvas();
    for (int i = 0; i < 3; ++i) {
      canvas.Brush.Color = next;
      canvas.FloodFill(35, 35, current, fsSurface);
      std::swap(current, next);
      ASSERT_TRUE(SampledPixelsAre(*bitmap, current, 1)) << PixelFormatName(format) << " " << i;
    }
  }
}

TEST(BenchOperations, FiguresOverTheWholeImage) {
  auto bitmap = SolidBitmap(pf24bit, 64, clWhite);
  TCanvas& canvas = *bitmap->Canvas();
  canvas.Brush.Color = clNavy;
  canvas.Pen.Color = clNavy;
  canvas.Rectangle(0, 0, 64, 64);
  EXPECT_TRUE(SampledPixelsAre(*bitmap, clNavy, 1));
  canvas.Brush.Color = clYellow;
  canvas.Pen.Color = clYellow;
  canvas.Ellipse(0, 0, 64, 64);
  EXPECT_EQ(canvas.Pixels(32, 32), clYellow);
  EXPECT_EQ(canvas.Pixels(0, 32), clYellow);
  EXPECT_EQ(canvas.Pixels(32, 63), clYellow);
  EXPECT_EQ(canvas.Pixels(0, 0), clNavy);  // corners stay outside the ellipse
  EXPECT_EQ(canvas.Pixels(63, 63), clNavy);
}

TEST(BenchOperations, CopyRectGivesTheNearestWebColourEverywhere) {
  auto photo = PhotoBitmap(96);
  auto target = WebPaletteBitmap(96);
  const TRect all{0, 0, 96, 96};
  target->Canvas()->CopyRect(all, photo->Canvas(), all);
  EXPECT_EQ(target->PixelFormat(), pf8bit);
  EXPECT_TRUE(SampledWebCopyMatches(*photo, *target, 1));
}

TEST(BenchOperations, SaveAndLoadRoundTripThroughMemory) {
  auto bitmap = PhotoBitmap(33);  // rows need padding at this width
  TMemoryStream stream;
  bitmap->SaveToStream(stream);
  EXPECT_GE(stream.Size(), static_cast<std::int64_t>(100 * 33));  // 99 bytes padded to 100
  TBitmap loaded;
  stream.SetPosition(0);
  loaded.LoadFromStream(stream);
  EXPECT_TRUE(SampledPixelsEqual(*bitmap, loaded, 1));
  // The benchmark reuses the stream: a second save over it gives the same file.
  const std::int64_t size = stream.Size();
  stream.SetSize(0);
  bitmap->SaveToStream(stream);
  EXPECT_EQ(stream.Size(), size);
}

TEST(BenchBuffers, TouchedBufferIsWritten) {
  const auto buffer = TouchedBuffer(1 << 20);
  ASSERT_EQ(buffer.size(), 1u << 20);
  EXPECT_EQ(buffer.front(), buffer.back());
  EXPECT_EQ(ImageBytes(4096, 24), 4096u * 4096u * 3u);
  EXPECT_EQ(ImageBytes(4096, 4), 4096u * 4096u / 2u);
}

}  // namespace
}  // namespace pictor::bench
