// Exact images of a bitmap for the undo history. A snapshot holds the size,
// pixel format, palette and pixel bytes; the pixels are cut into blocks, and a
// block equal to the same block of an earlier snapshot is shared with it, so a
// history of small changes costs little more than one image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/color.h"

namespace pictor {

class TSnapshot {
 public:
  // Bytes of pixel data per block.
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // The bitmap as it is now. Blocks equal to those of `basis` (a snapshot of
  // the same geometry, or nullptr) are shared with it instead of copied.
  static std::shared_ptr<const TSnapshot> Take(const TBitmap& bitmap, const TSnapshot* basis);

  // Makes the bitmap exactly the recorded image: size, pixel format, palette
  // and pixels; nothing else of the bitmap changes. When the geometry matches,
  // only the blocks that differ are written.
  void Restore(TBitmap& bitmap) const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }

  using Block = std::vector<std::uint8_t>;
  const std::vector<std::shared_ptr<const Block>>& Blocks() const { return blocks_; }
  // Bytes of the palette entries.
  std::size_t PaletteBytes() const { return palette_.size() * sizeof(PALETTEENTRY); }

 private:
  bool SameGeometry(const TBitmap& bitmap) const;

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  std::size_t stride_ = 0;
  std::vector<PALETTEENTRY> palette_;
  std::vector<std::shared_ptr<const Block>> blocks_;
};

}  // namespace pictor
