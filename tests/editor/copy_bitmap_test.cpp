#include "editor/copy_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "attributes/standard_palettes.h"
#include "host/graphics/canvas.h"
#include "host/graphics/streams.h"

namespace pictor {
namespace {

TEST(CopyBitmap, CopiesSizeFormatPaletteAndPixelsIndependently) {
  for (TPixelFormat format :
       {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
    TBitmap source;
    source.SetPixelFormat(format);
    source.SetSize(7, 5);
    ApplyStandardPalette(source);
    source.Canvas()->SetPixels(1, 1, clBlack);
    source.Canvas()->SetPixels(6, 4, clBlack);

    TBitmap dest;
    dest.SetSize(2, 2);
    CopyBitmap(&source, &dest);
    EXPECT_EQ(dest.Width(), 7);
    EXPECT_EQ(dest.Height(), 5);
    EXPECT_EQ(dest.PixelFormat(), format) << PixelFormatName(format);
    EXPECT_NE(dest.Palette(), source.Palette());
    std::uint16_t a = 0, b = 0;
    GetObject(source.Palette(), 2, &a);
    GetObject(dest.Palette(), 2, &b);
    EXPECT_EQ(a, b);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x)
        ASSERT_EQ(dest.Canvas()->Pixels(x, y), source.Canvas()->Pixels(x, y)) << x << "," << y;

    // The copy shares nothing: painting one leaves the other.
    dest.Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(source.Canvas()->Pixels(0, 0), clWhite);
  }
}

TEST(CopyBitmap, GivesWhatASaveAndALoadWouldGive) {
  // Every byte random, the row padding and the unused bits included; the
  // copy's own transparency settings stay.
  std::mt19937 random(3);
  for (TPixelFormat format :
       {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
    SCOPED_TRACE(PixelFormatName(format));
    TBitmap source;
    source.SetPixelFormat(format);
    source.SetSize(13, 6);
    ApplyStandardPalette(source);
    for (std::uint8_t& byte : source.PixelBytes()) byte = static_cast<std::uint8_t>(random());
    source.SetTransparentColor(clRed);
    TBitmap loaded, copied;
    for (TBitmap* dest : {&loaded, &copied}) {
      dest->SetTransparent(true);
      dest->SetIgnorePalette(true);
    }
    TMemoryStream stream;
    source.SaveToStream(stream);
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    CopyBitmap(&source, &copied);
    EXPECT_EQ(copied.PixelFormat(), loaded.PixelFormat());
    EXPECT_TRUE(std::ranges::equal(copied.PixelBytes(), loaded.PixelBytes()));
    EXPECT_TRUE(std::ranges::equal(copied.PaletteEntries(), loaded.PaletteEntries()));
    EXPECT_EQ(copied.Transparent(), loaded.Transparent());
    EXPECT_EQ(copied.TransparentMode(), loaded.TransparentMode());
    EXPECT_EQ(copied.IgnorePalette(), loaded.IgnorePalette());
  }
}

TEST(CopyBitmap, AnEmptySourceGivesAnEmptyCopy) {
  TBitmap source, dest;
  dest.SetSize(10, 10);
  CopyBitmap(&source, &dest);
  EXPECT_TRUE(dest.Empty());
}

}  // namespace
}  // namespace pictor
