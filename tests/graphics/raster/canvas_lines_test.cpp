// Lines, polylines and Bezier curves, to the pixel, on a palette and a true-colour format.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Dump;
using testing::WhiteBitmap;
using Rows = std::vector<std::string>;

class CanvasLines : public ::testing::TestWithParam<TPixelFormat> {
 protected:
  std::unique_ptr<TBitmap> b = WhiteBitmap(GetParam(), 8, 6);
  TCanvas& c = *b->Canvas();
};

TEST_P(CanvasLines, LineToLeavesOutItsEndPixel) {
  c.MoveTo(2, 2);
  c.LineTo(6, 2);
  EXPECT_EQ(Dump(*b), (Rows{"........", "........", "..####..", "........", "........",
                            "........"}));
  EXPECT_EQ(c.PenPos, Point(6, 2));
}

TEST_P(CanvasLines, LinesInEveryDirectionStopOneShortOfTheEnd) {
  c.MoveTo(1, 1);
  c.LineTo(5, 5);  // down-right
  c.MoveTo(6, 5);
  c.LineTo(6, 0);  // up
  c.MoveTo(4, 0);
  c.LineTo(0, 0);  // left
  EXPECT_EQ(Dump(*b), (Rows{".####...", ".#....#.", "..#...#.", "...#..#.", "....#.#.",
                            "......#."}));
}

TEST_P(CanvasLines, ALineOfNoLengthDrawsNothing) {
  c.MoveTo(3, 3);
  c.LineTo(3, 3);
  EXPECT_EQ(testing::Count(*b, clBlack), 0);
}

TEST_P(CanvasLines, LinesLeavingTheBitmapAreCutWithoutHarm) {
  c.MoveTo(-100, 2);
  c.LineTo(100, 2);
  c.MoveTo(-2000000000, -2000000000);
  c.LineTo(2000000000, 2000000000);  // a hostile length finishes at once
  EXPECT_EQ(Dump(*b)[2], "########");
  EXPECT_EQ(c.Pixels(0, 0), clBlack);
  EXPECT_EQ(c.Pixels(5, 5), clBlack);
}

TEST_P(CanvasLines, PolylineJoinsItsPointsAndLeavesOutTheLast) {
  const TPoint pts[] = {{1, 1}, {5, 1}, {5, 4}};
  c.Polyline(pts);
  EXPECT_EQ(Dump(*b), (Rows{"........", ".#####..", ".....#..", ".....#..", "........",
                            "........"}));
}

TEST_P(CanvasLines, WidePensAreRoundAndCoverTheirEnds) {
  auto big = WhiteBitmap(GetParam(), 12, 8);
  TCanvas& w = *big->Canvas();
  w.Pen.Width = 4;
  w.MoveTo(3, 3);
  w.LineTo(8, 3);
  // Discs of four pixels (corners cut) at every point, end point included.
  EXPECT_EQ(Dump(*big), (Rows{"............", "..#######...", ".#########..", ".#########..",
                              "..#######...", "............", "............", "............"}));
  auto two = WhiteBitmap(GetParam(), 6, 4);
  two->Canvas()->Pen.Width = 2;
  two->Canvas()->MoveTo(1, 1);
  two->Canvas()->LineTo(3, 1);
  EXPECT_EQ(Dump(*two), (Rows{"####..", "####..", "......", "......"}));
}

TEST_P(CanvasLines, WidePolylinesHaveRoundJoins) {
  auto big = WhiteBitmap(GetParam(), 10, 10);
  TCanvas& w = *big->Canvas();
  w.Pen.Width = 4;
  const TPoint pts[] = {{2, 2}, {7, 2}, {7, 7}};
  w.Polyline(pts);
  Rows rows = Dump(*big);
  EXPECT_EQ(rows[0], ".#######..");  // the outer corner at the join stays rounded
  EXPECT_EQ(rows[1], "#########.");
  EXPECT_EQ(rows[8], "......##..");
  EXPECT_EQ(rows[9], "..........");
}

TEST_P(CanvasLines, DottedPensDrawEveryOtherPixel) {
  c.Pen.Style = psDot;
  c.MoveTo(0, 1);
  c.LineTo(8, 1);
  EXPECT_EQ(Dump(*b)[1], "#.#.#.#.");
}

TEST_P(CanvasLines, ClearPensDrawNothing) {
  c.Pen.Style = psClear;
  c.MoveTo(0, 1);
  c.LineTo(8, 1);
  EXPECT_EQ(testing::Count(*b, clBlack), 0);
}

TEST_P(CanvasLines, BezierRunsFromTheFirstToTheLastPoint) {
  auto big = WhiteBitmap(GetParam(), 20, 12);
  TCanvas& w = *big->Canvas();
  const TPoint straight[] = {{1, 5}, {6, 5}, {12, 5}, {18, 5}};
  w.PolyBezier(straight);  // control points on the line: a straight segment
  EXPECT_EQ(Dump(*big)[5], ".#################..");
  auto curved = WhiteBitmap(GetParam(), 20, 12);
  const TPoint arch[] = {{1, 10}, {1, 0}, {18, 0}, {18, 10}};
  curved->Canvas()->PolyBezier(arch);
  EXPECT_EQ(curved->Canvas()->Pixels(1, 10), clBlack);
  EXPECT_EQ(curved->Canvas()->Pixels(18, 10), clWhite);  // the end pixel is left out
  EXPECT_EQ(curved->Canvas()->Pixels(9, 3), clBlack);    // the top of the arch
  EXPECT_EQ(curved->Canvas()->Pixels(9, 10), clWhite);
}

INSTANTIATE_TEST_SUITE_P(PaletteAndTrueColour, CanvasLines, ::testing::Values(pf4bit, pf24bit),
                         [](const auto& info) { return std::string(PixelFormatName(info.param)); });

}  // namespace
}  // namespace pictor
