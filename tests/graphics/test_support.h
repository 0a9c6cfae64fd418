// Helpers shared by the graphics tests: bitmaps made in code and pixel dumps.
#pragma once

#include <string>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"

namespace pictor::testing {

// The pixel formats a rule is checked on: one palette format and one true-colour format,
// plus the rest where cheap.
inline const TPixelFormat kAllFormats[] = {pf1bit,  pf4bit,  pf8bit,  pf15bit,
                                           pf16bit, pf24bit, pf32bit, pfDevice};

// A white bitmap of the format (palette formats get their default palette).
inline std::unique_ptr<TBitmap> WhiteBitmap(TPixelFormat format, int width, int height) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(format);
  b->SetSize(width, height);
  return b;
}

// The pixels as rows of characters: '.' for `background`, '#' for `ink`, '?' otherwise.
inline std::vector<std::string> Dump(TBitmap& b, TColor background = clWhite, TColor ink = clBlack) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      TColor c = b.Canvas()->Pixels(x, y);
      row += c == background ? '.' : (c == ink ? '#' : '?');
    }
    rows.push_back(row);
  }
  return rows;
}

inline int Count(TBitmap& b, TColor color) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas()->Pixels(x, y) == color;
  return n;
}

}  // namespace pictor::testing
