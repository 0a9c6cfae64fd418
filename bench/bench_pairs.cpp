#include "bench/bench_pairs.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "bench/bench_images.h"

namespace pictor::bench {

void RegisterPair(const std::string& name, double target, std::size_t bytes, BenchFn measured,
                  BenchFn reference) {
  auto wrap = [target, bytes](BenchFn fn) {
    return [target, bytes, fn = std::move(fn)](benchmark::State& state) {
      fn(state);
      state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                              static_cast<std::int64_t>(bytes));
      state.counters["target"] = target;
    };
  };
  benchmark::RegisterBenchmark((name + "/measured").c_str(), wrap(std::move(measured)))
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark((name + "/reference").c_str(), wrap(std::move(reference)))
      ->Unit(benchmark::kMillisecond);
}

BenchFn MemcpyReference(std::size_t bytes) {
  return [bytes](benchmark::State& state) {
    std::vector<std::uint8_t> from = TouchedBuffer(bytes);
    std::vector<std::uint8_t> to = TouchedBuffer(bytes);
    for (auto _ : state) {
      std::memcpy(to.data(), from.data(), bytes);
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
  };
}

BenchFn MemsetReference(std::size_t bytes) {
  return [bytes](benchmark::State& state) {
    std::vector<std::uint8_t> buffer = TouchedBuffer(bytes);
    int value = 0;
    for (auto _ : state) {
      value ^= 0xFF;  // a different value each time, like the fills measured
      std::memset(buffer.data(), value, bytes);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
    }
  };
}

}  // namespace pictor::bench
