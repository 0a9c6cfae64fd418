#include "attributes/standard_palettes.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/graphics/canvas.h"
#include "tests/attributes/palette_entries.h"

namespace pictor {
namespace {

TEST(StandardPalettes, MonochromeIsBlackThenWhiteWithNoCollapseFlags) {
  HPALETTE h = MonochromePalette();
  auto e = Entries(h);
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0], (PALETTEENTRY{0, 0, 0, 4}));
  EXPECT_EQ(e[1], (PALETTEENTRY{255, 255, 255, 4}));
  DeleteObject(h);
}

TEST(StandardPalettes, Palette16HasTheTableInOrder) {
  HPALETTE h = Palette16();
  auto e = Entries(h);
  const PALETTEENTRY expected[16] = {
      {0, 0, 0, 4},     {255, 255, 255, 4}, {128, 128, 128, 4}, {192, 192, 192, 4},
      {128, 0, 0, 4},   {255, 0, 0, 4},     {128, 128, 0, 4},   {255, 255, 0, 4},
      {0, 128, 0, 4},   {0, 255, 0, 4},     {0, 128, 128, 4},   {0, 255, 255, 4},
      {0, 0, 128, 4},   {0, 0, 255, 4},     {128, 0, 128, 4},   {255, 0, 255, 4}};
  ASSERT_EQ(e.size(), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(e[i], expected[i]) << "entry " << i;
  DeleteObject(h);
}

TEST(StandardPalettes, WebPaletteIsTheColourCubeRedSlowest) {
  HPALETTE h = WebPalette();
  auto e = Entries(h);
  ASSERT_EQ(e.size(), 216u);
  EXPECT_EQ(e[0], (PALETTEENTRY{0, 0, 0, 0}));
  EXPECT_EQ(e[1], (PALETTEENTRY{0, 0, 51, 0}));
  EXPECT_EQ(e[5], (PALETTEENTRY{0, 0, 255, 0}));
  EXPECT_EQ(e[6], (PALETTEENTRY{0, 51, 0, 0}));
  EXPECT_EQ(e[30], (PALETTEENTRY{0, 255, 0, 0}));
  EXPECT_EQ(e[36], (PALETTEENTRY{51, 0, 0, 0}));
  EXPECT_EQ(e[180], (PALETTEENTRY{255, 0, 0, 0}));
  EXPECT_EQ(e[215], (PALETTEENTRY{255, 255, 255, 0}));
  for (const PALETTEENTRY& p : e) {
    EXPECT_EQ(p.peRed % 51, 0);
    EXPECT_EQ(p.peGreen % 51, 0);
    EXPECT_EQ(p.peBlue % 51, 0);
    EXPECT_EQ(p.peFlags, 0);
  }
  DeleteObject(h);
}

TEST(StandardPalettes, EveryCallGivesANewHandleWithEqualEntries) {
  HPALETTE a = WebPalette(), b = WebPalette();
  EXPECT_NE(a, b);
  EXPECT_EQ(Entries(a), Entries(b));
  DeleteObject(a);
  DeleteObject(b);
}

int PaletteSize(const TBitmap& bitmap) {
  std::uint16_t count = 0;
  GetObject(bitmap.Palette(), sizeof count, &count);
  return count;
}

TEST(StandardPaletteRule, PicksThePaletteByPixelFormat) {
  struct Case {
    TPixelFormat format;
    int entries;
  } cases[] = {{pf1bit, 2},   {pf4bit, 16},   {pf8bit, 216},  {pf15bit, 216},
               {pf16bit, 216}, {pf24bit, 216}, {pf32bit, 216}, {pfDevice, 216}};
  for (const Case& c : cases) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(c.format);
    bitmap.SetSize(3, 2);
    ApplyStandardPalette(bitmap);
    EXPECT_EQ(bitmap.PixelFormat(), c.format) << PixelFormatName(c.format);
    EXPECT_EQ(PaletteSize(bitmap), c.entries) << PixelFormatName(c.format);
  }
}

TEST(StandardPaletteRule, AnEmptyBitmapBecomesFourBitWithPalette16) {
  TBitmap bitmap;
  ApplyStandardPalette(bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
  EXPECT_EQ(PaletteSize(bitmap), 16);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(StandardPaletteRule, AFourBitPictureKeepsItsLookUnderPalette16) {
  // A 4-bit image starts with the VGA-ordered default palette; the standard
  // palette holds the same colours in another order, so the look survives.
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf4bit);
  bitmap.SetSize(4, 1);
  const TColor colours[4] = {clRed, clNavy, clSilver, clGray};
  for (int x = 0; x < 4; ++x) bitmap.Canvas()->SetPixels(x, 0, colours[x]);
  ApplyStandardPalette(bitmap);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Canvas()->Pixels(x, 0), colours[x]);
}

}  // namespace
}  // namespace pictor
