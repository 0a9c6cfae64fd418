#include "editor/snapshot.h"

#include <algorithm>
#include <cstring>

namespace pictor {

bool TSnapshot::SameGeometry(const TBitmap& bitmap) const {
  return bitmap.Width() == width_ && bitmap.Height() == height_ &&
         bitmap.PixelFormat() == format_ && bitmap.RowBytes() == stride_ &&
         bitmap.PixelBytes().size() == stride_ * std::size_t(height_ > 0 ? height_ : 0);
}

std::shared_ptr<const TSnapshot> TSnapshot::Take(const TBitmap& bitmap, const TSnapshot* basis) {
  auto snapshot = std::make_shared<TSnapshot>();
  snapshot->width_ = bitmap.Width();
  snapshot->height_ = bitmap.Height();
  snapshot->format_ = bitmap.PixelFormat();
  snapshot->stride_ = bitmap.RowBytes();
  const std::span<const PALETTEENTRY> palette = bitmap.PaletteEntries();
  snapshot->palette_.assign(palette.begin(), palette.end());

  const std::uint8_t* pixels = bitmap.PixelBytes().data();
  const std::size_t size = bitmap.Empty() ? 0 : bitmap.PixelBytes().size();
  const bool share =
      basis && basis->SameGeometry(bitmap) && basis->blocks_.size() * kBlockSize >= size;
  snapshot->blocks_.reserve((size + kBlockSize - 1) / kBlockSize);
  for (std::size_t offset = 0, i = 0; offset < size; offset += kBlockSize, ++i) {
    const std::size_t length = std::min(kBlockSize, size - offset);
    if (share) {
      const auto& old = basis->blocks_[i];
      if (old->size() == length && std::memcmp(old->data(), pixels + offset, length) == 0) {
        snapshot->blocks_.push_back(old);
        continue;
      }
    }
    snapshot->blocks_.push_back(
        std::make_shared<const Block>(pixels + offset, pixels + offset + length));
  }
  return snapshot;
}

void TSnapshot::Restore(TBitmap& bitmap) const {
  if (SameGeometry(bitmap)) {
    std::uint8_t* pixels = bitmap.PixelBytes().data();
    std::size_t offset = 0;
    for (const auto& block : blocks_) {
      if (std::memcmp(pixels + offset, block->data(), block->size()) != 0)
        std::memcpy(pixels + offset, block->data(), block->size());
      offset += block->size();
    }
    if (!std::ranges::equal(bitmap.PaletteEntries(), palette_)) bitmap.SetPaletteEntries(palette_);
    return;
  }
  bitmap.NewImage(width_, height_, format_, palette_);
  std::uint8_t* pixels = bitmap.PixelBytes().data();
  std::size_t offset = 0;
  for (const auto& block : blocks_) {
    std::memcpy(pixels + offset, block->data(), block->size());
    offset += block->size();
  }
}

}  // namespace pictor
