// Metafiles made to be costly, played within their bounds. Each case reports
// the mean time per play (the benchmark's own figure), the slowest single
// play in CPU time of this thread ("worst_ms"; wall time would count the
// waits of a shared machine) and how far memory grew at the peak of one play beyond
// the target bitmap ("peak_MiB", see peak_memory.h); "limit_ms" and
// "limit_MiB" are the bounds aimed at (0: reported only).
//
// - MetafileSlowSample: a 1408-byte file a fuzzer found (text with a huge clip
//   box, a path, clip rectangles far off), played onto a white 60 x 40 bitmap.
// - MetafileSlowInput/NAME/WxH: the inputs of the fuzz corpora and regression
//   folders that played slowest, the ten slowest onto each size
//   (bench/data/metafiles), played onto 64 x 48 and 1024 x 768 bitmaps.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "bench/peak_memory.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

namespace pictor::bench {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = PICTOR_BENCH_SOURCE_DIR;

void PlayFile(benchmark::State& state, const fs::path& file, int width, int height,
              double limitMs, double limitMiB) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  TMetafile metafile;
  try {
    metafile.LoadFromStream(stream);
  } catch (const Exception&) {
    state.SkipWithError(("not loaded: " + file.string()).c_str());
    return;
  }
  TBitmap target;
  target.SetSize(width, height);
  target.Canvas()->Brush.Color = clWhite;
  target.Canvas()->FillRect(TRect{0, 0, width, height});
  const TRect rect{0, 0, width, height};

  const auto growth = PeakMemoryGrowth([&] { metafile.DrawInto(*target.Canvas(), rect); });
  const auto cpuMs = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
  };
  double worst = 0;
  for (auto _ : state) {
    const double start = cpuMs();
    metafile.DrawInto(*target.Canvas(), rect);
    benchmark::DoNotOptimize(target.Image().pixels.data());
    worst = std::max(worst, cpuMs() - start);
  }
  state.counters["worst_ms"] = worst;
  state.counters["peak_MiB"] = growth ? double(*growth) / (1 << 20) : -1;
  state.counters["limit_ms"] = limitMs;
  state.counters["limit_MiB"] = limitMiB;
}

[[maybe_unused]] const bool kRegistered = [] {
  const fs::path sample = kSourceDir / "fuzz/regressions/emf/slow-play-1408.emf";
  benchmark::RegisterBenchmark("MetafileSlowSample",
                               [=](benchmark::State& s) { PlayFile(s, sample, 60, 40, 50, 32); })
      ->Unit(benchmark::kMillisecond);
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(kSourceDir / "bench/data/metafiles"))
    if (entry.path().extension() == ".wmf" || entry.path().extension() == ".emf")
      inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  for (const fs::path& input : inputs) {
    for (const auto& size : {std::tuple{64, 48, 100.0}, std::tuple{1024, 768, 0.0}}) {
      const auto [w, h, limit] = size;
      const std::string name = "MetafileSlowInput/" + input.filename().string() + "/" +
                               std::to_string(w) + "x" + std::to_string(h);
      benchmark::RegisterBenchmark(name.c_str(), [input, size](benchmark::State& s) {
        PlayFile(s, input, std::get<0>(size), std::get<1>(size), std::get<2>(size), 0);
      })->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace pictor::bench
