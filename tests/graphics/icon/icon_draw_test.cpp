// Drawing icons: masks, alpha blending, scaling, mirroring and clipping, on a
// true-colour and a palette canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/icon.h"
#include "host/graphics/raster/spans.h"
#include "tests/graphics/icon/icon_builder.h"
#include "tests/graphics/test_support.h"

namespace pictor::icontest {
namespace {

constexpr TColor kBackground = clTeal;

std::uint32_t Rgb(TColor c) {
  return (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// An icon bitmap showing `colors` (width x height, top row first) at the given depth:
// below 24 bits the table lists the distinct colours; at 32 bits alpha is 0
// everywhere, so the mask decides.
IconBitmap Picture(int bits, int width, int height, const std::vector<TColor>& colors,
            std::vector<std::string> mask = {}) {
  IconBitmap d;
  d.width = width;
  d.height = height;
  d.bitCount = bits;
  d.mask = std::move(mask);
  for (TColor c : colors) {
    if (bits > 8) {
      d.pixels.push_back(Rgb(c));
      continue;
    }
    auto it = std::find(d.colors.begin(), d.colors.end(), Rgb(c));
    if (it == d.colors.end()) it = d.colors.insert(it, Rgb(c));
    d.pixels.push_back(static_cast<std::uint32_t>(it - d.colors.begin()));
  }
  return d;
}

std::unique_ptr<TIcon> IconOf(const IconBitmap& d) {
  auto icon = std::make_unique<TIcon>();
  Load(*icon, IconFile({EntryFor(d)}));
  return icon;
}

std::unique_ptr<TBitmap> Canvas(TPixelFormat format, int width, int height) {
  auto b = testing::WhiteBitmap(format, width, height);
  b->Canvas()->Brush.Color = kBackground;
  b->Canvas()->FillRect(TRect{0, 0, width, height});
  return b;
}

std::vector<TColor> Pixels(TBitmap& b) {
  std::vector<TColor> out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) out.push_back(b.Canvas()->Pixels(x, y));
  return out;
}

// 4 x 2 pictures with a mask: where a mask bit is 1 the background shows.
const std::vector<std::string> kMask = {"0101", "1100"};
const std::vector<TColor> kFour = {clRed, clLime, clBlue, clYellow,
                                   clBlue, clYellow, clRed, clLime};
const std::vector<TColor> kTwo = {clRed, clBlue, clRed, clBlue, clBlue, clRed, clBlue, clRed};

class MaskedDraw : public ::testing::TestWithParam<std::tuple<int, TPixelFormat>> {};

TEST_P(MaskedDraw, MaskedPixelsShowTheCanvas) {
  const auto [bits, format] = GetParam();
  const std::vector<TColor>& colors = bits == 1 ? kTwo : kFour;
  const auto icon = IconOf(Picture(bits, 4, 2, colors, kMask));
  auto target = Canvas(format, 6, 4);
  target->Canvas()->Draw(1, 1, icon.get());

  std::vector<TColor> expected(6 * 4, kBackground);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
      if (kMask[y][x] == '0') expected[(y + 1) * 6 + x + 1] = colors[y * 4 + x];
  EXPECT_EQ(Pixels(*target), expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, MaskedDraw,
                         ::testing::Combine(::testing::Values(1, 4, 8, 24, 32),
                                            ::testing::Values(pf24bit, pf4bit)));

// One row of 32-bit pixels (0xAARRGGBB) with a clear mask.
IconBitmap AlphaRow(const std::vector<std::uint32_t>& argb) {
  IconBitmap d;
  d.width = static_cast<int>(argb.size());
  d.height = 1;
  d.bitCount = 32;
  d.pixels = argb;
  return d;
}

TEST(IconAlpha, BlendsEachChannel) {
  const auto icon = IconOf(AlphaRow({0x00C86432, 0xFFC86432, 0x80C86432, 0x40C86432, 0x01C86432,
                                      0xFEC86432}));
  auto target = Canvas(pf24bit, 6, 1);
  target->Canvas()->Draw(0, 0, icon.get());
  // Over teal (0, 128, 128): (s * a + d * (255 - a) + 127) / 255.
  EXPECT_EQ(Pixels(*target),
            (std::vector<TColor>{kBackground, RGB(200, 100, 50), RGB(100, 114, 89),
                                 RGB(50, 121, 108), RGB(1, 128, 128), RGB(199, 100, 50)}));
}

TEST(IconAlpha, BlendOnPaletteCanvasTakesNearestEntry) {
  const auto icon = IconOf(AlphaRow({0x80FFFFFF, 0x00FFFFFF, 0xFFFFFFFF, 0x80FF0000}));
  auto target = testing::WhiteBitmap(pf4bit, 4, 1);
  target->Canvas()->Brush.Color = clBlack;
  target->Canvas()->FillRect(TRect{0, 0, 4, 1});
  target->Canvas()->Draw(0, 0, icon.get());
  // Half white over black is (128, 128, 128); half red over black (128, 0, 0).
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{clGray, clBlack, clWhite, clMaroon}));
}

TEST(IconAlpha, AlphaOverridesTheMask) {
  IconBitmap d = AlphaRow({0xFF0000FF, 0x000000FF, 0xFF00FF00});
  d.mask = {"101"};
  const auto icon = IconOf(d);
  auto target = Canvas(pf24bit, 3, 1);
  target->Canvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{clBlue, kBackground, clLime}));
}

