// The sample picture of the stand-alone program: a 4-bit bitmap carrying the
// 16-colour palette, using its colours.
#include <gtest/gtest.h>

#include <set>

#include "attributes/standard_palettes.h"
#include "host/graphics/canvas.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

std::vector<PALETTEENTRY> Entries(HPALETTE palette) {
  std::uint16_t count = 0;
  GetObject(palette, sizeof count, &count);
  std::vector<PALETTEENTRY> entries(count);
  GetPaletteEntries(palette, 0, count, entries.data());
  return entries;
}

TEST(SamplePicture, IsA4BitBitmapWithThe16ColourPalette) {
  TBitmap sample;
  LoadResourceBitmap(kSamplePicturePath, sample);
  EXPECT_EQ(sample.Width(), 320);
  EXPECT_EQ(sample.Height(), 240);
  EXPECT_EQ(sample.PixelFormat(), pf4bit);

  HPALETTE standard = Palette16();
  auto expected = Entries(standard);
  auto actual = Entries(sample.Palette());
  DeleteObject(standard);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].peRed, expected[i].peRed) << i;
    EXPECT_EQ(actual[i].peGreen, expected[i].peGreen) << i;
    EXPECT_EQ(actual[i].peBlue, expected[i].peBlue) << i;
  }
}

TEST(SamplePicture, ShowsAPictureNotAFlatFill) {
  TBitmap sample;
  LoadResourceBitmap(kSamplePicturePath, sample);
  std::set<TColor> colours;
  for (int y = 0; y < sample.Height(); ++y)
    for (int x = 0; x < sample.Width(); ++x) colours.insert(sample.Canvas()->Pixels(x, y));
  EXPECT_GE(colours.size(), 12u);
}

}  // namespace
}  // namespace pictor
