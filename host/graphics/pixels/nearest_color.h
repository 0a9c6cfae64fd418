// Nearest palette entry of a colour by squared RGB distance, lowest index on
// ties. The colour cube is split into 32 x 32 x 32 cells; each cell keeps the
// few entries that can be nearest to any colour in it, found on first use:
// those not farther than the nearest entry's farthest point of the cell, less
// those another of them beats over the whole cell. A cell left with several
// is answered once for each of its colours, so a lookup is two loads.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/graphics/color.h"
#include "host/graphics/handle_table.h"

namespace pictor {

class NearestColorIndex {
 public:
  explicit NearestColorIndex(std::span<const PALETTEENTRY> entries);

  // The index for each of n 0x00RRGGBB colours. *last and *index carry the
  // colour looked up last and its answer from one row to the next, so that
  // a run of one colour is looked up once.
  void FindRow(const std::uint32_t* in, int n, std::uint8_t* out, std::uint32_t* last,
               std::uint32_t* index);

  int Find(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const unsigned cell = (unsigned(r >> 3) << 10) | (unsigned(g >> 3) << 5) | unsigned(b >> 3);
    const unsigned local = (r & 7u) << 6 | (g & 7u) << 3 | (b & 7u);
    Cell c = cells_[cell];
    // One path for a single candidate and a tabled cell, without a branch
    // that photographs would make unpredictable.
    if (c.kind == kAnswer) [[likely]]
      return table_[c.offset + (local & c.maskOrCount)];
    if (c.kind == kUnbuilt) {
      c = Build(cell);
      if (c.kind == kAnswer) return table_[c.offset + (local & c.maskOrCount)];
    }
    return Search(c, r, g, b);
  }

 private:
  enum : std::uint16_t { kUnbuilt, kAnswer, kSearch };
  struct Cell {
    std::uint32_t offset = 0;  // into table_ (kAnswer) or pool_ (kSearch)
    // kAnswer: 0 for one answer for the whole cell, 511 for a table of its
    // 512 colours; kSearch: the number of candidates.
    std::uint16_t maskOrCount = 0;
    std::uint16_t kind = kUnbuilt;
  };
  // Cells with several candidates get a table of their 512 colours' answers,
  // up to this many bytes of tables; later ones are searched per colour.
  static constexpr std::size_t kMaxTableBytes = std::size_t{8} << 20;
  Cell Build(unsigned cell);
  bool Dominates(int j, int i, const int lo[3]) const;
  int Search(Cell c, int r, int g, int b) const;

  std::vector<std::uint8_t> rgb_;  // r, g, b of each entry
  std::vector<Cell> cells_;
  std::vector<std::uint8_t> pool_;
  std::vector<std::uint8_t> table_;
};

// Index of the entry of the palette nearest to the colour, among its first
// `limit` entries (limit 2, 16 or 256). 0 for an empty palette.
int NearestPaletteIndex(const handles::PaletteData& palette, int limit, TColor color);
// The lookup for the palette's first `limit` entries, built on first use.
NearestColorIndex& NearestIndexFor(const handles::PaletteData& palette, int limit);

}  // namespace pictor
