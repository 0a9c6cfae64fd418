#include "host/graphics/raster/flood_fill.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/raster/flood_area.h"

namespace pictor {
namespace {

// One bit per pixel: set while the pixel belongs to the fill colour and has not
// been taken into the area yet. A row's bits are kept from its first visit and
// worked out a chunk of pixels at a time as the search reaches them, so the
// cost follows the area found, not the image's width or height.
constexpr std::uint64_t kByteSpread = 0x0101010101010101ULL;
constexpr int kChunk = 256;  // pixels worked out at once; a whole number of words

std::uint64_t Load64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

class Candidates {
 public:
  Candidates(const BitmapImage& image, const AreaColour& colour)
      : image_(image),
        colour_(colour),
        words_((static_cast<std::size_t>(image.width) + 63) / 64),
        readyWords_((static_cast<std::size_t>(image.width) + 64 * kChunk - 1) / (64 * kChunk)),
        rows_(static_cast<std::size_t>(image.height)),
        native_(colour.Native()),
        border_(colour.Border()) {}

  bool Test(int y, int x) { return (Ready(y, x, x)[x >> 6] >> (x & 63)) & 1; }

  // First set bit of row y in [x, limit], or -1.
  int NextSet(int y, int x, int limit) {
    const std::uint64_t* row = Ready(y, x, limit);
    while (x <= limit) {
      std::uint64_t w = row[x >> 6] >> (x & 63);
      if (w) {
        int found = x + std::countr_zero(w);
        return found <= limit ? found : -1;
      }
      x = (x | 63) + 1;
    }
    return -1;
  }
  // First clear bit of row y at or after x (the row's width when none).
  // Each chunk is worked out once before its words are read.
  int NextClear(int y, int x) {
    while (x < image_.width) {
      const std::uint64_t* row = Ready(y, x, x);
      const int chunkEnd = std::min(image_.width, (x / kChunk + 1) * kChunk);
      for (; x < chunkEnd; x = (x | 63) + 1) {
        const std::uint64_t w = ~row[x >> 6] >> (x & 63);
        if (w) return std::min(x + std::countr_zero(w), image_.width);
      }
    }
    return image_.width;
  }
  // Last clear bit of row y at or before x (-1 when none).
  int PrevClear(int y, int x) {
    while (x >= 0) {
      const std::uint64_t* row = Ready(y, x, x);
      const int chunkStart = x / kChunk * kChunk;
      for (; x >= chunkStart; x = (x & ~63) - 1) {
        const std::uint64_t w = ~row[x >> 6] << (63 - (x & 63));
        if (w) return x - std::countl_zero(w);
      }
    }
    return -1;
  }
  // Takes [x0, x1) of row y, whose bits are worked out, out of the candidates.
  void Clear(int y, int x0, int x1) {
    std::uint64_t* row = rows_[static_cast<std::size_t>(y)].get();
    while (x0 < x1) {
      int end = std::min(x1, (x0 | 63) + 1);
      int n = end - x0;
      std::uint64_t mask = (n == 64 ? ~0ULL : ((1ULL << n) - 1)) << (x0 & 63);
      row[x0 >> 6] &= ~mask;
      x0 = end;
    }
  }

 private:
  // Row y's bits, worked out at least over [x0, x1]. Behind the bits each row
  // keeps one bit per chunk that says whether the chunk is worked out.
  std::uint64_t* Ready(int y, int x0, int x1) {
    std::unique_ptr<std::uint64_t[]>& slot = rows_[static_cast<std::size_t>(y)];
    if (!slot) slot = std::make_unique<std::uint64_t[]>(words_ + readyWords_);
    std::uint64_t* row = slot.get();
    std::uint64_t* ready = row + words_;
    for (int c = x0 / kChunk; c <= x1 / kChunk; ++c) {
      std::uint64_t& word = ready[c >> 6];
      const std::uint64_t bit = 1ULL << (c & 63);
      if (word & bit) continue;
      word |= bit;
      Compute(y, row, c * kChunk, std::min(image_.width, (c + 1) * kChunk));
    }
    return row;
  }

