// Rectangle and Ellipse over the whole 24-bit image with a solid brush,
// against a memset of the image bytes.
#include <benchmark/benchmark.h>

#include <utility>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/canvas.h"

namespace pictor::bench {
namespace {

constexpr std::size_t kBytes = ImageBytes(kSize, 24);

enum class Figure { kRectangle, kEllipse };

BenchFn Draw(Figure figure) {
  return [figure](benchmark::State& state) {
    TColor color = clNavy, other = clYellow;
    auto bitmap = SolidBitmap(pf24bit, kSize, clWhite);
    TCanvas& canvas = *bitmap->Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    for (auto _ : state) {
      // The outline has the brush colour, so the figure is one colour.
      canvas.Brush.Color = color;
      canvas.Pen.Color = color;
      if (figure == Figure::kRectangle)
        canvas.Rectangle(0, 0, kSize, kSize);
      else
        canvas.Ellipse(0, 0, kSize, kSize);
      std::swap(color, other);
    }
    const TColor drawn = other;  // the colour of the last figure
    const bool ok = figure == Figure::kRectangle ? SampledPixelsAre(*bitmap, drawn, 127)
                                                 : canvas.Pixels(kSize / 2, kSize / 2) == drawn &&
                                                       canvas.Pixels(0, kSize / 2) == drawn &&
                                                       canvas.Pixels(kSize / 2, kSize - 1) == drawn;
    if (!ok) state.SkipWithError("the figure does not cover what it should");
  };
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("Rectangle24", 2, kBytes, Draw(Figure::kRectangle), MemsetReference(kBytes));
  RegisterPair("Ellipse24", 2, kBytes, Draw(Figure::kEllipse), MemsetReference(kBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
