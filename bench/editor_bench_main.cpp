// The editor's benchmarks run its window: one application, on the offscreen
// platform unless another is asked for, then Google Benchmark's usual main.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "host/toolkit/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  pictor::TApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
