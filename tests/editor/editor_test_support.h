// Bitmaps and checks shared by the editor window's tests.
#pragma once

#include <memory>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"

namespace pictor::edtest {

// A bitmap of the format, white, with pixel (x, y) of the pattern colour
// Pattern(x, y) where that is not white.
inline TColor Pattern(int x, int y) {
  static const TColor colors[] = {clWhite, clBlack, clRed, clLime, clBlue, clYellow};
  return colors[(x + 2 * y) % 6];
}

inline std::unique_ptr<TBitmap> PatternBitmap(TPixelFormat format, int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixels(x, y, Pattern(x, y));
  return bitmap;
}

inline unsigned PaletteSize(const TBitmap& bitmap) {
  return GetPaletteEntries(bitmap.Palette(), 0, 0, nullptr);
}

}  // namespace pictor::edtest
