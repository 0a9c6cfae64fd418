// Bounds on what one bitmap may allocate. A decode or resize beyond them fails
// with a clear error instead of exhausting memory.
#pragma once

#include <cstddef>

namespace pictor {

struct ImageLimits {
  int maxDimension = 65535;                 // width and height each
  std::size_t maxBytes = std::size_t{1} << 30;  // pixel data of one bitmap: 1 GiB
};

inline constexpr ImageLimits kDefaultImageLimits{};

}  // namespace pictor
