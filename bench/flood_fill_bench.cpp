// FloodFill (fsSurface) of a one-colour image, 24-bit and 4-bit, against a
// memset of the image bytes. Every fill changes the colour of the whole image.
#include <benchmark/benchmark.h>

#include <utility>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/canvas.h"

namespace pictor::bench {
namespace {

BenchFn Fill(TPixelFormat format) {
  return [format](benchmark::State& state) {
    // Both colours are in the default 16-colour palette too.
    TColor current = clWhite, next = clNavy;
    auto bitmap = SolidBitmap(format, kSize, current);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush.Style = bsSolid;
    for (auto _ : state) {
      canvas.Brush.Color = next;
      // Written through its pixel view, the image is no longer known to be
      // of one colour, so the fill searches it.
      bitmap->PixelBytes();
      canvas.FloodFill(kSize / 2, kSize / 2, current, fsSurface);
      std::swap(current, next);
      // The corners are the last pixels a fill from the centre reaches.
      if (canvas.Pixels(0, 0) != current || canvas.Pixels(kSize - 1, kSize - 1) != current) {
        state.SkipWithError("the fill did not cover the image");
        break;
      }
    }
    if (!SampledPixelsAre(*bitmap, current, 127)) state.SkipWithError("pixels left unfilled");
  };
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("FloodFill24", 10, ImageBytes(kSize, 24), Fill(pf24bit),
               MemsetReference(ImageBytes(kSize, 24)));
  RegisterPair("FloodFill4", 10, ImageBytes(kSize, 4), Fill(pf4bit),
               MemsetReference(ImageBytes(kSize, 4)));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
