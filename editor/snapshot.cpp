#include "editor/snapshot.h"

#include <algorithm>
#include <cstring>

namespace pictor {
namespace {

std::vector<PALETTEENTRY> PaletteEntries(const OwnedPalette& palette) {
  std::vector<PALETTEENTRY> entries(palette.size());
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = palette[i];
  return entries;
}

}  // namespace

bool TSnapshot::SameGeometry(const BitmapImage& image) const {
  return image.width == width_ && image.height == height_ && image.format == format_ &&
         image.stride == stride_ &&
         image.pixels.size() == stride_ * std::size_t(height_ > 0 ? height_ : 0);
}

std::shared_ptr<const TSnapshot> TSnapshot::Take(const TBitmap& bitmap, const TSnapshot* basis) {
  const BitmapImage& image = bitmap.Image();
  auto snapshot = std::make_shared<TSnapshot>();
  snapshot->width_ = image.width;
  snapshot->height_ = image.height;
  snapshot->format_ = image.format;
  snapshot->stride_ = image.stride;
  snapshot->hasPalette_ = !image.palette.empty();
  snapshot->palette_ = PaletteEntries(image.palette);

  const std::uint8_t* pixels = image.pixels.data();
  const std::size_t size = image.empty() ? 0 : image.pixels.size();
  const bool share =
      basis && basis->SameGeometry(image) && basis->blocks_.size() * kBlockSize >= size;
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
  BitmapImage& current = bitmap.Image();
  if (SameGeometry(current)) {
    std::uint8_t* pixels = current.pixels.data();
    std::size_t offset = 0;
    for (const auto& block : blocks_) {
      if (std::memcmp(pixels + offset, block->data(), block->size()) != 0)
        std::memcpy(pixels + offset, block->data(), block->size());
      offset += block->size();
    }
    if (!hasPalette_) {
      if (!current.palette.empty()) current.palette = OwnedPalette();
    } else if (PaletteEntries(current.palette) != palette_) {
      current.palette = OwnedPalette::FromEntries(palette_);
    }
    return;
  }
  BitmapImage image = AllocateImage(width_, height_, format_);
  std::size_t offset = 0;
  for (const auto& block : blocks_) {
    std::memcpy(image.pixels.data() + offset, block->data(), block->size());
    offset += block->size();
  }
  if (hasPalette_) image.palette = OwnedPalette::FromEntries(palette_);
  bitmap.ReplaceImage(std::move(image));
}

}  // namespace pictor
