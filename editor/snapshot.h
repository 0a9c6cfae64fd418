// Exact images of a bitmap for the undo history. A snapshot holds the size,
// pixel format, palette and pixel bytes; the pixels are cut into blocks, and a
// block that did not change since an earlier snapshot is shared with it, so a
// history of small changes costs little more than one image. Blocks are
// packed with zstd once recorded (snapshot_block.h).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/snapshot_block.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/color.h"

namespace pictor {

class TSnapshot {
 public:
  // Bytes of pixel data per block.
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // The bitmap as it is now. `basis` is a snapshot of the same geometry (or
  // nullptr) that the bitmap equals outside the rectangle `changed`: its
  // blocks that lie wholly outside that rectangle's rows are shared without
  // being looked at; the others are copied unless equal to the basis's
  // unpacked block. The bytes of new blocks are counted in *account.
  static std::shared_ptr<const TSnapshot> Take(const TBitmap& bitmap, const TSnapshot* basis,
                                               const TRect& changed,
                                               std::atomic<std::size_t>* account = nullptr);

  // Makes the bitmap exactly the recorded image: size, pixel format, palette
  // and pixels; nothing else of the bitmap changes. `shown` (or nullptr) is a
  // snapshot the bitmap equals outside its ChangedRect(): blocks this one
  // shares with it are then left alone.
  void Restore(TBitmap& bitmap, const TSnapshot* shown = nullptr) const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }

  using Block = TSnapshotBlock;
  const std::vector<std::shared_ptr<const Block>>& Blocks() const { return blocks_; }
  // Bytes of the palette entries.
  std::size_t PaletteBytes() const { return palette_.size() * sizeof(PALETTEENTRY); }

 private:
  bool SameGeometry(const TBitmap& bitmap) const;
  // The blocks that hold bytes of rows [top, bottom), as [first, last).
  std::pair<std::size_t, std::size_t> BlocksOfRows(int top, int bottom) const;

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  std::size_t stride_ = 0;
  std::vector<PALETTEENTRY> palette_;
  std::vector<std::shared_ptr<const Block>> blocks_;
};

}  // namespace pictor
