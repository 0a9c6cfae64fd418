// The eraser and brush tips are the non-white pixels of their option glyphs,
// placed by centring the glyph on the pointer (integer halves).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/graphics/canvas.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

using Offsets = std::set<std::pair<int, int>>;  // (dx, dy) from the pointer

// A solid square covering dx, dy in from..to.
Offsets Square(int from, int to) {
  Offsets result;
  for (int dy = from; dy <= to; ++dy)
    for (int dx = from; dx <= to; ++dx) result.insert({dx, dy});
  return result;
}

// Rows of a round dot: each dy with its dx range.
Offsets Rows(const std::vector<std::pair<std::vector<int>, std::pair<int, int>>>& rows) {
  Offsets result;
  for (const auto& [dys, range] : rows)
    for (int dy : dys)
      for (int dx = range.first; dx <= range.second; ++dx) result.insert({dx, dy});
  return result;
}

struct TipCase {
  std::string glyph;
  int size;
  Offsets tip;
};

std::vector<TipCase> Cases() {
  return {
      {"eraser1", 16, Square(-1, 0)},
      {"brush4", 16, Square(-1, 0)},
      {"eraser2", 16, Square(-2, 1)},
      {"brush5", 16, Square(-2, 1)},
      {"eraser3", 16, Square(-4, 3)},
      {"brush6", 16, Square(-4, 3)},
      {"eraser4", 16, Square(-6, 5)},
      {"brush1", 3, {{0, 0}}},
      {"brush2", 6, Rows({{{-2, 1}, {-1, 0}}, {{-1, 0}, {-2, 1}}})},
      {"brush3", 9, Rows({{{-3, 3}, {-1, 1}}, {{-2, 2}, {-2, 2}}, {{-1, 0, 1}, {-3, 3}}})},
  };
}

TEST(TipGlyphs, NonWhitePixelsAreExactlyTheTip) {
  for (const TipCase& c : Cases()) {
    SCOPED_TRACE(c.glyph);
    TBitmap glyph;
    LoadResourceBitmap(":/glyphs/" + c.glyph + ".bmp", glyph);
    ASSERT_EQ(glyph.Width(), c.size);
    ASSERT_EQ(glyph.Height(), c.size);
    Offsets found;
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x)
        if (glyph.Canvas()->Pixels(x, y) != clWhite)
          found.insert({x - glyph.Width() / 2, y - glyph.Height() / 2});
    EXPECT_EQ(found, c.tip);
  }
}

TEST(TipGlyphs, RoundDotsHaveTheirPixelCounts) {
  // The two round brushes cover 12 and 37 pixels.
  for (auto [name, count] : {std::pair{"brush2", 12}, std::pair{"brush3", 37}}) {
    TBitmap glyph;
    LoadResourceBitmap(std::string(":/glyphs/") + name + ".bmp", glyph);
    int covered = 0;
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x) covered += glyph.Canvas()->Pixels(x, y) != clWhite;
    EXPECT_EQ(covered, count) << name;
  }
}

TEST(TipGlyphs, TipsAreBlackOnWhiteSoThePreviewShowsBlack) {
  for (const TipCase& c : Cases()) {
    TBitmap glyph;
    LoadResourceBitmap(":/glyphs/" + c.glyph + ".bmp", glyph);
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x) {
        TColor colour = glyph.Canvas()->Pixels(x, y);
        ASSERT_TRUE(colour == clWhite || colour == clBlack) << c.glyph << " " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace pictor
