// Loads arbitrary bytes as a metafile and plays one it accepts onto a small
// bitmap; shared by the WMF and the EMF targets. A play that takes more than
// kMaxPlaySeconds of CPU time is a finding: the fuzzer's own timeout counts
// wall time, which on a shared machine says little about the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile.h"
#include "host/graphics/streams.h"

inline constexpr double kMaxPlaySeconds = 2;

inline double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline int FuzzMetafile(const std::uint8_t* data, std::size_t size) {
  pictor::TMemoryStream in;
  in.WriteBuffer(data, size);
  in.SetPosition(0);
  pictor::TMetafile metafile;
  try {
    metafile.LoadFromStream(in);
  } catch (const pictor::EInvalidGraphic&) {
    return 0;
  }
  if (metafile.Data().size() != size) std::abort();
  pictor::TBitmap target;
  target.SetSize(64, 48);
  const double start = CpuSeconds();
  metafile.DrawInto(*target.Canvas(), pictor::TRect{2, 3, 62, 45});
  const double took = CpuSeconds() - start;
  if (took > kMaxPlaySeconds) {
    std::fprintf(stderr, "playing took %.2f s of CPU time\n", took);
    std::abort();
  }
  return 0;
}
