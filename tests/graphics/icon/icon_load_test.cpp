// Loading icon files: the image shown, sizes, saving the bytes unchanged,
// copies and conversions.
#include <gtest/gtest.h>

#include <cstdio>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/icon.h"
#include "host/graphics/streams.h"
#include "tests/graphics/icon/icon_builder.h"

namespace pictor::icontest {
namespace {

// An icon bitmap of one colour (index 1 below 24 bits, whose table entry is `color`).
IconBitmap Solid(int width, int height, int bits, std::uint32_t color) {
  IconBitmap d;
  d.width = width;
  d.height = height;
  d.bitCount = bits;
  if (bits <= 8) d.colors = {0x000000, color};
  const std::uint32_t value = bits <= 8 ? 1 : (bits == 32 ? 0xFF000000 | color : color);
  d.pixels.assign(static_cast<std::size_t>(width) * height, value);
  return d;
}

// The colour of the shown picture at (x, y), as 0xAARRGGBB.
std::uint32_t PictureAt(const TIcon& icon, int x, int y) {
  const std::uint8_t* p = icon.Picture().Row(y) + 4 * x;
  return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) |
         p[0];
}

TEST(IconLoad, ShowsTheLargestImage) {
  TIcon icon;
  Load(icon, IconFile({EntryFor(Solid(16, 16, 8, 0x112233)), EntryFor(Solid(32, 32, 4, 0x445566)),
                       EntryFor(Solid(24, 24, 32, 0x778899))}));
  EXPECT_EQ(icon.ImageCount(), 3);
  EXPECT_EQ(icon.ShownImage(), 1);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(PictureAt(icon, 31, 31), 0xFF445566u);
}

TEST(IconLoad, TakesTheDeepestOfTheLargest) {
  TIcon icon;
  Load(icon, IconFile({EntryFor(Solid(32, 32, 4, 0x000001)), EntryFor(Solid(32, 32, 32, 0x000002)),
                       EntryFor(Solid(32, 32, 24, 0x000003)), EntryFor(Solid(16, 16, 32, 4))}));
  EXPECT_EQ(icon.ShownImage(), 1);
  EXPECT_EQ(PictureAt(icon, 0, 0), 0xFF000002u);
}

TEST(IconLoad, ComparesByAreaThenDepth) {
  // 64 x 16 and 32 x 32 have the same area: the deeper one is shown.
  TIcon icon;
  Load(icon, IconFile({EntryFor(Solid(64, 16, 8, 0x000001)), EntryFor(Solid(32, 32, 24, 2)),
                       EntryFor(Solid(48, 16, 32, 3))}));
  EXPECT_EQ(icon.ShownImage(), 1);
  EXPECT_EQ(icon.Width(), 32);
}

TEST(IconLoad, TakesTheFirstOfEqualImages) {
  TIcon icon;
  Load(icon, IconFile({EntryFor(Solid(8, 8, 24, 0x0000AA)), EntryFor(Solid(8, 8, 24, 0x0000BB))}));
  EXPECT_EQ(icon.ShownImage(), 0);
  EXPECT_EQ(PictureAt(icon, 0, 0), 0xFF0000AAu);
}

TEST(IconLoad, DirectoryDepthIsIgnored) {
  // The directory claims 32 bits for the 1-bit image: the image header decides.
  Entry wrong = EntryFor(Solid(16, 16, 1, 0x000001));
  wrong.bitCount = 32;
  wrong.colorCount = 7;
  wrong.planes = 0;
  TIcon icon;
  Load(icon, IconFile({wrong, EntryFor(Solid(16, 16, 8, 0x000002))}));
  EXPECT_EQ(icon.ShownImage(), 1);
}

TEST(IconLoad, SizeByteZeroMeans256) {
  TIcon icon;
  Load(icon, IconFile({EntryFor(Solid(256, 256, 1, 0xFF0000)), EntryFor(Solid(48, 48, 32, 1))}));
  EXPECT_EQ(icon.ShownImage(), 0);
  EXPECT_EQ(icon.Width(), 256);
  EXPECT_EQ(icon.Height(), 256);
  EXPECT_EQ(PictureAt(icon, 255, 0), 0xFFFF0000u);
}

TEST(IconLoad, SizeByteZeroAcceptsLargerPng) {
  Entry e;
  e.data = Png(300, 260, std::vector<std::uint32_t>(300 * 260, 0x80102030));
  TIcon icon;
  Load(icon, IconFile({e}));
  EXPECT_EQ(icon.Width(), 300);
  EXPECT_EQ(icon.Height(), 260);
  EXPECT_EQ(PictureAt(icon, 299, 259), 0x80102030u);
}

TEST(IconLoad, WhatOtherWritersEmitIsRead) {
  // The image's own header decides its size, whatever the directory says.
  Entry wrongSize = EntryFor(Solid(16, 16, 8, 0x0000AA));
  wrongSize.height = 32;
  wrongSize.width = 0;
  Entry png;
  png.data = Png(4, 4, std::vector<std::uint32_t>(16, 0xFF00FF00));
  png.width = png.height = 3;
  for (const Entry& entry : {wrongSize, png}) {
    TIcon icon;
    Load(icon, IconFile({entry}));
    EXPECT_EQ(icon.Height(), entry.data == png.data ? 4 : 16);
  }

  // A 32-bit image without its mask: the alpha channel is the whole mask.
  IconBitmap noMask = Solid(4, 2, 32, 0x123456);
  noMask.pixels[0] = 0x00123456;
  noMask.cutBytes = 2 * 4;  // the two mask rows
  TIcon icon;
  Load(icon, IconFile({EntryFor(noMask)}));
  EXPECT_EQ(PictureAt(icon, 0, 0), 0x00123456u);
  EXPECT_EQ(PictureAt(icon, 3, 1), 0xFF123456u);

  // A PNG file named as an icon is an icon of that one image, saved unchanged.
  TIcon favicon;
  Load(favicon, png.data);
  EXPECT_EQ(favicon.ImageCount(), 1);
  EXPECT_EQ(PictureAt(favicon, 3, 3), 0xFF00FF00u);
  EXPECT_EQ(Saved(favicon), png.data);
}

TEST(IconLoad, AcceptsCursors) {
  Entry e = EntryFor(Solid(4, 4, 24, 0x00FF00));
  e.planes = 2;  // hot spot (2, 3)
  e.bitCount = 3;
  TIcon icon;
  Load(icon, IconFile({e}, 2));
  EXPECT_EQ(icon.Width(), 4);
  EXPECT_EQ(PictureAt(icon, 1, 1), 0xFF00FF00u);
}

TEST(IconLoad, ReadsRowsBottomUp) {
  IconBitmap d = Solid(2, 3, 24, 0);
  d.pixels = {0x000001, 0x000002, 0x000003, 0x000004, 0x000005, 0x000006};
  TIcon icon;
  Load(icon, IconFile({EntryFor(d)}));
  EXPECT_EQ(PictureAt(icon, 0, 0), 0xFF000001u);
  EXPECT_EQ(PictureAt(icon, 1, 0), 0xFF000002u);
  EXPECT_EQ(PictureAt(icon, 1, 2), 0xFF000006u);
}

TEST(IconLoad, IndicesPastTheTableAreBlack) {
  IconBitmap d = Solid(2, 1, 8, 0);
  d.colors = {0x123456, 0x654321};
  d.pixels = {1, 200};
  TIcon icon;
  Load(icon, IconFile({EntryFor(d)}));
  EXPECT_EQ(PictureAt(icon, 0, 0), 0xFF654321u);
  EXPECT_EQ(PictureAt(icon, 1, 0), 0xFF000000u);
}

TEST(IconLoad, LargerHeadersAreAccepted) {
  IconBitmap d = Solid(3, 2, 24, 0xABCDEF);
  d.headerSize = 124;
  TIcon icon;
  Load(icon, IconFile({EntryFor(d)}));
  EXPECT_EQ(PictureAt(icon, 2, 1), 0xFFABCDEFu);
}

TEST(IconLoad, TrueColourTableIsSkipped) {
  IconBitmap d = Solid(2, 2, 24, 0x0A0B0C);
  d.colors = {0xFFFFFF, 0x000000, 0x808080};
  TIcon icon;
  Load(icon, IconFile({EntryFor(d)}));
  EXPECT_EQ(PictureAt(icon, 1, 1), 0xFF0A0B0Cu);
}

TEST(IconLoad, ManyEntriesLoadQuickly) {
  // 65535 entries that all point at one image.
  const Bytes image = Solid(2, 2, 24, 0x010203).Build();
  Bytes file;
  Add16(file, 0);
  Add16(file, 1);
  Add16(file, 65535);
  const std::uint32_t offset = 6 + 16 * 65535;
  for (int i = 0; i < 65535; ++i) {
    for (int b : {2, 2, 0, 0, 1, 0, 24, 0}) file.push_back(static_cast<std::uint8_t>(b));
    Add32(file, static_cast<std::uint32_t>(image.size()));
    Add32(file, offset);
  }
  file.insert(file.end(), image.begin(), image.end());
  TIcon icon;
  Load(icon, file);
  EXPECT_EQ(icon.ImageCount(), 65535);
  EXPECT_EQ(icon.ShownImage(), 0);
  EXPECT_EQ(Saved(icon), file);
}

TEST(IconSave, WritesTheFileUnchanged) {
  Bytes file = IconFile({EntryFor(Solid(16, 16, 4, 0x112233)), EntryFor(Solid(8, 8, 32, 1))});
  file.push_back(0x5A);  // trailing bytes are kept too
  TIcon icon;
  Load(icon, file);
  EXPECT_EQ(Saved(icon), file);
}

TEST(IconSave, ReadsTheRestOfTheStream) {
  const Bytes file = IconFile({EntryFor(Solid(2, 2, 24, 0x445566))});
  TMemoryStream stream;
  stream.WriteBuffer("prefix", 6);
  stream.WriteBuffer(file.data(), file.size());
  stream.SetPosition(6);
  TIcon icon;
  icon.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(Saved(icon), file);
}

TEST(IconSave, EmptyIconHasNothingToSave) {
  TIcon icon;
  TMemoryStream stream;
  EXPECT_THROW(icon.SaveToStream(stream), EInvalidGraphicOperation);
  EXPECT_EQ(stream.Size(), 0);
}

TEST(IconSave, FileRoundTrip) {
  const Bytes file = IconFile({EntryFor(Solid(5, 3, 8, 0x998877))});
  TIcon icon;
  Load(icon, file);
  const std::string path = ::testing::TempDir() + "icon_round_trip.ico";
  icon.SaveToFile(path);
  TIcon again;
  again.LoadFromFile(path);
  EXPECT_EQ(Saved(again), file);
  EXPECT_EQ(again.Width(), 5);
  std::remove(path.c_str());
}

TEST(IconGraphic, ClassAndNewInstance) {
  TIcon icon;
  EXPECT_STREQ(icon.ClassName(), "TIcon");
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 0);
  EXPECT_EQ(icon.ImageCount(), 0);
  EXPECT_EQ(icon.ShownImage(), -1);
  EXPECT_TRUE(icon.Picture().empty());
  auto other = icon.NewInstance();
  EXPECT_STREQ(other->ClassName(), "TIcon");
  EXPECT_TRUE(other->Empty());
}

