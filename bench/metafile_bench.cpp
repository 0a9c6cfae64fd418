// Playing a WMF metafile of 10 000 drawing records (rectangles, ellipses,
// lines and polygons in changing brushes) onto a 1024 x 1024 24-bit bitmap.
// Reported beside a memset of the bitmap's bytes for scale; there is no bound.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/canvas.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

namespace pictor::bench {
namespace {

constexpr int kSide = 1024;
constexpr int kRecords = 10000;

class Records {
 public:
  void Add(std::uint16_t function, std::initializer_list<int> words) {
    Word32(3 + static_cast<std::uint32_t>(words.size()));
    Word(function);
    for (int w : words) Word(static_cast<std::uint16_t>(w));
  }
  // The file: placeable header for a kSide pixel box, header, records, end record.
  std::vector<std::uint8_t> File() {
    Add(0x0000, {});
    std::vector<std::uint8_t> body;
    body.swap(bytes_);
    Word32(0x9AC6CDD7);
    for (int w : {0, 0, 0, kSide, kSide, 96}) Word(static_cast<std::uint16_t>(w));
    Word32(0);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= static_cast<std::uint16_t>(bytes_[i] | bytes_[i + 1] << 8);
    Word(sum);
    for (int w : {1, 9, 0x0300}) Word(static_cast<std::uint16_t>(w));
    Word32(static_cast<std::uint32_t>((18 + body.size()) / 2));
    Word(4);
    Word32(8);
    Word(0);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return bytes_;
  }

 private:
  void Word(std::uint16_t w) {
    bytes_.push_back(static_cast<std::uint8_t>(w));
    bytes_.push_back(static_cast<std::uint8_t>(w >> 8));
  }
  void Word32(std::uint32_t w) {
    Word(static_cast<std::uint16_t>(w));
    Word(static_cast<std::uint16_t>(w >> 16));
  }
  std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> MixedMetafile() {
  Records r;
  std::uint32_t seed = 12345;
  auto next = [&seed](int range) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
  };
  int count = 0;
  while (count < kRecords) {
    // A new brush every 50 figures, deleted after use: create, select, delete.
    if (count % 50 == 0) {
      r.Add(0x02FC, {0, next(0x10000), next(0x100), 0});
      r.Add(0x012D, {0});
      r.Add(0x01F0, {0});
      count += 3;
      continue;
    }
    const int x = next(kSide), y = next(kSide), w = 8 + next(120), h = 8 + next(120);
    switch (count % 4) {
      case 0: r.Add(0x041B, {y + h, x + w, y, x}); break;
      case 1: r.Add(0x0418, {y + h, x + w, y, x}); break;
      case 2:
        r.Add(0x0214, {y, x});
        r.Add(0x0213, {y + h, x + w});
        ++count;
        break;
      default: r.Add(0x0324, {4, x, y, x + w, y + h / 2, x + w / 2, y + h, x - w / 3, y + h / 2});
    }
    ++count;
  }
  return r.File();
}

void PlayMeasured(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = MixedMetafile();
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  TMetafile metafile;
  metafile.LoadFromStream(stream);
  auto target = SolidBitmap(pf24bit, kSide, clWhite);
  for (auto _ : state) {
    metafile.DrawInto(*target->Canvas(), TRect{0, 0, kSide, kSide});
    benchmark::DoNotOptimize(target->PixelBytes().data());
  }
  if (SampledPixelsAre(*target, clWhite, 17)) state.SkipWithError("the metafile drew nothing");
}

[[maybe_unused]] const bool kRegistered = [] {
  const std::size_t bytes = static_cast<std::size_t>(kSide) * kSide * 3;
  RegisterPair("Metafile10000Records", 0, bytes, PlayMeasured, MemsetReference(bytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
