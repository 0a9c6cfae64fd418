// Flood fill, XOR drawing, regions and clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Dump;
using testing::WhiteBitmap;
using Rows = std::vector<std::string>;

class CanvasFill : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(CanvasFill, FloodFillFillsTheFourConnectedAreaOfOneColour) {
  auto b = WhiteBitmap(GetParam(), 7, 5);
  TCanvas& c = *b->Canvas();
  // A closed box, and a diagonal gap that a 4-connected fill cannot pass.
  const char* picture[] = {"..#....", ".#.#...", "#...#..", ".#.#...", "..#...."};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      if (picture[y][x] == '#') c.SetPixels(x, y, clBlack);
  c.Brush.Color = clBlack;
  c.FloodFill(2, 2, clWhite, fsSurface);
  EXPECT_EQ(Dump(*b), (Rows{"..#....", ".###...", "#####..", ".###...", "..#...."}));
}

TEST_P(CanvasFill, FloodFillOnAPixelOfAnotherColourDoesNothing) {
  auto b = WhiteBitmap(GetParam(), 4, 4);
  b->Canvas()->Brush.Color = clBlack;
  b->Canvas()->FloodFill(1, 1, clRed, fsSurface);
  b->Canvas()->FloodFill(9, 9, clWhite, fsSurface);
  EXPECT_EQ(testing::Count(*b, clWhite), 16);
}

TEST_P(CanvasFill, FloodFillWithTheSameColourChangesNothingAndEnds) {
  auto b = WhiteBitmap(GetParam(), 30, 20);
  b->Canvas()->Brush.Color = clWhite;
  b->Canvas()->FloodFill(5, 5, clWhite, fsSurface);
  EXPECT_EQ(testing::Count(*b, clWhite), 600);
}

TEST_P(CanvasFill, FloodFillCoversLargeWindingAreas) {
  // A comb: the fill must go down every tooth and back up.
  auto b = WhiteBitmap(GetParam(), 65, 40);
  TCanvas& c = *b->Canvas();
  for (int x = 1; x < 65; x += 2) {
    c.MoveTo(x, x % 4 == 1 ? 0 : 1);
    c.LineTo(x, x % 4 == 1 ? 39 : 40);
  }
  c.Brush.Color = clRed;
  c.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(testing::Count(*b, clWhite), 0);
}

TEST_P(CanvasFill, BorderFillStopsAtTheBorderColour) {
  auto b = WhiteBitmap(GetParam(), 6, 6);
  TCanvas& c = *b->Canvas();
  c.Brush.Style = bsClear;
  c.Rectangle(0, 0, 5, 5);
  c.SetPixels(2, 2, clRed);
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBlack;
  c.FloodFill(1, 1, clBlack, fsBorder);
  EXPECT_EQ(Dump(*b), (Rows{"#####.", "#####.", "#####.", "#####.", "#####.", "......"}));
}

TEST_P(CanvasFill, XorPenUndoesItselfWhenDrawnTwice) {
  auto b = WhiteBitmap(GetParam(), 20, 12);
  TCanvas& c = *b->Canvas();
  c.Pen.Width = 1;
  c.Brush.Color = clLime;
  c.Rectangle(2, 2, 9, 9);
  c.SetPixels(15, 5, clNavy);
  std::vector<TColor> before;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) before.push_back(c.Pixels(x, y));
  c.Pen.Mode = pmXor;
  c.Pen.Color = clRed;
  c.Brush.Color = clBlue;
  auto drawAll = [&] {
    c.MoveTo(0, 0);
    c.LineTo(19, 11);
    c.Rectangle(5, 1, 18, 10);
    c.Ellipse(1, 3, 12, 11);
    const TPoint star[] = {{2, 10}, {10, 0}, {18, 10}, {0, 4}, {19, 4}};
    c.Polygon(star);
    c.Pen.Width = 3;
    c.MoveTo(3, 8);
    c.LineTo(16, 2);
    c.Pen.Width = 1;
  };
  drawAll();
  bool changed = false;
  for (int i = 0; i < 240; ++i) changed |= c.Pixels(i % 20, i / 20) != before[i];
  EXPECT_TRUE(changed);
  drawAll();
  for (int i = 0; i < 240; ++i) ASSERT_EQ(c.Pixels(i % 20, i / 20), before[i]) << i;
}

TEST_P(CanvasFill, InvertRgnTwiceRestoresAndOnceInverts) {
  auto b = WhiteBitmap(GetParam(), 10, 10);
  TCanvas& c = *b->Canvas();
  c.SetPixels(4, 4, clBlack);
  const TPoint tri[] = {{0, 0}, {9, 0}, {0, 9}};
  HRGN rgn = CreatePolygonRgn(tri, 3, WINDING);
  ASSERT_TRUE(InvertRgn(c.Handle(), rgn));
  EXPECT_EQ(c.Pixels(1, 1), clBlack);   // white inverted
  EXPECT_EQ(c.Pixels(8, 8), clWhite);   // outside the region
  EXPECT_EQ(c.Pixels(4, 4), clBlack);   // on the diagonal edge: outside (centre on the edge)
  c.SetPixels(2, 2, clBlack);
  InvertRgn(c.Handle(), rgn);
  EXPECT_EQ(c.Pixels(1, 1), clWhite);
  EXPECT_EQ(c.Pixels(2, 2), clWhite);   // black inverted to white
  DeleteObject(rgn);
  EXPECT_FALSE(InvertRgn(c.Handle(), rgn));
}