  // Sets the bits of the candidates among pixels [x0, x1) of row y.
  void Compute(int y, std::uint64_t* row, int x0, int x1) {
    const std::uint8_t* p = image_.Row(y);
    WithLayout(image_.format, [&](auto layout) {
      constexpr const PixelLayout& L = decltype(layout)::value;
      if constexpr (L.bitsPerPixel == 8)
        Mark8(p, row, x0, x1);
      else if constexpr (L.bitsPerPixel == 4)
        Mark4(p, row, x0, x1);
      else if constexpr (L.bitsPerPixel == 24)
        Mark24(p, row, x0, x1);
      else
        MarkEach(layout, p, row, x0, x1);
    });
  }

  static void Set(std::uint64_t* row, int x) { row[x >> 6] |= 1ULL << (x & 63); }

  // Pixel by pixel: 1, 16 and 32 bits.
  template <typename L>
  void MarkEach(L layout, const std::uint8_t* p, std::uint64_t* row, int x0, int x1) const {
    for (int x = x0; x < x1; ++x) {
      if (colour_.Takes(ReadPixel(layout, p, x))) Set(row, x);
    }
  }

  // Eight pixels of one index at a time where the row is uniform.
  void Mark8(const std::uint8_t* p, std::uint64_t* row, int x0, int w) const {
    int x = x0;
    for (; x + 8 <= w; x += 8) {
      if (Load64(p + x) == p[x] * kByteSpread) {
        if (colour_.Takes(p[x])) row[x >> 6] |= 0xFFULL << (x & 63);
        continue;
      }
      for (int i = x; i < x + 8; ++i)
        if (colour_.Takes(p[i])) Set(row, i);
    }
    for (; x < w; ++x)
      if (colour_.Takes(p[x])) Set(row, x);
  }

  // 64 or 16 pixels at a time where the bytes are all the same; otherwise
  // whole bytes: two pixels per byte.
  void Mark4(const std::uint8_t* p, std::uint64_t* row, int x0, int w) const {
    const auto pairOf = [&](std::uint8_t byte) {
      return std::uint64_t(colour_.Takes(byte >> 4)) | std::uint64_t(colour_.Takes(byte & 15)) << 1;
    };
    int x = x0;
    for (; x + 16 <= w; x += 16) {
      const std::uint8_t* q = p + (x >> 1);
      const std::uint64_t same = q[0] * kByteSpread;
      if ((x & 63) == 0 && x + 64 <= w && Load64(q) == same && Load64(q + 8) == same &&
          Load64(q + 16) == same && Load64(q + 24) == same) {
        // 64 pixels of one byte value: one whole word of the row.
        row[x >> 6] = pairOf(q[0]) * 0x5555555555555555ULL;
        x += 48;
        continue;
      }
      if (Load64(q) == same) {
        row[x >> 6] |= (pairOf(q[0]) * 0x5555ULL) << (x & 63);
        continue;
      }
      for (int i = 0; i < 8; ++i) row[(x + 2 * i) >> 6] |= pairOf(q[i]) << ((x + 2 * i) & 63);
    }
    for (; x + 1 < w; x += 2) {
      const std::uint8_t byte = p[x >> 1];
      if (colour_.Takes(byte >> 4)) Set(row, x);
      if (colour_.Takes(byte & 15)) Set(row, x + 1);
    }
    if (x < w && colour_.Takes(p[x >> 1] >> 4)) Set(row, x);
  }

