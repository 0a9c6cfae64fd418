// Polygon regions (winding and alternate), offsets and the handle table.
#include <gtest/gtest.h>

#include "host/graphics/handle_table.h"
#include "host/graphics/raster/polygon_scan.h"

namespace pictor {
namespace {

// A square wound twice in the same direction around its middle.
const TPoint kDoubleSquare[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                                {2, 2}, {8, 2},  {8, 8},   {2, 8},  {2, 2}};

TEST(Regions, WindingFillsWhereTheOutlineGoesRoundAtAll) {
  HRGN winding = CreatePolygonRgn(kDoubleSquare, 10, WINDING);
  HRGN alternate = CreatePolygonRgn(kDoubleSquare, 10, ALTERNATE);
  EXPECT_TRUE(PtInRegion(winding, 5, 5));
  EXPECT_FALSE(PtInRegion(alternate, 5, 5));
  EXPECT_TRUE(PtInRegion(winding, 1, 1));
  EXPECT_TRUE(PtInRegion(alternate, 1, 1));
  DeleteObject(winding);
  DeleteObject(alternate);
}

TEST(Regions, PixelCentresDecideAndSharedEdgesNeverOverlap) {
  const TPoint left[] = {{0, 0}, {5, 0}, {5, 4}, {0, 4}};
  const TPoint right[] = {{5, 0}, {9, 0}, {9, 4}, {5, 4}};
  SpanSet a, b;
  ScanPolygon(left, FillRule::EvenOdd, a);
  ScanPolygon(right, FillRule::EvenOdd, b);
  EXPECT_EQ(a.Bounds(), Rect(0, 0, 5, 4));
  EXPECT_EQ(b.Bounds(), Rect(5, 0, 9, 4));
  EXPECT_EQ(a.PixelCount(), 20u);
  EXPECT_TRUE(a.Intersected(b).IsEmpty());
}

TEST(Regions, OffsetMovesEveryPixel) {
  const TPoint tri[] = {{0, 0}, {6, 0}, {0, 6}};
  HRGN rgn = CreatePolygonRgn(tri, 3, WINDING);
  EXPECT_TRUE(PtInRegion(rgn, 0, 0));
  ASSERT_TRUE(OffsetRgn(rgn, 10, -3));
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  EXPECT_TRUE(PtInRegion(rgn, 10, -3));
  EXPECT_TRUE(PtInRegion(rgn, 14, -3));
  EXPECT_FALSE(PtInRegion(rgn, 15, -3));
  DeleteObject(rgn);
  EXPECT_FALSE(OffsetRgn(rgn, 1, 1));
  EXPECT_FALSE(DeleteObject(rgn));
}

TEST(Regions, DegenerateAndHostileOutlinesAreSafe) {
  const TPoint line[] = {{0, 0}, {5, 5}};
  HRGN empty = CreatePolygonRgn(line, 2, WINDING);
  EXPECT_FALSE(PtInRegion(empty, 0, 0));
  DeleteObject(empty);
  const TPoint huge[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
  HRGN big = CreatePolygonRgn(huge, 3, ALTERNATE);  // rows are bounded: finishes quickly
  EXPECT_TRUE(PtInRegion(big, 0, 0));
  DeleteObject(big);
}

TEST(Palettes, HandlesNameTheirEntriesUntilDeleted) {
  LOGPALETTE lp;
  lp.palNumEntries = 3;
  lp.palPalEntry = {{1, 2, 3, 0}, {4, 5, 6, 4}, {7, 8, 9, 0}};
  HPALETTE h = CreatePalette(lp);
  ASSERT_NE(h, HPALETTE{});
  std::uint16_t count = 0;
  EXPECT_EQ(GetObject(h, sizeof count, &count), 2);
  EXPECT_EQ(count, 3);
  PALETTEENTRY e[3];
  EXPECT_EQ(GetPaletteEntries(h, 1, 5, e), 2u);
  EXPECT_EQ(e[0], (PALETTEENTRY{4, 5, 6, 4}));
  EXPECT_EQ(GetPaletteEntries(h, 0, 0, nullptr), 3u);
  HPALETTE copy = CopyPalette(h);
  EXPECT_NE(copy, h);
  EXPECT_TRUE(DeleteObject(h));
  EXPECT_FALSE(DeleteObject(h));
  EXPECT_EQ(GetObject(h, sizeof count, &count), 0);
  EXPECT_EQ(GetPaletteEntries(copy, 0, 0, nullptr), 3u);
  DeleteObject(copy);
}

TEST(Palettes, ARecordWithoutEntriesMakesNoPalette) {
  LOGPALETTE lp;
  EXPECT_EQ(CreatePalette(lp), HPALETTE{});
  lp.palNumEntries = 4;
  lp.palPalEntry.resize(2);  // fewer entries than it claims
  EXPECT_EQ(CreatePalette(lp), HPALETTE{});
}

TEST(Palettes, RegionAndPaletteHandlesDoNotMix) {
  HRGN rgn = CreateRectRgn(0, 0, 2, 2);
  HPALETTE asPalette{static_cast<std::uint32_t>(rgn)};
  EXPECT_FALSE(DeleteObject(asPalette));
  EXPECT_EQ(GetPaletteEntries(asPalette, 0, 0, nullptr), 0u);
  EXPECT_TRUE(DeleteObject(rgn));
}

}  // namespace
}  // namespace pictor
