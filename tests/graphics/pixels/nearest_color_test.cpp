// The nearest palette entry agrees with an exhaustive search (squared RGB
// distance, lowest index on ties) for palettes of every kind.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "host/graphics/handle_table.h"
#include "host/graphics/pixels/nearest_color.h"

namespace pictor {
namespace {

int Exhaustive(const std::vector<PALETTEENTRY>& entries, int limit, TColor c) {
  int best = 0, bestDist = INT_MAX;
  const int n = std::min<int>(limit, static_cast<int>(entries.size()));
  for (int i = 0; i < n; ++i) {
    const int dr = entries[i].peRed - GetRValue(c), dg = entries[i].peGreen - GetGValue(c),
              db = entries[i].peBlue - GetBValue(c);
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDist) bestDist = d, best = i;
  }
  return best;
}

std::vector<PALETTEENTRY> Cube() {
  std::vector<PALETTEENTRY> e;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        e.push_back({std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51), 0});
  return e;
}

std::vector<PALETTEENTRY> Random(std::mt19937& rng, int n) {
  std::vector<PALETTEENTRY> e;
  for (int i = 0; i < n; ++i)
    e.push_back({std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0});
  // Duplicates and near-duplicates, so ties happen.
  for (int i = 0; i + 3 < n; i += 7) e[i + 3] = e[i];
  return e;
}

TEST(NearestColor, AgreesWithAnExhaustiveSearch) {
  std::mt19937 rng(7);
  const std::vector<std::vector<PALETTEENTRY>> palettes = {
      Cube(), Random(rng, 256), Random(rng, 16), Random(rng, 2),
      std::vector<PALETTEENTRY>(40, PALETTEENTRY{9, 9, 9, 0})};
  for (const auto& entries : palettes) {
    handles::PaletteData palette{entries, {}};
    for (int limit : {2, 16, 256}) {
      for (int k = 0; k < 20000; ++k) {
        const TColor c = static_cast<TColor>(rng() & 0xFFFFFF);
        ASSERT_EQ(NearestPaletteIndex(palette, limit, c), Exhaustive(entries, limit, c))
            << "colour " << std::hex << c << " limit " << std::dec << limit;
      }
      // A row at a time, as conversions look colours up: runs of one colour
      // and the top byte of the 0x00RRGGBB value ignored, split in two calls.
      std::vector<std::uint32_t> row;
      for (int k = 0; k < 3000; ++k) {
        const std::uint32_t xrgb = rng() & 0xFFFFFF;
        row.insert(row.end(), 1 + rng() % 3, xrgb | (k % 5 == 0 ? 0xFF000000u : 0u));
      }
      std::vector<std::uint8_t> out(row.size());
      std::uint32_t last = 0xFFFFFFFFu, index = 0;
      NearestColorIndex& nearest = NearestIndexFor(palette, limit);
      const int half = static_cast<int>(row.size() / 2);
      nearest.FindRow(row.data(), half, out.data(), &last, &index);
      nearest.FindRow(row.data() + half, static_cast<int>(row.size()) - half, out.data() + half,
                      &last, &index);
      for (std::size_t i = 0; i < row.size(); ++i) {
        const TColor c = RGB(row[i] >> 16 & 255, row[i] >> 8 & 255, row[i] & 255);
        ASSERT_EQ(out[i], Exhaustive(entries, limit, c)) << "row colour " << std::hex << c;
      }
      // Cell corners and the cube's own colours, where ties sit.
      for (int v = 0; v < 256; v += 51)
        for (int w : {0, 7, 8, 25, 26, 255}) {
          const TColor c = RGB(v, w, 255 - w);
          ASSERT_EQ(NearestPaletteIndex(palette, limit, c), Exhaustive(entries, limit, c));
        }
    }
  }
}

}  // namespace
}  // namespace pictor
