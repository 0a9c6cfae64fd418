// Bitmap file writing and reading of a 24-bit image to and from memory,
// against a memcpy of the pixel bytes.
#include <benchmark/benchmark.h>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "host/graphics/streams.h"

namespace pictor::bench {
namespace {

constexpr std::size_t kPixelBytes = ImageBytes(kSize, 24);

void Save(benchmark::State& state) {
  TBitmap& bitmap = SharedPhoto();
  TMemoryStream stream;
  stream.Reserve(kPixelBytes + 1024);
  for (auto _ : state) {
    stream.SetSize(0);
    bitmap.SaveToStream(stream);
    benchmark::DoNotOptimize(stream.Memory());
  }
  if (stream.Size() < static_cast<std::int64_t>(kPixelBytes))
    state.SkipWithError("the saved stream is shorter than the pixels");
}

void Load(benchmark::State& state) {
  TBitmap& bitmap = SharedPhoto();
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  TBitmap loaded;
  for (auto _ : state) {
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    benchmark::DoNotOptimize(loaded.PixelBytes().data());
  }
  if (!SampledPixelsEqual(bitmap, loaded, 61)) state.SkipWithError("the loaded pixels differ");
}

void SaveAndLoad(benchmark::State& state) {
  TBitmap& bitmap = SharedPhoto();
  TMemoryStream stream;
  stream.Reserve(kPixelBytes + 1024);
  TBitmap loaded;
  for (auto _ : state) {
    stream.SetSize(0);
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    benchmark::DoNotOptimize(loaded.PixelBytes().data());
  }
  if (!SampledPixelsEqual(bitmap, loaded, 61)) state.SkipWithError("the loaded pixels differ");
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("BmpSave24", 3, kPixelBytes, Save, MemcpyReference(kPixelBytes));
  RegisterPair("BmpLoad24", 3, kPixelBytes, Load, MemcpyReference(kPixelBytes));
  RegisterPair("BmpSaveLoad24", 3, kPixelBytes, SaveAndLoad, MemcpyReference(kPixelBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
