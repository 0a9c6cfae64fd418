#include "host/graphics/pixels/nearest_color.h"

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

// Entry j beats entry i everywhere in the cell starting at lo: nearer, or as
// near with the lower index. The difference of the squared distances is linear
// in the colour, so it keeps its sign over the cell when it does at the corners.
bool NearestColorIndex::Dominates(int j, int i, const int lo[3]) const {
  for (int corner = 0; corner < 8; ++corner) {
    int di = 0, dj = 0;
    for (int k = 0; k < 3; ++k) {
      const int v = lo[k] + ((corner >> k) & 1) * 7;
      const int a = rgb_[i * 3 + k] - v, b = rgb_[j * 3 + k] - v;
      di += a * a;
      dj += b * b;
    }
    if (dj > di || (dj == di && j > i)) return false;
  }
  return true;
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
  std::vector<int> near;
  for (std::size_t i = 0; i < n; ++i)
    if (nearDist[i] <= bound) near.push_back(static_cast<int>(i));
  const std::uint32_t first = static_cast<std::uint32_t>(pool_.size());
  for (int i : near) {
    bool dominated = false;
    for (int j : near)
      if (j != i && Dominates(j, i, lo)) {
        dominated = true;
        break;
      }
    if (!dominated) pool_.push_back(static_cast<std::uint8_t>(i));
  }
  const auto count = static_cast<std::uint16_t>(pool_.size() - first);
  Cell c{first, count, kSearch};
  if (count == 1) {
    c = Cell{static_cast<std::uint32_t>(table_.size()), 0, kAnswer};
    table_.push_back(pool_[first]);
    pool_.pop_back();
  } else if (table_.size() + 512 <= kMaxTableBytes) {
    const auto start = static_cast<std::uint32_t>(table_.size());
    table_.resize(table_.size() + 512);
    for (unsigned k = 0; k < 512; ++k)
      table_[start + k] = static_cast<std::uint8_t>(
          Search(c, lo[0] + int(k >> 6), lo[1] + int((k >> 3) & 7), lo[2] + int(k & 7)));
    pool_.resize(first);
    c = Cell{start, 511, kAnswer};
  }
  cells_[cell] = c;
  return c;
}

void NearestColorIndex::FindRow(const std::uint32_t* in, int n, std::uint8_t* out,
                                std::uint32_t* last, std::uint32_t* index) {
  // The tables are read through locals: the bytes written to out could
  // otherwise be the vectors' own and force a reload for every pixel.
  const Cell* cells = cells_.data();
  const std::uint8_t* table = table_.data();
  std::uint32_t seen = *last, answer = *index;
  for (int i = 0; i < n; ++i) {
    const std::uint32_t c = in[i] & 0xFFFFFFu;
    if (c != seen) {
      seen = c;
      // The top five bits of each channel pick the cell, the low three the
      // colour within it.
      const unsigned cell = ((c >> 9) & 0x7C00u) | ((c >> 6) & 0x3E0u) | ((c >> 3) & 0x1Fu);
      const unsigned local = ((c >> 10) & 0x1C0u) | ((c >> 5) & 0x38u) | (c & 7u);
      const Cell found = cells[cell];
      if (found.kind == kAnswer) [[likely]] {
        answer = table[found.offset + (local & found.maskOrCount)];
      } else {
        answer = static_cast<std::uint32_t>(
            Find(std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)));
        cells = cells_.data();  // a cell built may have grown the table
        table = table_.data();
      }
    }
    out[i] = static_cast<std::uint8_t>(answer);
  }
  *last = seen;
  *index = answer;
}

int NearestColorIndex::Search(Cell c, int r, int g, int b) const {
  int best = pool_[c.offset];
  int bestDist = INT_MAX;
  for (std::uint32_t k = 0; k < c.maskOrCount; ++k) {
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

NearestColorIndex& NearestIndexFor(const handles::PaletteData& palette, int limit) {
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

int NearestPaletteIndex(const handles::PaletteData& palette, int limit, TColor color) {
  if (palette.entries.empty()) return 0;
  return NearestIndexFor(palette, limit).Find(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace pictor
