// Side-by-side registration of a measured operation and its reference.
//
// Each pair is registered as "<name>/measured" followed by "<name>/reference",
// so both run in the same process one after the other; run.sh pairs them by
// name and divides the times. The "target" counter carries the ratio aimed at.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>
#include <string>

namespace pictor::bench {

using BenchFn = std::function<void(benchmark::State&)>;

void RegisterPair(const std::string& name, double target, std::size_t bytes, BenchFn measured,
                  BenchFn reference);

// memcpy of `bytes` between two preallocated, already written buffers.
BenchFn MemcpyReference(std::size_t bytes);
// memset of `bytes` of a preallocated, already written buffer.
BenchFn MemsetReference(std::size_t bytes);

}  // namespace pictor::bench
