// Flood fill on rows wide enough for the whole-word scanning of uniform runs
// and for the rows' bits being worked out piecewise as the search reaches them:
// the result matches a plain pixel-by-pixel search of the 4-connected area.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

// The pixels a 4-connected fill from (x, y) covers: those of `color`
// (surface) or those not of `color` (border), reached through such pixels.
std::vector<bool> Expected(TBitmap& b, int x, int y, TColor color, bool border) {
  const int w = b.Width(), h = b.Height();
  std::vector<bool> in(static_cast<std::size_t>(w) * h, false);
  auto inside = [&](int px, int py) { return (b.Canvas()->Pixels(px, py) == color) != border; };
  if (!inside(x, y)) return in;
  std::vector<std::pair<int, int>> stack{{x, y}};
  in[static_cast<std::size_t>(y) * w + x] = true;
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    for (int k = 0; k < 4; ++k) {
      const int nx = px + dx[k], ny = py + dy[k];
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      const std::size_t at = static_cast<std::size_t>(ny) * w + nx;
      if (in[at] || !inside(nx, ny)) continue;
      in[at] = true;
      stack.push_back({nx, ny});
    }
  }
  return in;
}

class FloodFillWide : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(FloodFillWide, MatchesAPixelByPixelSearch) {
  std::mt19937 rng(11);
  const TColor colours[] = {clWhite, clBlack, clRed, clBlue};
  for (int round = 0; round < 6; ++round) {
    constexpr int kW = 700;
    auto b = testing::WhiteBitmap(GetParam(), kW, 12);
    TCanvas& c = *b->Canvas();
    // Long uniform runs broken by scattered pixels and bars of other colours.
    for (int i = 0; i < 250; ++i)
      c.SetPixels(static_cast<int>(rng() % kW), static_cast<int>(rng() % 12), colours[rng() % 4]);
    c.Brush.Color = clRed;
    // A comb open along the top row: each tooth's inside is reached only
    // from the row above it.
    for (int x = 25; x < kW; x += 50) c.FillRect(TRect{x, 1, x + 1, 12});
    const int bar = 40 + round * 100;
    c.FillRect(TRect{bar, 3, bar + 1 + static_cast<int>(rng() % 250), 9});
    const bool border = round % 2 == 1;
    const TColor target = border ? clRed : clWhite;
    const int sx = 3 + round * 120, sy = round;
    const std::vector<bool> expected = Expected(*b, sx, sy, target, border);
    std::vector<TColor> before;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < kW; ++x) before.push_back(c.Pixels(x, y));
    c.Brush.Color = clLime;
    c.FloodFill(sx, sy, target, border ? fsBorder : fsSurface);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < kW; ++x) {
        const std::size_t at = static_cast<std::size_t>(y) * kW + x;
        ASSERT_EQ(c.Pixels(x, y), expected[at] ? clLime : before[at])
            << "round " << round << " at " << x << "," << y;
      }
  }
}

TEST_P(FloodFillWide, ALonePixelAtTheEndOfAWorkedOutPieceStaysOut) {
  // Rows of one colour are worked out in pieces of 256 pixels at once; the
  // last pixel of a piece must still count on its own.
  auto b = testing::WhiteBitmap(GetParam(), 600, 3);
  TCanvas& c = *b->Canvas();
  for (int x : {255, 511}) c.SetPixels(x, 1, clBlack);
  c.Brush.Color = clLime;
  c.FloodFill(0, 0, clWhite, fsSurface);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 600; ++x)
      ASSERT_EQ(c.Pixels(x, y), y == 1 && (x == 255 || x == 511) ? clBlack : clLime) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Formats, FloodFillWide,
                         ::testing::Values(pf4bit, pf8bit, pf24bit, pf32bit, pf16bit));

}  // namespace
}  // namespace pictor