TEST_P(CanvasFill, AClipRegionLimitsEveryDrawingOperation) {
  auto b = WhiteBitmap(GetParam(), 10, 6);
  TCanvas& c = *b->Canvas();
  HRGN clip = CreateRectRgn(2, 1, 5, 4);
  ASSERT_TRUE(SelectClipRgn(c.Handle(), clip));
  DeleteObject(clip);  // the canvas keeps its own copy
  c.Brush.Color = clBlack;
  c.Rectangle(0, 0, 10, 6);
  c.SetPixels(0, 0, clBlack);
  c.FloodFill(7, 5, clWhite, fsSurface);
  EXPECT_EQ(Dump(*b), (Rows{"..........", "..###.....", "..###.....", "..###.....", "..........",
                            ".........."}));
  SelectClipRgn(c.Handle(), HRGN{});
  c.SetPixels(0, 0, clBlack);
  EXPECT_EQ(c.Pixels(0, 0), clBlack);
}

TEST_P(CanvasFill, AnImageKnownToBeOfOneColourForgetsItAtEveryWrite) {
  // A fill of an image known to be of one colour writes it whole without
  // searching it. Every other write must end that knowledge, or the next
  // fill would paint over it: each result must equal the searched fill of a
  // copy, which knows nothing.
  using Write = std::function<void(TBitmap&)>;
  TBitmap other;
  const std::vector<std::pair<const char*, Write>> writes = {
      {"none", [](TBitmap&) {}},
      {"canvas", [](TBitmap& b) { b.Canvas()->SetPixels(3, 2, clRed); }},
      {"filled part", [](TBitmap& b) { b.Canvas()->FillRect(Rect(0, 3, 9, 4)); }},
      {"scan line", [](TBitmap& b) { b.ScanLine(2)[0] ^= 0x5A; }},
      {"pixel bytes", [](TBitmap& b) { b.PixelBytes()[b.RowBytes() + 1] ^= 0x5A; }},
      {"resize", [](TBitmap& b) { b.SetSize(40, 12); }},
      {"swap", [&](TBitmap& b) { EXPECT_TRUE(b.SwapPixels(other, Rect(0, 0, 1, 1))); }},
  };
  for (const auto& [name, write] : writes) {
    SCOPED_TRACE(name);
    auto b = WhiteBitmap(GetParam(), 37, 9);
    TCanvas& c = *b->Canvas();
    EXPECT_EQ(b->UniformRect(), Rect(0, 0, 37, 9));  // new, white throughout
    c.Brush.Color = clBlack;
    c.FloodFill(36, 8, clWhite, fsSurface);
    EXPECT_EQ(b->UniformRect(), Rect(0, 0, 37, 9));
    other.Assign(b.get());
    other.Canvas()->SetPixels(0, 0, clRed);
    c.Brush.Color = clBlue;
    write(*b);
    TBitmap copy;
    copy.Assign(b.get());
    c.Brush.Color = clRed;
    c.FloodFill(5, 5, clBlack, fsSurface);
    copy.Canvas()->Brush.Color = clRed;
    copy.Canvas()->FloodFill(5, 5, clBlack, fsSurface);
    EXPECT_TRUE(
        std::ranges::equal(std::as_const(*b).PixelBytes(), std::as_const(copy).PixelBytes()));
  }
  // A clipped or XOR fill is not of one colour.
  auto b = WhiteBitmap(GetParam(), 8, 8);
  b->Canvas()->Pen.Mode = pmXor;
  b->Canvas()->FillRect(Rect(0, 0, 8, 8));
  EXPECT_TRUE(b->UniformRect().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(PaletteAndTrueColour, CanvasFill, ::testing::Values(pf4bit, pf24bit),
                         [](const auto& info) { return std::string(PixelFormatName(info.param)); });

TEST(CanvasXor, EveryPixelFormatUndoesXorAndInvert) {
  for (TPixelFormat f : testing::kAllFormats) {
    auto b = WhiteBitmap(f, 9, 9);
    TCanvas& c = *b->Canvas();
    c.SetPixels(3, 3, clRed);
    c.SetPixels(4, 4, clGray);
    std::vector<TColor> before;
    for (int i = 0; i < 81; ++i) before.push_back(c.Pixels(i % 9, i / 9));
    c.Pen.Mode = pmXor;
    c.Pen.Color = clYellow;
    c.Brush.Color = clTeal;
    for (int round = 0; round < 2; ++round) {
      c.Ellipse(0, 0, 9, 9);
      const TPoint tri[] = {{0, 8}, {4, 0}, {8, 8}};
      HRGN rgn = CreatePolygonRgn(tri, 3, ALTERNATE);
      InvertRgn(c.Handle(), rgn);
      DeleteObject(rgn);
    }
    for (int i = 0; i < 81; ++i) ASSERT_EQ(c.Pixels(i % 9, i / 9), before[i]) << PixelFormatName(f);
  }
}

TEST(CanvasXor, PaletteFormatsXorTheIndicesTrueColourTheRgbValues) {
  auto pal = WhiteBitmap(pf4bit, 1, 1);  // default palette: white is index 15
  pal->Canvas()->Pen.Mode = pmXor;
  pal->Canvas()->Pen.Color = clMaroon;  // index 1
  pal->Canvas()->MoveTo(0, 0);
  pal->Canvas()->LineTo(1, 0);
  EXPECT_EQ(pal->Canvas()->Pixels(0, 0), clAqua);  // 15 ^ 1 = 14
  auto rgb = WhiteBitmap(pf24bit, 1, 1);
  rgb->Canvas()->Pen.Mode = pmXor;
  rgb->Canvas()->Pen.Color = clMaroon;
  rgb->Canvas()->MoveTo(0, 0);
  rgb->Canvas()->LineTo(1, 0);
  EXPECT_EQ(rgb->Canvas()->Pixels(0, 0), RGB(255 ^ 128, 255, 255));
}

}  // namespace
}  // namespace pictor
