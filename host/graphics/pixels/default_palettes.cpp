#include "host/graphics/pixels/default_palettes.h"

namespace pictor {

std::vector<PALETTEENTRY> DefaultPaletteEntries(TPixelFormat format) {
  std::vector<PALETTEENTRY> e;
  switch (format) {
    case TPixelFormat::pf1bit:
      e = {{0, 0, 0, 0}, {255, 255, 255, 0}};
      break;
    case TPixelFormat::pf4bit:
      e = {{0, 0, 0, 0},       {128, 0, 0, 0},   {0, 128, 0, 0},   {128, 128, 0, 0},
           {0, 0, 128, 0},     {128, 0, 128, 0}, {0, 128, 128, 0}, {192, 192, 192, 0},
           {128, 128, 128, 0}, {255, 0, 0, 0},   {0, 255, 0, 0},   {255, 255, 0, 0},
           {0, 0, 255, 0},     {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0}};
      break;
    case TPixelFormat::pf8bit:
      for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
          for (int b = 0; b < 6; ++b)
            e.push_back({std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51), 0});
      for (int i = 1; i <= 40; ++i) {
        auto v = static_cast<std::uint8_t>((i * 255 + 20) / 41);
        e.push_back({v, v, v, 0});
      }
      break;
    default:
      break;
  }
  return e;
}

}  // namespace pictor
