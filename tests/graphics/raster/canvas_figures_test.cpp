// Rectangles, rounded rectangles, ellipses and polygons, to the pixel.
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Dump;
using testing::WhiteBitmap;
using Rows = std::vector<std::string>;

class CanvasFigures : public ::testing::TestWithParam<TPixelFormat> {
 protected:
  std::unique_ptr<TBitmap> b = WhiteBitmap(GetParam(), 8, 6);
  TCanvas& c = *b->Canvas();
  void SetUp() override {
    c.Pen.Color = clBlack;
    c.Brush.Color = clRed;
  }
  // '.' white, '#' black (pen), 'r' red (brush).
  Rows Picture() {
    Rows rows;
    for (int y = 0; y < b->Height(); ++y) {
      std::string row;
      for (int x = 0; x < b->Width(); ++x) {
        TColor p = c.Pixels(x, y);
        row += p == clWhite ? '.' : p == clBlack ? '#' : p == clRed ? 'r' : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }
};

TEST_P(CanvasFigures, RectangleLeavesOutTheRightAndBottomEdge) {
  c.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(), (Rows{"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..",
                             "........"}));
}

TEST_P(CanvasFigures, RectangleCornersMayComeInEitherOrder) {
  c.Rectangle(6, 5, 1, 1);
  Rows reversed = Picture();
  auto other = WhiteBitmap(GetParam(), 8, 6);
  other->Canvas()->Brush.Color = clRed;
  other->Canvas()->Rectangle(1, 5, 6, 1);
  EXPECT_EQ(Dump(*other, clWhite, clBlack), Dump(*b, clWhite, clBlack));
  EXPECT_EQ(reversed, (Rows{"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..",
                            "........"}));
}

TEST_P(CanvasFigures, AClearBrushLeavesTheInteriorAlone) {
  c.SetPixels(3, 2, clLime);
  c.Brush.Style = bsClear;
  c.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(c.Pixels(3, 2), clLime);
  EXPECT_EQ(c.Pixels(2, 3), clWhite);
  EXPECT_EQ(c.Pixels(1, 1), clBlack);
}

TEST_P(CanvasFigures, AClearPenFillsTheWholeFigureWithTheBrush) {
  c.Pen.Style = psClear;
  c.Rectangle(1, 1, 4, 3);
  EXPECT_EQ(Picture(), (Rows{"........", ".rrr....", ".rrr....", "........", "........",
                             "........"}));
}

TEST_P(CanvasFigures, AFigureWithCoincidingCornersDrawsNothing) {
  c.Rectangle(3, 3, 3, 3);
  c.Ellipse(2, 2, 2, 5);
  c.RoundRect(4, 4, 4, 4, 2, 2);
  EXPECT_EQ(testing::Count(*b, clWhite), 48);
}

TEST_P(CanvasFigures, DottedRectangleOutlinesAlternate) {
  c.Pen.Style = psDot;
  c.Brush.Style = bsClear;
  c.Rectangle(0, 0, 8, 6);
  EXPECT_EQ(Picture(), (Rows{"#.#.#.#.", ".......#", "#.......", ".......#", "#.......",
                             ".#.#.#.#"}));
}

TEST_P(CanvasFigures, EllipseIsInscribedInTheBoxLessRightAndBottomEdge) {
  auto big = WhiteBitmap(GetParam(), 12, 9);
  TCanvas& e = *big->Canvas();
  e.Brush.Color = clRed;
  e.Ellipse(1, 1, 11, 8);
  Rows rows;
  for (int y = 0; y < 9; ++y) {
    std::string row;
    for (int x = 0; x < 12; ++x) {
      TColor p = e.Pixels(x, y);
      row += p == clWhite ? '.' : p == clBlack ? '#' : 'r';
    }
    rows.push_back(row);
  }
  EXPECT_EQ(rows, (Rows{"............", "...######...", "..#rrrrrr#..", ".#rrrrrrrr#.",
                        ".#rrrrrrrr#.", ".#rrrrrrrr#.", "..#rrrrrr#..", "...######...",
                        "............"}));
  // The same ellipse from the opposite corners.
  auto again = WhiteBitmap(GetParam(), 12, 9);
  again->Canvas()->Ellipse(11, 8, 1, 1);
  EXPECT_EQ(Dump(*again, clWhite, clBlack)[7], "...######...");
}

TEST_P(CanvasFigures, EllipseOutlineIsConnectedAndSymmetric) {
  auto big = WhiteBitmap(GetParam(), 41, 23);
  big->Canvas()->Brush.Style = bsClear;
  big->Canvas()->Ellipse(0, 0, 41, 23);
  Rows rows = Dump(*big);
  for (int y = 0; y < 23; ++y) {
    std::string mirrored(rows[y].rbegin(), rows[y].rend());
    EXPECT_EQ(rows[y], mirrored) << "row " << y;
    EXPECT_EQ(rows[y], rows[22 - y]) << "row " << y;
  }
  // Every outline pixel has an outline neighbour on each side of the ring (8-connected).
  int pixels = 0;
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 41; ++x) {
      if (rows[y][x] != '#') continue;
      ++pixels;
      int neighbours = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if ((dx || dy) && y + dy >= 0 && y + dy < 23 && x + dx >= 0 && x + dx < 41)
            neighbours += rows[y + dy][x + dx] == '#';
      EXPECT_GE(neighbours, 2) << x << "," << y;
    }
  EXPECT_GT(pixels, 90);
  EXPECT_EQ(rows[0][20], '#');
  EXPECT_EQ(rows[11][0], '#');
  EXPECT_EQ(rows[11][40], '#');
}