  // A whole chunk of the colour at once (one memcmp, as inside a large area
  // of one colour), otherwise eight pixels (24 bytes) at a time, compared as
  // three words.
  void Mark24(const std::uint8_t* p, std::uint64_t* row, int x0, int w) {
    const std::uint8_t b = std::uint8_t(native_), g = std::uint8_t(native_ >> 8),
                       r = std::uint8_t(native_ >> 16);
    if (w - x0 == kChunk) {
      if (chunk24_.empty()) {
        chunk24_.resize(3 * kChunk);
        for (int i = 0; i < kChunk; ++i)
          chunk24_[3 * i] = b, chunk24_[3 * i + 1] = g, chunk24_[3 * i + 2] = r;
      }
      const std::uint8_t* first = p + 3 * static_cast<std::size_t>(x0);
      if (std::memcmp(first, chunk24_.data(), chunk24_.size()) == 0) {
        // x0 starts a word: the chunk's words are all candidates or none.
        if (!border_) std::fill_n(row + x0 / 64, kChunk / 64, ~std::uint64_t{0});
        return;
      }
    }
    std::uint8_t pattern[24];
    for (int i = 0; i < 8; ++i) pattern[3 * i] = b, pattern[3 * i + 1] = g, pattern[3 * i + 2] = r;
    const std::uint64_t w0 = Load64(pattern), w1 = Load64(pattern + 8), w2 = Load64(pattern + 16);
    int x = x0;
    p += 3 * static_cast<std::size_t>(x0);
    for (; x + 8 <= w; x += 8, p += 24) {
      if (Load64(p) == w0 && Load64(p + 8) == w1 && Load64(p + 16) == w2) {
        if (!border_) row[x >> 6] |= 0xFFULL << (x & 63);
        continue;
      }
      for (int i = 0; i < 8; ++i)
        if ((p[3 * i] == b && p[3 * i + 1] == g && p[3 * i + 2] == r) != border_) Set(row, x + i);
    }
    for (; x < w; ++x, p += 3)
      if ((p[0] == b && p[1] == g && p[2] == r) != border_) Set(row, x);
  }

  const BitmapImage& image_;
  const AreaColour& colour_;
  std::size_t words_;       // bits of a row
  std::size_t readyWords_;  // chunk flags of a row
  std::vector<std::unique_ptr<std::uint64_t[]>> rows_;  // null until first visited
  std::uint32_t native_;                                // true-colour formats
  bool border_;
  std::vector<std::uint8_t> chunk24_;  // a chunk's bytes in the colour, made at first use
};

struct Pending {
  int y, x0, x1;  // look for area pixels in row y within [x0, x1]
  int dir;        // +1 or -1: the row was reached from row y - dir; 0 for the seed's row
};

template <typename Area>
void Search(Area& area, int height, int x, int y, const std::function<void(int, int, int)>& out) {
  if (!area.Test(y, x)) return;
  std::vector<Pending> stack;
  stack.push_back(Pending{y, x, x, 0});
  while (!stack.empty()) {
    const Pending p = stack.back();
    stack.pop_back();
    if (p.y < 0 || p.y >= height) continue;
    int at = p.x0;
    while (true) {
      const int seed = area.NextSet(p.y, at, p.x1);
      if (seed < 0) break;
      const int left = area.PrevClear(p.y, seed) + 1;
      const int right = area.NextClear(p.y, seed);  // one past the run
      area.Clear(p.y, left, right);
      out(p.y, left, right);
      if (p.dir == 0) {
        stack.push_back(Pending{p.y - 1, left, right - 1, -1});
        stack.push_back(Pending{p.y + 1, left, right - 1, 1});
      } else {
        // Back towards the row it came from, only beyond [p.x0, p.x1]: that
        // row is taken there already.
        if (left < p.x0) stack.push_back(Pending{p.y - p.dir, left, p.x0 - 1, -p.dir});
        if (right - 1 > p.x1) stack.push_back(Pending{p.y - p.dir, p.x1 + 1, right - 1, -p.dir});
        stack.push_back(Pending{p.y + p.dir, left, right - 1, p.dir});
      }
      at = right + 1;
    }
  }
}

}  // namespace

bool FloodFillTakes(const BitmapImage& image, int x, int y, TColor color, bool border) {
  return image.Contains(x, y) && AreaColour(image, color, border).Takes(ReadNative(image, x, y));
}

void FloodFillSpans(const BitmapImage& image, int x, int y, TColor color, bool border,
                    const std::function<void(int, int, int)>& out,
                    std::optional<std::uint32_t> writes) {
  if (!image.Contains(x, y)) return;
  const AreaColour colour(image, color, border);
  if (writes && !colour.Takes(*writes)) {
    WithLayout(image.format, [&](auto layout) {
      PixelArea<decltype(layout)> area(image, colour);
      Search(area, image.height, x, y, out);
    });
    return;
  }
  Candidates area(image, colour);
  Search(area, image.height, x, y, out);
}

}  // namespace pictor
