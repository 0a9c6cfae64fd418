// Converting pixels between formats and palettes. Rows are decoded to xrgb
// values (red << 16 | green << 8 | blue) and encoded back; encoding into a
// palette format picks the nearest palette entry.
#pragma once

#include <cstdint>
#include <vector>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/nearest_color.h"

namespace pictor {

// Decodes n pixels of row y from column x0 into out.
void DecodeRow(const BitmapImage& image, int y, int x0, int n, std::uint32_t* out);

// Encodes xrgb values into rows of one image; remembers the last colour it
// looked up, so runs of one colour cost one palette search.
class RowEncoder {
 public:
  explicit RowEncoder(BitmapImage& image);
  std::uint32_t Native(std::uint32_t xrgb);
  void Encode(int y, int x0, int n, const std::uint32_t* xrgb);

 private:
  BitmapImage& image_;
  const PixelLayout& layout_;
  NearestColorIndex* nearest_ = nullptr;
  std::uint32_t lastColor_ = 0xFFFFFFFFu;
  std::uint32_t lastNative_ = 0;
};

// The image converted to another format, carrying the given palette.
BitmapImage ConvertImage(const BitmapImage& source, TPixelFormat format, OwnedPalette palette);

// Gives a palette-format image a new palette, mapping every pixel to the
// nearest colour of it.
void RemapToPalette(BitmapImage& image, OwnedPalette palette);

// For each index of the source palette, the native value of its colour in the target.
std::vector<std::uint32_t> PaletteToNative(const BitmapImage& source, BitmapImage& target);

}  // namespace pictor
