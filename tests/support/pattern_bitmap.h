// Bitmaps of a known pattern, made in code, for the tests of every folder.
#pragma once

#include <memory>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"

namespace pictor::testing {

// The colour of pixel (x, y) of the pattern: white, black, red, lime, blue
// and yellow in diagonal stripes; seed shifts the stripes.
inline TColor PatternColor(int x, int y, int seed = 0) {
  static const TColor colors[] = {clWhite, clBlack, clRed, clLime, clBlue, clYellow};
  return colors[(x + 2 * y + seed) % 6];
}

// A bitmap of the format and size holding the pattern, on the format's own
// palette.
inline std::unique_ptr<TBitmap> PatternBitmap(TPixelFormat format, int width, int height,
                                              int seed = 0) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixels(x, y, PatternColor(x, y, seed));
  return bitmap;
}

// The number of entries of the bitmap's palette.
inline unsigned PaletteSize(const TBitmap& bitmap) {
  return GetPaletteEntries(bitmap.Palette(), 0, 0, nullptr);
}

}  // namespace pictor::testing
