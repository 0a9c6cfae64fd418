#include "editor/snapshot.h"

#include <algorithm>
#include <cstring>

namespace pictor {

bool TSnapshot::SameGeometry(const TBitmap& bitmap) const {
  return bitmap.Width() == width_ && bitmap.Height() == height_ &&
         bitmap.PixelFormat() == format_ && bitmap.RowBytes() == stride_ &&
         bitmap.PixelBytes().size() == stride_ * std::size_t(height_ > 0 ? height_ : 0);
}

std::pair<std::size_t, std::size_t> TSnapshot::BlocksOfRows(int top, int bottom) const {
  if (bottom <= top) return {0, 0};
  const std::size_t first = static_cast<std::size_t>(top) * stride_ / kBlockSize;
  const std::size_t end = static_cast<std::size_t>(bottom) * stride_;
  return {first, std::min(blocks_.size(), (end + kBlockSize - 1) / kBlockSize)};
}

std::shared_ptr<const TSnapshot> TSnapshot::Take(const TBitmap& bitmap, const TSnapshot* basis,
                                                 const TRect& changed,
                                                 std::atomic<std::size_t>* account) {
  auto snapshot = std::make_shared<TSnapshot>();
  snapshot->width_ = bitmap.Width();
  snapshot->height_ = bitmap.Height();
  snapshot->format_ = bitmap.PixelFormat();
  snapshot->stride_ = bitmap.RowBytes();
  const std::span<const PALETTEENTRY> palette = bitmap.PaletteEntries();
  snapshot->palette_.assign(palette.begin(), palette.end());

  const std::uint8_t* pixels = bitmap.PixelBytes().data();
  const std::size_t size = bitmap.Empty() ? 0 : bitmap.PixelBytes().size();
  const std::size_t count = (size + kBlockSize - 1) / kBlockSize;
  const bool share = basis && basis->SameGeometry(bitmap) && basis->blocks_.size() == count;
  snapshot->blocks_.resize(count);
  // Outside the changed rows every block is the basis's.
  std::pair<std::size_t, std::size_t> looked{0, count};
  if (share) {
    const TRect rows = IntersectRect(changed, TRect{0, 0, bitmap.Width(), bitmap.Height()});
    looked = basis->BlocksOfRows(rows.Top, rows.Bottom);
    std::copy(basis->blocks_.begin(), basis->blocks_.end(), snapshot->blocks_.begin());
  }
  for (std::size_t i = looked.first; i < looked.second; ++i) {
    const std::size_t offset = i * kBlockSize;
    const std::size_t length = std::min(kBlockSize, size - offset);
    if (share && basis->blocks_[i]->Holds(pixels + offset)) continue;
    snapshot->blocks_[i] = std::make_shared<const Block>(pixels + offset, length, account);
  }
  return snapshot;
}

void TSnapshot::Restore(TBitmap& bitmap, const TSnapshot* shown) const {
  if (!SameGeometry(bitmap)) {
    bitmap.NewImage(width_, height_, format_, palette_);
    shown = nullptr;
  }
  if (shown && (shown->stride_ != stride_ || shown->blocks_.size() != blocks_.size()))
    shown = nullptr;
  // Blocks shared with the snapshot shown are already in place unless the
  // bitmap changed there since.
  std::pair<std::size_t, std::size_t> changed{0, blocks_.size()};
  if (shown) {
    const TRect rows = bitmap.ChangedRect();
    changed = BlocksOfRows(rows.Top, rows.Bottom);
  }
  std::uint8_t* pixels = bitmap.PixelBytes().data();
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    const bool inPlace =
        shown && shown->blocks_[i] == blocks_[i] && (i < changed.first || i >= changed.second);
    if (!inPlace) blocks_[i]->CopyTo(pixels + i * kBlockSize);
  }
  if (!std::ranges::equal(bitmap.PaletteEntries(), palette_)) bitmap.SetPaletteEntries(palette_);
}

}  // namespace pictor
