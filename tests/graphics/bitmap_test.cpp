#include "host/graphics/bitmap.h"

#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::kAllFormats;
using testing::WhiteBitmap;

std::vector<PALETTEENTRY> EntriesOf(HPALETTE h) {
  std::vector<PALETTEENTRY> e(GetPaletteEntries(h, 0, 0, nullptr));
  GetPaletteEntries(h, 0, static_cast<unsigned>(e.size()), e.data());
  return e;
}

TEST(Bitmap, ANewBitmapIsEmptyInTheDisplayFormatWithoutPalette) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.PixelFormat(), pfDevice);
  EXPECT_EQ(b.Palette(), HPALETTE{});
  EXPECT_STREQ(b.ClassName(), "TBitmap");
}

TEST(Bitmap, ResizeKeepsTheTopLeftAndPaintsNewAreaWhite) {
  for (TPixelFormat f : kAllFormats) {
    auto b = WhiteBitmap(f, 9, 3);
    b->Canvas()->SetPixels(0, 0, clBlack);
    b->Canvas()->SetPixels(8, 2, clBlack);
    b->SetWidth(4);  // cuts off (8, 2)
    b->SetSize(13, 5);
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlack) << PixelFormatName(f);
    EXPECT_EQ(testing::Count(*b, clBlack), 1) << PixelFormatName(f);
    EXPECT_EQ(testing::Count(*b, clWhite), 13 * 5 - 1) << PixelFormatName(f);
    EXPECT_EQ(b->PixelFormat(), f);
  }
}

TEST(Bitmap, WidthThenHeightFromEmptyGivesAWhiteImage) {
  TBitmap b;
  b.SetWidth(100);
  EXPECT_TRUE(b.Empty());
  b.SetHeight(100);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(testing::Count(b, clWhite), 100 * 100);
}

TEST(Bitmap, ReadsOutsideReturnMinusOneAndWritesOutsideDoNothing) {
  for (TPixelFormat f : {pf4bit, pf24bit}) {
    auto b = WhiteBitmap(f, 4, 4);
    b->Canvas()->SetPixels(-1, 0, clBlack);
    b->Canvas()->SetPixels(4, 0, clBlack);
    b->Canvas()->SetPixels(0, 4, clBlack);
    EXPECT_EQ(testing::Count(*b, clWhite), 16);
    EXPECT_EQ(b->Canvas()->Pixels(-1, 0), -1);
    EXPECT_EQ(b->Canvas()->Pixels(0, 4), -1);
  }
}

TEST(Bitmap, IndexedFormatsTakeTheDefaultPaletteOfTheirDepth) {
  auto one = WhiteBitmap(pf1bit, 1, 1);
  EXPECT_EQ(EntriesOf(one->Palette()), (std::vector<PALETTEENTRY>{{0, 0, 0, 0}, {255, 255, 255, 0}}));
  auto four = WhiteBitmap(pf4bit, 1, 1);
  auto e4 = EntriesOf(four->Palette());
  ASSERT_EQ(e4.size(), 16u);
  EXPECT_EQ(e4[1], (PALETTEENTRY{128, 0, 0, 0}));  // VGA order: maroon second
  EXPECT_EQ(e4[15], (PALETTEENTRY{255, 255, 255, 0}));
  auto eight = WhiteBitmap(pf8bit, 1, 1);
  auto e8 = EntriesOf(eight->Palette());
  ASSERT_EQ(e8.size(), 256u);
  EXPECT_EQ(e8[215], (PALETTEENTRY{255, 255, 255, 0}));
  EXPECT_EQ(e8[216], (PALETTEENTRY{6, 6, 6, 0}));
}

TEST(Bitmap, ConvertingToPaletteFormatsUsesTheNearestColour) {
  auto b = WhiteBitmap(pf24bit, 3, 1);
  b->Canvas()->SetPixels(0, 0, RGB(250, 10, 10));   // near red
  b->Canvas()->SetPixels(1, 0, RGB(120, 120, 130));  // near grey
  b->SetPixelFormat(pf4bit);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), clGray);
  EXPECT_EQ(b->Canvas()->Pixels(2, 0), clWhite);
  b->SetPixelFormat(pf1bit);
  EXPECT_EQ(b->Canvas()->Pixels(2, 0), clWhite);
}

TEST(Bitmap, ConversionUsesTheBitmapsOwnPaletteWhenTheDepthCanAddressIt) {
  auto b = WhiteBitmap(pf24bit, 2, 1);
  const std::vector<PALETTEENTRY> two = {{10, 20, 30, 0}, {200, 0, 0, 0}};
  b->SetPalette(handles::AddPalette(two));
  b->Canvas()->SetPixels(0, 0, clRed);
  b->Canvas()->SetPixels(1, 0, clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);  // true colour keeps its pixels
  b->SetPixelFormat(pf4bit);                   // two entries fit four bits
  EXPECT_EQ(EntriesOf(b->Palette()), two);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), RGB(200, 0, 0));
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), RGB(10, 20, 30));
}

TEST(Bitmap, APaletteTooLargeForTheDepthGivesWayToTheDefault) {
  auto b = WhiteBitmap(pf8bit, 1, 1);  // 256 entries
  b->SetPixelFormat(pf1bit);
  EXPECT_EQ(EntriesOf(b->Palette()).size(), 2u);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
}

