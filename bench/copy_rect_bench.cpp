// CopyRect of a whole 24-bit photo-like image onto an 8-bit bitmap carrying the
// web palette (nearest colour per pixel), against a memcpy of the 24-bit bytes.
#include <benchmark/benchmark.h>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/canvas.h"

namespace pictor::bench {
namespace {

constexpr std::size_t kBytes = ImageBytes(kSize, 24);

void CopyToWeb(benchmark::State& state) {
  TBitmap& photo = SharedPhoto();
  auto target = WebPaletteBitmap(kSize);
  const TRect all{0, 0, kSize, kSize};
  TCanvas& canvas = *target->Canvas();
  TCanvas* source = photo.Canvas();
  // Once untimed: the palette's nearest-colour lookup is built on first use.
  canvas.CopyRect(all, source, all);
  for (auto _ : state) {
    canvas.CopyRect(all, source, all);
    benchmark::DoNotOptimize(target->PixelBytes().data());
  }
  if (!SampledWebCopyMatches(photo, *target, 31))
    state.SkipWithError("the copy is not the nearest web colours");
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("CopyRect24To8Web", 20, kBytes, CopyToWeb, MemcpyReference(kBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
