// The entries of a palette handle, for comparing palettes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/graphics/handle_table.h"

namespace pictor {

inline std::vector<PALETTEENTRY> Entries(HPALETTE h) {
  std::uint16_t count = 0;
  EXPECT_EQ(GetObject(h, sizeof count, &count), 2);
  std::vector<PALETTEENTRY> e(count);
  EXPECT_EQ(GetPaletteEntries(h, 0, count, e.data()), count);
  return e;
}

}  // namespace pictor