TEST(Bitmap, ANewPaletteOnAPaletteImageKeepsItsLook) {
  auto b = WhiteBitmap(pf4bit, 2, 1);
  b->Canvas()->SetPixels(0, 0, clNavy);
  const std::vector<PALETTEENTRY> reordered = {{255, 255, 255, 0}, {0, 0, 0, 0}, {0, 0, 128, 0}};
  b->SetPalette(handles::AddPalette(reordered));
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clNavy);
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), clWhite);
}

TEST(Bitmap, TheBitmapOwnsItsPaletteHandle) {
  const std::size_t before = handles::LiveObjectCount();
  {
    auto b = WhiteBitmap(pf24bit, 1, 1);
    HPALETTE first = handles::AddPalette(std::vector<PALETTEENTRY>{{1, 2, 3, 0}});
    b->SetPalette(first);
    EXPECT_EQ(b->Palette(), first);
    b->SetPalette(handles::AddPalette(std::vector<PALETTEENTRY>{{4, 5, 6, 0}}));
    std::uint16_t n = 0;
    EXPECT_EQ(GetObject(first, 2, &n), 0) << "the replaced handle is deleted";
  }
  EXPECT_EQ(handles::LiveObjectCount(), before);
}

TEST(Bitmap, AssignMakesAnIndependentCopyAndNullEmpties) {
  auto a = WhiteBitmap(pf8bit, 5, 4);
  a->Canvas()->SetPixels(2, 2, clRed);
  a->SetTransparent(true);
  a->SetTransparentColor(clRed);
  TBitmap b;
  b.Assign(a.get());
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_NE(b.Palette(), a->Palette());
  EXPECT_EQ(EntriesOf(b.Palette()), EntriesOf(a->Palette()));
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), clRed);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), clRed);
  b.Canvas()->SetPixels(2, 2, clBlack);
  EXPECT_EQ(a->Canvas()->Pixels(2, 2), clRed);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.PixelFormat(), pfDevice);
}

TEST(Bitmap, AssignOntoTheSameSizeAndFormatCopiesIntoTheSamePixelsAndTakesEverySetting) {
  auto a = WhiteBitmap(pf8bit, 5, 4);
  a->SetPalette(CreatePalette(LOGPALETTE{0x300, 2, {{0, 0, 0, 0}, {255, 0, 0, 0}}}));
  a->Canvas()->SetPixels(1, 1, clRed);
  a->SetTransparent(true);
  auto b = WhiteBitmap(pf8bit, 5, 4);
  b->SetTransparentColor(clLime);
  const std::uint8_t* pixels = b->PixelBytes().data();
  b->Assign(a.get());
  EXPECT_EQ(b->PixelBytes().data(), pixels);
  EXPECT_EQ(b->Canvas()->Pixels(1, 1), clRed);
  EXPECT_NE(b->Palette(), a->Palette());
  EXPECT_EQ(EntriesOf(b->Palette()), EntriesOf(a->Palette()));
  EXPECT_TRUE(b->Transparent());
  EXPECT_EQ(b->TransparentMode(), tmAuto);
  b->SetTransparentMode(tmFixed);
  EXPECT_EQ(b->TransparentColor(), clWhite);  // the source's colour, not the old lime
  b->Canvas()->SetPixels(1, 1, clBlack);
  EXPECT_EQ(a->Canvas()->Pixels(1, 1), clRed);
}

TEST(Bitmap, TransparentColorIsTheBottomLeftPixelUntilFixed) {
  auto b = WhiteBitmap(pf24bit, 3, 3);
  b->Canvas()->SetPixels(0, 2, clLime);
  EXPECT_EQ(b->TransparentMode(), tmAuto);
  EXPECT_EQ(b->TransparentColor(), clLime);
  b->SetTransparentColor(clWhite);
  EXPECT_EQ(b->TransparentMode(), tmFixed);
  EXPECT_EQ(b->TransparentColor(), clWhite);
  b->SetIgnorePalette(true);
  EXPECT_TRUE(b->IgnorePalette());
}

TEST(Bitmap, HugeSizesFailClearlyAndLeaveTheBitmapAlone) {
  auto b = WhiteBitmap(pf24bit, 2, 2);
  EXPECT_THROW(b->SetSize(70000, 10), EInvalidGraphicOperation);
  EXPECT_THROW(b->SetSize(60000, 60000), EInvalidGraphicOperation);
  EXPECT_EQ(b->Width(), 2);
  EXPECT_EQ(testing::Count(*b, clWhite), 4);
}

TEST(Bitmap, FifteenAndSixteenBitPixelsReadBackWhiteAndBlackExactly) {
  for (TPixelFormat f : {pf15bit, pf16bit}) {
    auto b = WhiteBitmap(f, 2, 1);
    b->Canvas()->SetPixels(1, 0, clBlack);
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(b->Canvas()->Pixels(1, 0), clBlack);
    b->Canvas()->SetPixels(0, 0, RGB(255, 0, 0));
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clRed);
  }
}

}  // namespace
}  // namespace pictor
