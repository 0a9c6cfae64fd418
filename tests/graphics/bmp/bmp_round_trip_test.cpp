// Saving a bitmap and loading it back restores it exactly.
#include <gtest/gtest.h>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/errors.h"
#include "tests/graphics/bmp/bmp_test_support.h"

namespace pictor::bmptest {
namespace {

const TPixelFormat kFormats[] = {pf1bit,  pf4bit,  pf8bit,  pf15bit,
                                 pf16bit, pf24bit, pf32bit, pfDevice};

std::vector<PALETTEENTRY> SomeEntries(int count) {
  std::vector<PALETTEENTRY> e(count);
  for (int i = 0; i < count; ++i)
    e[i] = {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i),
            static_cast<std::uint8_t>(i * 3 + 1), static_cast<std::uint8_t>(i % 3 == 0 ? 4 : 0)};
  return e;
}

TEST(BmpRoundTrip, EveryFormatAndOddWidthRestoresSizeFormatPaletteAndPixels) {
  for (TPixelFormat format : kFormats) {
    for (int width : {1, 3, 7, 33}) {
      for (bool withPalette : {false, true}) {
        BitmapImage image = PatternImage(width, 5, format, static_cast<unsigned>(width));
        const int entries = IsIndexed(format) ? MaxPaletteEntries(format) : 19;
        if (withPalette || IsIndexed(format))
          image.palette = OwnedPalette::FromEntries(SomeEntries(entries));
        const BitmapImage back = ReadBytes(WriteBytes(image));
        EXPECT_TRUE(SameImage(image, back))
            << PixelFormatName(format) << " width " << width << " palette " << withPalette;
      }
    }
  }
}

TEST(BmpRoundTrip, ShortPaletteOfAnIndexedBitmapKeepsItsLength) {
  BitmapImage image = PatternImage(9, 2, pf8bit);
  image.palette = OwnedPalette::FromEntries(SomeEntries(5));
  EXPECT_TRUE(SameImage(image, ReadBytes(WriteBytes(image))));
}

TEST(BmpRoundTrip, EmptyImageKeepsItsFormatAndPalette) {
  for (TPixelFormat format : kFormats) {
    BitmapImage image = AllocateImage(0, 0, format);
    image.palette = OwnedPalette::FromEntries(SomeEntries(2));
    const BitmapImage back = ReadBytes(WriteBytes(image));
    EXPECT_TRUE(back.empty());
    EXPECT_EQ(back.format, format) << PixelFormatName(format);
    EXPECT_EQ(Entries(back.palette), SomeEntries(2));
  }
}

TEST(BmpRoundTrip, HeaderFieldsDescribeTheFile) {
  BitmapImage image = PatternImage(3, 2, pf16bit);
  const Bytes file = WriteBytes(image);
  ASSERT_EQ(file.size(), 14u + 40 + 12 + 2 * 8);
  EXPECT_EQ(bmp::Get32(&file[2]), file.size());     // file size
  EXPECT_EQ(bmp::Get32(&file[10]), 14u + 40 + 12);  // pixel offset
  EXPECT_EQ(bmp::Get16(&file[26]), 1);              // planes
  EXPECT_EQ(bmp::Get16(&file[28]), 16);             // bits per pixel
  EXPECT_EQ(bmp::Get32(&file[30]), bmp::kBitfields);
  EXPECT_EQ(bmp::Get32(&file[34]), 2u * 8);   // image size
  EXPECT_EQ(bmp::Get32(&file[54]), 0xF800u);  // red mask
  // Bottom-up: the file's first row is the image's last.
  EXPECT_EQ(Bytes(file.begin() + 66, file.begin() + 72), RowBytes(image, 1));
}

TEST(BmpRoundTrip, ReadLeavesTheStreamAfterThePixelsSoFilesCanFollowEachOther) {
  const BitmapImage first = PatternImage(5, 3, pf24bit, 1);
  const BitmapImage second = PatternImage(4, 2, pf8bit, 2);
  TMemoryStream s;
  WriteBmp(first, s);
  const std::int64_t firstEnd = s.Position();
  WriteBmp(second, s);
  s.SetPosition(0);
  EXPECT_TRUE(SameImage(first, ReadBmp(s)));
  EXPECT_EQ(s.Position(), firstEnd);
  EXPECT_EQ(ReadBmp(s).format, pf8bit);
  EXPECT_EQ(s.Position(), s.Size());
}

TEST(BmpRoundTrip, WritesAtTheStreamPositionAndReadsFromIt) {
  TMemoryStream s;
  const std::uint8_t prefix[7] = {1, 2, 3, 4, 5, 6, 7};
  s.WriteBuffer(prefix, sizeof prefix);
  const BitmapImage image = PatternImage(6, 6, pf24bit);
  WriteBmp(image, s);
  s.SetPosition(sizeof prefix);
  EXPECT_TRUE(SameImage(image, ReadBmp(s)));
}

}  // namespace
}  // namespace pictor::bmptest
