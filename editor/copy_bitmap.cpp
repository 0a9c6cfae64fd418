#include "editor/copy_bitmap.h"

#include <algorithm>

namespace pictor {

void CopyBitmap(const TBitmap* source, TBitmap* dest) {
  // A load takes the image alone: the copy's transparency and palette
  // handling stay its own.
  const bool transparent = dest->Transparent();
  const TTransparentMode mode = dest->TransparentMode();
  const TColor color = dest->TransparentColor();
  const bool ignorePalette = dest->IgnorePalette();
  dest->Assign(source);
  // The file holds no row padding, nor the bits after a row's last pixel:
  // a load leaves them 0.
  const std::size_t bits = static_cast<std::size_t>(dest->Width()) * BitsPerPixel(dest->PixelFormat());
  const std::size_t used = (bits + 7) / 8;
  const std::size_t stride = dest->RowBytes();
  const auto lastByteMask = static_cast<std::uint8_t>(bits % 8 ? 0xFF00 >> (bits % 8) : 0xFF);
  if (!dest->Empty() && (used < stride || lastByteMask != 0xFF)) {
    const std::span<std::uint8_t> bytes = dest->PixelBytes();
    for (std::size_t row = 0; row + stride <= bytes.size(); row += stride) {
      bytes[row + used - 1] &= lastByteMask;
      std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(row + used),
                bytes.begin() + static_cast<std::ptrdiff_t>(row + stride), std::uint8_t{0});
    }
  }
  dest->SetTransparent(transparent);
  if (mode == tmFixed)
    dest->SetTransparentColor(color);
  else
    dest->SetTransparentMode(tmAuto);
  dest->SetIgnorePalette(ignorePalette);
}

}  // namespace pictor
