// Arc, Chord and Pie, and PolyPolygon with both fill modes.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::WhiteBitmap;

class CanvasArcs : public ::testing::TestWithParam<TPixelFormat> {
 protected:
  std::unique_ptr<TBitmap> b = WhiteBitmap(GetParam(), 21, 21);
  TCanvas& c = *b->Canvas();
  void SetUp() override { c.Brush.Color = clRed; }
  int CountIn(int x0, int y0, int x1, int y1, TColor colour) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += c.Pixels(x, y) == colour;
    return n;
  }
};

TEST_P(CanvasArcs, ArcDrawsOnlyTheCounterClockwiseSweep) {
  c.Arc(0, 0, 21, 21, 20, 10, 10, 0);  // from the right edge to the top: upper-right quarter
  EXPECT_GT(CountIn(11, 0, 21, 10, clBlack), 10);
  EXPECT_EQ(CountIn(0, 11, 21, 21, clBlack), 0);
  EXPECT_EQ(CountIn(0, 0, 9, 21, clBlack), 0);
  EXPECT_EQ(CountIn(0, 0, 21, 21, clRed), 0) << "an arc is never filled";
}

TEST_P(CanvasArcs, PieFillsTheSectorAndDrawsItsRadii) {
  c.Pie(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(c.Pixels(15, 5), clRed);
  EXPECT_EQ(c.Pixels(5, 15), clWhite);
  EXPECT_EQ(c.Pixels(5, 5), clWhite);
  EXPECT_EQ(c.Pixels(10, 10), clBlack);  // the centre, where the radii meet
  EXPECT_EQ(c.Pixels(10, 3), clBlack);   // on the vertical radius
  EXPECT_TRUE(c.Pixels(16, 10) == clBlack || c.Pixels(16, 9) == clBlack);  // horizontal radius
}

TEST_P(CanvasArcs, ChordFillsTheSideOfTheChordThatHoldsTheArc) {
  c.Chord(0, 0, 21, 21, 20, 10, 0, 10);  // right to left: the upper half
  EXPECT_EQ(c.Pixels(10, 4), clRed);
  EXPECT_EQ(c.Pixels(10, 15), clWhite);
  EXPECT_EQ(c.Pixels(5, 10), clBlack);  // the chord
  EXPECT_EQ(CountIn(0, 12, 21, 21, clBlack), 0);
}

TEST_P(CanvasArcs, CoincidingRaysGiveTheWholeEllipse) {
  c.Pie(0, 0, 21, 21, 20, 10, 20, 10);
  auto e = WhiteBitmap(GetParam(), 21, 21);
  e->Canvas()->Brush.Color = clRed;
  e->Canvas()->Ellipse(0, 0, 21, 21);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x) ASSERT_EQ(c.Pixels(x, y), e->Canvas()->Pixels(x, y)) << x << "," << y;
}

TEST_P(CanvasArcs, PolyPolygonFillsByTheCanvasFillMode) {
  const TPoint outer_inner[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {5, 5}, {15, 5}, {15, 15}, {5, 15}};
  const int counts[] = {4, 4};
  c.Pen.Style = psClear;
  c.PolyPolygon(outer_inner, counts);
  EXPECT_EQ(c.Pixels(2, 2), clRed);
  EXPECT_EQ(c.Pixels(10, 10), clWhite);  // alternate: the inner square is a hole
  EXPECT_EQ(SetPolyFillMode(c.Handle(), WINDING), ALTERNATE);
  c.PolyPolygon(outer_inner, counts);
  EXPECT_EQ(c.Pixels(10, 10), clRed);  // both wound the same way: filled
}

INSTANTIATE_TEST_SUITE_P(PaletteAndTrueColour, CanvasArcs, ::testing::Values(pf4bit, pf24bit),
                         [](const auto& info) { return std::string(PixelFormatName(info.param)); });

}  // namespace
}  // namespace pictor
