// The memory an operation needs at its peak, and the memory the process
// holds, as the operating system counts them.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace pictor::bench {

// How far the resident set grows above where it stood while fn runs: fn runs
// once in a forked child whose peak mark is reset first, so whatever the
// benchmark process holds or has freed before does not count, and memory the
// C libraries allocate (fonts, FreeType) does. nullopt where the system
// cannot tell.
std::optional<std::size_t> PeakMemoryGrowth(const std::function<void()>& fn);

// The resident set of this process now (VmRSS), in bytes; 0 where the system
// cannot tell.
std::size_t ResidentMemory();

}  // namespace pictor::bench