TEST_P(CanvasFigures, RoundRectCornersAreCutByTheCornerEllipse) {
  auto big = WhiteBitmap(GetParam(), 40, 20);
  TCanvas& r = *big->Canvas();
  r.Brush.Style = bsClear;
  r.RoundRect(0, 0, 40, 20, 20, 10);
  Rows rows = Dump(*big);
  // Straight edges between the rounded corners, which reach 10 pixels in and 5 down.
  EXPECT_EQ(rows[0].substr(10, 20), std::string(20, '#'));
  EXPECT_EQ(rows[0][5], '.');
  EXPECT_EQ(rows[0][0], '.');
  for (int y = 5; y < 15; ++y) EXPECT_EQ(rows[y][0], '#') << y;
  EXPECT_EQ(rows[2][0], '.');
  EXPECT_EQ(rows[19].substr(10, 20), std::string(20, '#'));
  // With no corner size it is a rectangle; with the whole size an ellipse.
  auto square = WhiteBitmap(GetParam(), 8, 6);
  square->Canvas()->RoundRect(1, 1, 6, 5, 0, 0);
  auto rect = WhiteBitmap(GetParam(), 8, 6);
  rect->Canvas()->Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Dump(*square, clWhite, clBlack), Dump(*rect, clWhite, clBlack));
  auto round = WhiteBitmap(GetParam(), 12, 9);
  round->Canvas()->RoundRect(1, 1, 11, 8, 10, 7);
  auto ellipse = WhiteBitmap(GetParam(), 12, 9);
  ellipse->Canvas()->Ellipse(1, 1, 11, 8);
  EXPECT_EQ(Dump(*round, clWhite, clBlack), Dump(*ellipse, clWhite, clBlack));
}

TEST_P(CanvasFigures, PolygonIsOutlinedThroughItsVerticesAndFilledInside) {
  const TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  c.Polygon(square);
  EXPECT_EQ(Picture(), (Rows{"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..",
                             "........"}));
}

TEST_P(CanvasFigures, PolygonFillsByTheAlternateRule) {
  auto big = WhiteBitmap(GetParam(), 12, 12);
  TCanvas& p = *big->Canvas();
  p.Pen.Style = psClear;
  p.Brush.Color = clBlack;
  // A square wound twice: the alternate rule leaves the doubly covered middle empty.
  const TPoint twice[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                          {2, 2}, {2, 8},  {8, 8},   {8, 2},  {2, 2}};
  p.Polygon(twice);
  EXPECT_EQ(p.Pixels(1, 1), clBlack);
  EXPECT_EQ(p.Pixels(5, 5), clWhite);
  EXPECT_EQ(p.Pixels(9, 9), clBlack);
  EXPECT_EQ(p.Pixels(10, 5), clWhite);  // right edge left out of the fill
}

TEST_P(CanvasFigures, PolygonWithFewerThanTwoPointsDrawsNothing) {
  const TPoint one[] = {{2, 2}};
  c.Polygon(one);
  c.Polyline(one);
  EXPECT_EQ(testing::Count(*b, clWhite), 48);
}

TEST_P(CanvasFigures, FillRectCoversTheRectangleWithTheBrushOnly) {
  c.FillRect(Rect(6, 4, 2, 1));
  EXPECT_EQ(Picture(), (Rows{"........", "..rrrr..", "..rrrr..", "..rrrr..", "........",
                             "........"}));
}

TEST_P(CanvasFigures, Frame3DPaintsTopLeftAndBottomRightAndShrinksTheRect) {
  TRect r = Rect(0, 0, 8, 6);
  Frame3D(&c, r, clBlack, clRed, 2);
  EXPECT_EQ(r, Rect(2, 2, 6, 4));
  EXPECT_EQ(Picture(), (Rows{"#######r", "######rr", "##....rr", "##....rr", "#rrrrrrr",
                             "rrrrrrrr"}));
}

INSTANTIATE_TEST_SUITE_P(PaletteAndTrueColour, CanvasFigures, ::testing::Values(pf4bit, pf24bit),
                         [](const auto& info) { return std::string(PixelFormatName(info.param)); });

}  // namespace
}  // namespace pictor
