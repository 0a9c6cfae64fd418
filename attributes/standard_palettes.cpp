#include "attributes/standard_palettes.h"

#include <cstdint>

namespace pictor {
namespace {

constexpr std::uint8_t kMonochromeGrey[2] = {0, 255};

constexpr std::uint8_t kRed16[16] = {0, 255, 128, 192, 128, 255, 128, 255,
                                     0, 0,   0,   0,   0,   0,   128, 255};
constexpr std::uint8_t kGreen16[16] = {0, 255, 128, 192, 0, 0,   128, 255,
                                       128, 255, 128, 255, 0, 0, 0,   0};
constexpr std::uint8_t kBlue16[16] = {0, 255, 128, 192, 0, 0,   0,   0,
                                      0, 0,   128, 255, 128, 255, 128, 255};

}  // namespace

HPALETTE MonochromePalette() {
  LOGPALETTE pal;
  pal.palVersion = 0x300;
  pal.palNumEntries = 2;
  pal.palPalEntry.resize(2);
  for (int i = 0; i < 2; ++i)
    pal.palPalEntry[i] = {kMonochromeGrey[i], kMonochromeGrey[i], kMonochromeGrey[i],
                          PC_NOCOLLAPSE};
  return CreatePalette(pal);
}

HPALETTE Palette16() {
  LOGPALETTE pal;
  pal.palVersion = 0x300;
  pal.palNumEntries = 16;
  pal.palPalEntry.resize(16);
  for (int i = 0; i < 16; ++i)
    pal.palPalEntry[i] = {kRed16[i], kGreen16[i], kBlue16[i], PC_NOCOLLAPSE};
  return CreatePalette(pal);
}

HPALETTE WebPalette() {
  LOGPALETTE pal;
  pal.palVersion = 0x300;
  pal.palNumEntries = 216;
  pal.palPalEntry.resize(216);
  for (int r = 0; r <= 5; ++r)
    for (int g = 0; g <= 5; ++g)
      for (int b = 0; b <= 5; ++b)
        pal.palPalEntry[r * 36 + g * 6 + b] = {std::uint8_t(r * 51), std::uint8_t(g * 51),
                                               std::uint8_t(b * 51), 0};
  return CreatePalette(pal);
}

void ApplyStandardPalette(TBitmap& bitmap) {
  if (bitmap.Empty()) {
    bitmap.SetPixelFormat(pf4bit);
    bitmap.SetPalette(Palette16());
  } else if (bitmap.PixelFormat() == pf1bit) {
    bitmap.SetPalette(MonochromePalette());
  } else if (bitmap.PixelFormat() == pf4bit) {
    bitmap.SetPalette(Palette16());
  } else {
    bitmap.SetPalette(WebPalette());
  }
}

}  // namespace pictor
