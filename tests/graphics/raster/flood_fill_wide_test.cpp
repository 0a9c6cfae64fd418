// Flood fill on rows wide enough for the whole-word scanning of uniform runs
// and for the rows' bits being worked out piecewise as the search reaches them:
// the result matches a plain pixel-by-pixel search of the 4-connected area,
// both when the search reads the area from the pixels (an unclipped fill
// whose colour leaves the area) and when it keeps a bit per pixel.
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
  for (int round = 0; round < 8; ++round) {
    constexpr int kW = 701;  // an odd width: 1- and 4-bit rows end inside a byte
    auto b = testing::WhiteBitmap(GetParam(), kW, 12);
    TCanvas& c = *b->Canvas();
    // Stored 32-bit pixels may carry a fourth byte: runs of one colour whose
    // bytes differ.
    if (GetParam() == pf32bit)
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < kW; x += 1 + static_cast<int>(rng() % 90))
          b->ScanLine(y)[4 * x + 3] = 0xFF;
    // Long uniform runs broken by scattered pixels and bars of other colours.
    for (int i = 0; i < 250; ++i)
      c.SetPixels(static_cast<int>(rng() % kW), static_cast<int>(rng() % 12), colours[rng() % 4]);
    c.Brush.Color = clRed;
    // A comb open along the top row: each tooth's inside is reached only
    // from the row above it.
    for (int x = 25; x < kW; x += 50) c.FillRect(TRect{x, 1, x + 1, 12});
    const int bar = 40 + round * 80;
    c.FillRect(TRect{bar, 3, bar + 1 + static_cast<int>(rng() % 250), 9});
    const bool border = round % 2 == 1;
    const TColor target = border ? clRed : clWhite;
    const int sx = 3 + round * 85, sy = round;
    const std::vector<bool> expected = Expected(*b, sx, sy, target, border);
    std::vector<TColor> before;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < kW; ++x) before.push_back(c.Pixels(x, y));
    // Lime is in the area of a border fill, red (the border) is not; a clip
    // over the whole image keeps the fill's own record of the pixels taken.
    c.Brush.Color = border && round % 4 == 3 ? clRed : clLime;
    SpanSet everywhere;
    everywhere.AddRect(TRect{0, 0, kW, 12});
    if (round % 4 == 2) c.SetClipRegion(&everywhere);
    c.FloodFill(sx, sy, target, border ? fsBorder : fsSurface);
    c.SetClipRegion(nullptr);
    // The brush's colour as the format stores it.
    auto probe = testing::WhiteBitmap(GetParam(), 1, 1);
    probe->Canvas()->SetPixels(0, 0, c.Brush.Color);
    const TColor painted = probe->Canvas()->Pixels(0, 0);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < kW; ++x) {
        const std::size_t at = static_cast<std::size_t>(y) * kW + x;
        ASSERT_EQ(c.Pixels(x, y), expected[at] ? painted : before[at])
            << "round " << round << " at " << x << "," << y;
      }
  }
}

TEST_P(FloodFillWide, ALonePixelAtTheEndOfAWorkedOutPieceStaysOut) {
  // Rows of one colour are worked out in pieces of 256 pixels at once; the
  // last pixel of a piece must still count on its own.
  // Two colours only: the fill's colour would be the lone pixels' own.
  if (GetParam() == pf1bit) GTEST_SKIP();
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
                         ::testing::Values(pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit,
                                           pf32bit));

}  // namespace
}  // namespace pictor
