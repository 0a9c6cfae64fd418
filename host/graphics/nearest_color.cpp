#include "host/graphics/nearest_color.h"

#include <algorithm>
#include <climits>

namespace pictor {

NearestColorIndex::NearestColorIndex(std::span<const PALETTEENTRY> entries)
    : cells_(32 * 32 * 32) {
  rgb_.reserve(entries.size() * 3);
  for (const PALETTEENTRY& e : entries) {
    rgb_.push_back(e.peRed);
    rgb_.push_back(e.peGreen);
    rgb_.push_back(e.peBlue);
  }
}

NearestColorIndex::Cell NearestColorIndex::Build(unsigned cell) {
  const int lo[3] = {int((cell >> 10) & 31) << 3, int((cell >> 5) & 31) << 3, int(cell & 31) << 3};
  const std::size_t n = rgb_.size() / 3;
  std::vector<int> nearDist(n);
  int bound = INT_MAX;
  for (std::size_t i = 0; i < n; ++i) {
    int dmin = 0;
    int dmax = 0;
    for (int k = 0; k < 3; ++k) {
      int v = rgb_[i * 3 + k];
      int a = lo[k];
      int b = lo[k] + 7;
      int dn = v < a ? a - v : (v > b ? v - b : 0);
      int df = std::max(std::abs(v - a), std::abs(v - b));
      dmin += dn * dn;
      dmax += df * df;
    }
    nearDist[i] = dmin;
    bound = std::min(bound, dmax);
  }
  Cell c;
  c.offset = static_cast<std::uint32_t>(pool_.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (nearDist[i] <= bound) pool_.push_back(static_cast<std::uint8_t>(i));
  }
  c.count = static_cast<std::uint32_t>(pool_.size()) - c.offset;
  cells_[cell] = c;
  return c;
}

int NearestColorIndex::Search(Cell c, int r, int g, int b) const {
  int best = pool_[c.offset];
  int bestDist = INT_MAX;
  for (std::uint32_t k = 0; k < c.count; ++k) {
    int i = pool_[c.offset + k];
    int dr = rgb_[i * 3] - r;
    int dg = rgb_[i * 3 + 1] - g;
    int db = rgb_[i * 3 + 2] - b;
    int d = dr * dr + dg * dg + db * db;
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return best;
}

NearestColorIndex& NearestIndexFor(const gdi::PaletteData& palette, int limit) {
  const int slot = limit <= 2 ? 0 : (limit <= 16 ? 1 : 2);
  const std::size_t cap = slot == 0 ? 2 : (slot == 1 ? 16 : 256);
  auto& index = palette.nearest[slot];
  if (!index) {
    std::size_t n = std::min(cap, palette.entries.size());
    index = std::make_shared<NearestColorIndex>(
        std::span<const PALETTEENTRY>(palette.entries.data(), n));
  }
  return *index;
}

int NearestPaletteIndex(const gdi::PaletteData& palette, int limit, TColor color) {
  if (palette.entries.empty()) return 0;
  return NearestIndexFor(palette, limit).Find(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace pictor