TEST(IconGraphic, AssignCopiesAndNullEmpties) {
  const Bytes file = IconFile({EntryFor(Solid(3, 3, 24, 0x0000FF))});
  TIcon a;
  Load(a, file);
  TIcon b;
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(Saved(b), file);
  a.Assign(nullptr);
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(Saved(b), file);  // the copy does not depend on the source
  b.Assign(&b);
  EXPECT_EQ(b.Width(), 3);
}

TEST(IconGraphic, AssignFromBitmapThrowsAndKeepsIcon) {
  const Bytes file = IconFile({EntryFor(Solid(3, 3, 24, 0x0000FF))});
  TIcon icon;
  Load(icon, file);
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  EXPECT_THROW(icon.Assign(&bitmap), EInvalidGraphicOperation);
  EXPECT_EQ(Saved(icon), file);
}

TEST(IconGraphic, BitmapTakesThePictureOverWhite) {
  IconBitmap d = Solid(2, 2, 24, 0x0000FF);
  d.mask = {"01", "00"};
  TIcon icon;
  Load(icon, IconFile({EntryFor(d)}));
  TBitmap bitmap;
  bitmap.Assign(&icon);
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlue);

  TIcon empty;
  bitmap.Assign(&empty);
  EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
}  // namespace pictor::icontest