TEST(IconAlpha, ZeroAlphaEverywhereUsesTheMask) {
  IconBitmap d = AlphaRow({0x000000FF, 0x000000FF, 0x0000FF00});
  d.mask = {"010"};
  const auto icon = IconOf(d);
  auto target = Canvas(pf24bit, 3, 1);
  target->Canvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{clBlue, kBackground, clLime}));
}

// A 2 x 2 opaque picture: red, lime / blue, yellow.
std::unique_ptr<TIcon> Quad() { return IconOf(Picture(24, 2, 2, {clRed, clLime, clBlue, clYellow})); }

TEST(IconDrawScaling, EnlargesByNearestNeighbour) {
  const auto icon = Quad();
  auto target = Canvas(pf24bit, 4, 4);
  target->Canvas()->StretchDraw(TRect{0, 0, 4, 4}, icon.get());
  const TColor R = clRed, L = clLime, B = clBlue, Y = clYellow;
  EXPECT_EQ(Pixels(*target),
            (std::vector<TColor>{R, R, L, L, R, R, L, L, B, B, Y, Y, B, B, Y, Y}));
}

TEST(IconDrawScaling, OddSizesTakeThePixelUnderTheCentre) {
  const auto icon = Quad();
  auto target = Canvas(pf24bit, 4, 1);
  target->Canvas()->StretchDraw(TRect{0, 0, 3, 1}, icon.get());
  target->Canvas()->StretchDraw(TRect{3, 0, 4, 1}, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{clBlue, clYellow, clYellow, clYellow}));
}

TEST(IconDrawScaling, ReversedRectMirrors) {
  const auto icon = Quad();
  auto target = Canvas(pf24bit, 2, 2);
  target->Canvas()->StretchDraw(TRect{2, 2, 0, 0}, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{clYellow, clBlue, clLime, clRed}));
}

TEST(IconDrawScaling, PartlyOutsideTheCanvas) {
  const auto icon = Quad();
  auto target = Canvas(pf24bit, 2, 2);
  target->Canvas()->Draw(-1, 1, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{kBackground, kBackground, clLime, kBackground}));
  target->Canvas()->Draw(5, 5, icon.get());
  target->Canvas()->StretchDraw(TRect{0, 0, 0, 2}, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{kBackground, kBackground, clLime, kBackground}));
}

TEST(IconDrawClip, PixelsOutsideTheClipStay) {
  const auto icon = Quad();
  auto target = Canvas(pf24bit, 3, 2);
  SpanSet clip;
  clip.Add(0, 1, 3);
  clip.Add(1, 0, 1);
  target->Canvas()->SetClipRegion(&clip);
  target->Canvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(Pixels(*target), (std::vector<TColor>{kBackground, clLime, kBackground, clBlue,
                                                  kBackground, kBackground}));
}

TEST(IconDraw, EmptyIconDrawsNothing) {
  TIcon icon;
  auto target = Canvas(pf24bit, 2, 2);
  icon.DrawInto(*target->Canvas(), TRect{0, 0, 2, 2});
  EXPECT_EQ(testing::Count(*target, kBackground), 4);
}

}  // namespace
}  // namespace pictor::icontest
