#include "host/graphics/pixels/pixel_access.h"

#include "host/graphics/pixels/nearest_color.h"

namespace pictor {

std::uint32_t ColorToNative(const BitmapImage& image, TColor color) {
  const PixelLayout& layout = LayoutOf(image.format);
  if (!layout.indexed) return layout.Pack(ColorToXrgb(color));
  if (image.palette.empty()) return 0;
  return static_cast<std::uint32_t>(
      NearestPaletteIndex(*image.palette.data(), layout.PaletteEntries(), color));
}

TColor NativeToColor(const BitmapImage& image, std::uint32_t v) {
  const PixelLayout& layout = LayoutOf(image.format);
  if (!layout.indexed) return XrgbToColor(layout.Unpack(v));
  if (v >= image.palette.size()) return clBlack;
  return EntryColor(image.palette[v]);
}

}  // namespace pictor
