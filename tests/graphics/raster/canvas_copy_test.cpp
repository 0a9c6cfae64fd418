// CopyRect, Draw and StretchDraw: conversion, scaling, mirroring, transparency, clipping.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::WhiteBitmap;

// A 4 x 2 source with four colours in its top row.
std::unique_ptr<TBitmap> Source(TPixelFormat f) {
  auto s = WhiteBitmap(f, 4, 2);
  const TColor top[4] = {clBlack, clRed, clLime, clBlue};
  for (int x = 0; x < 4; ++x) s->Canvas()->SetPixels(x, 0, top[x]);
  return s;
}

class CanvasCopy : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(CanvasCopy, CopyRectConvertsToTheTargetsFormatAndPalette) {
  for (TPixelFormat from : testing::kAllFormats) {
    if (from == pf1bit) continue;  // cannot hold the colours
    auto src = Source(from);
    auto dst = WhiteBitmap(GetParam(), 6, 3);
    dst->Canvas()->CopyRect(Rect(1, 1, 5, 3), src->Canvas(), Rect(0, 0, 4, 2));
    EXPECT_EQ(dst->PixelFormat(), GetParam());
    EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clBlack) << PixelFormatName(from);
    EXPECT_EQ(dst->Canvas()->Pixels(2, 1), clRed) << PixelFormatName(from);
    EXPECT_EQ(dst->Canvas()->Pixels(3, 1), clLime) << PixelFormatName(from);
    EXPECT_EQ(dst->Canvas()->Pixels(4, 1), clBlue) << PixelFormatName(from);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 1), clWhite);
    EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clWhite);
  }
}

TEST_P(CanvasCopy, ColoursMissingFromThePaletteBecomeTheNearestEntry) {
  auto src = WhiteBitmap(pf24bit, 1, 1);
  src->Canvas()->SetPixels(0, 0, RGB(250, 5, 5));
  auto dst = WhiteBitmap(GetParam(), 1, 1);
  dst->Canvas()->CopyRect(Rect(0, 0, 1, 1), src->Canvas(), Rect(0, 0, 1, 1));
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), GetParam() == pf4bit ? clRed : RGB(250, 5, 5));
}

TEST_P(CanvasCopy, StretchDrawScalesByNearestNeighbour) {
  auto src = Source(pf24bit);
  auto dst = WhiteBitmap(GetParam(), 12, 6);
  dst->Canvas()->StretchDraw(Rect(0, 0, 12, 6), src.get());
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 12; ++x)
      ASSERT_EQ(dst->Canvas()->Pixels(x, y), src->Canvas()->Pixels(x / 3, y / 3)) << x << "," << y;
  // Shrinking takes the pixel under each target centre.
  auto small = WhiteBitmap(GetParam(), 2, 1);
  small->Canvas()->CopyRect(Rect(0, 0, 2, 1), src->Canvas(), Rect(0, 0, 4, 1));
  EXPECT_EQ(small->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(small->Canvas()->Pixels(1, 0), clBlue);
}

TEST_P(CanvasCopy, StretchDrawSkipsTheTransparentColour) {
  auto src = Source(pf24bit);
  src->SetTransparentColor(clRed);
  src->SetTransparent(true);
  auto dst = WhiteBitmap(GetParam(), 4, 2);
  dst->Canvas()->Brush.Color = clYellow;
  dst->Canvas()->FillRect(Rect(0, 0, 4, 2));
  dst->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clYellow);
  EXPECT_EQ(dst->Canvas()->Pixels(2, 0), clLime);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clWhite);
  src->SetTransparent(false);
  dst->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clRed);
}

TEST_P(CanvasCopy, DrawPlacesTheTopLeftAndClipsAtTheEdges) {
  auto src = Source(pf8bit);
  auto dst = WhiteBitmap(GetParam(), 5, 3);
  dst->Canvas()->Draw(3, 2, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(3, 2), clBlack);
  EXPECT_EQ(dst->Canvas()->Pixels(4, 2), clRed);
  dst->Canvas()->Draw(-2, -1, src.get());  // only the lower right of the source shows
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clWhite);
}

TEST_P(CanvasCopy, ReversedRectanglesMirror) {
  auto src = Source(pf24bit);
  auto dst = WhiteBitmap(GetParam(), 4, 1);
  dst->Canvas()->CopyRect(Rect(4, 0, 0, 1), src->Canvas(), Rect(0, 0, 4, 1));
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(3, 0), clBlack);
}

TEST_P(CanvasCopy, CopyWithinOneBitmapHandlesOverlap) {
  auto b = Source(GetParam());
  b->Canvas()->CopyRect(Rect(1, 0, 4, 1), b->Canvas(), Rect(0, 0, 3, 1));
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(2, 0), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(3, 0), clLime);
}

TEST_P(CanvasCopy, TheClipRegionLimitsCopies) {
  auto src = Source(pf24bit);
  auto dst = WhiteBitmap(GetParam(), 4, 2);
  const TPoint tri[] = {{0, 0}, {4, 0}, {0, 4}};
  HRGN rgn = CreatePolygonRgn(tri, 3, WINDING);
  SelectClipRgn(dst->Canvas()->Handle(), rgn);
  DeleteObject(rgn);
  dst->Canvas()->Draw(0, 0, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(2, 0), clLime);
  EXPECT_EQ(dst->Canvas()->Pixels(3, 0), clWhite);  // centre (3.5, 0.5) is outside
}

TEST_P(CanvasCopy, SourcePixelsOutsideTheSourceDrawNothing) {
  auto src = Source(pf24bit);
  auto dst = WhiteBitmap(GetParam(), 4, 2);
  dst->Canvas()->Brush.Color = clYellow;
  dst->Canvas()->FillRect(Rect(0, 0, 4, 2));
  dst->Canvas()->CopyRect(Rect(0, 0, 4, 1), src->Canvas(), Rect(2, 0, 6, 1));
  EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clLime);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clBlue);
  EXPECT_EQ(dst->Canvas()->Pixels(2, 0), clYellow);
}

INSTANTIATE_TEST_SUITE_P(PaletteAndTrueColour, CanvasCopy, ::testing::Values(pf4bit, pf24bit),
                         [](const auto& info) { return std::string(PixelFormatName(info.param)); });

}  // namespace
}  // namespace pictor
