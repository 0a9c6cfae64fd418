#include "editor/snapshot.h"

#include <algorithm>

namespace pictor {

bool TSnapshot::SameGeometry(const TBitmap& bitmap) const {
  return bitmap.Width() == width_ && bitmap.Height() == height_ &&
         bitmap.PixelFormat() == format_ && bitmap.RowBytes() == stride_ &&
         bitmap.PixelBytes().size() == stride_ * std::size_t(height_ > 0 ? height_ : 0);
}

bool TSnapshot::SameLayout(const TSnapshot& other) const {
  return other.stride_ == stride_ && other.across_ == across_ && other.down_ == down_;
}

TSnapshot::TileRange TSnapshot::TilesOf(const TRect& pixels) const {
  const TRect r = IntersectRect(pixels, TRect{0, 0, width_, height_});
  if (r.IsEmpty()) return {};
  const std::size_t bits = static_cast<std::size_t>(BitsPerPixel(format_));
  const std::size_t first = static_cast<std::size_t>(r.Left) * bits / 8;
  const std::size_t end = std::min(stride_, (static_cast<std::size_t>(r.Right) * bits + 7) / 8);
  return TileRange{first / kTileBytes, (end + kTileBytes - 1) / kTileBytes,
                   static_cast<std::size_t>(r.Top) / kTileRows,
                   (static_cast<std::size_t>(r.Bottom) + kTileRows - 1) / kTileRows};
}

std::size_t TSnapshot::TileOffset(std::size_t i) const {
  return (i / across_) * kTileRows * stride_ + (i % across_) * kTileBytes;
}

std::size_t TSnapshot::TileWidth(std::size_t i) const {
  return std::min(kTileBytes, stride_ - (i % across_) * kTileBytes);
}

std::size_t TSnapshot::TileRows(std::size_t i) const {
  return std::min<std::size_t>(kTileRows, static_cast<std::size_t>(height_) - (i / across_) * kTileRows);
}

std::shared_ptr<const TSnapshot> TSnapshot::Take(const TBitmap& bitmap, const TSnapshot* basis,
                                                 const TRect& changed,
                                                 std::atomic<std::size_t>* account,
                                                 BlockList* fresh) {
  auto snapshot = std::make_shared<TSnapshot>();
  TSnapshot& s = *snapshot;
  s.width_ = bitmap.Width();
  s.height_ = bitmap.Height();
  s.format_ = bitmap.PixelFormat();
  s.stride_ = bitmap.RowBytes();
  const std::span<const PALETTEENTRY> palette = bitmap.PaletteEntries();
  s.palette_.assign(palette.begin(), palette.end());
  if (!bitmap.Empty() && s.stride_ > 0) {
    s.across_ = (s.stride_ + kTileBytes - 1) / kTileBytes;
    s.down_ = (static_cast<std::size_t>(s.height_) + kTileRows - 1) / kTileRows;
  }
  const std::size_t count = s.TileCount();
  const std::uint8_t* pixels = bitmap.PixelBytes().data();
  const bool share = basis && basis->SameGeometry(bitmap) && basis->SameLayout(s);
  // Outside the changed tiles every tile is the basis's.
  TileRange looked{0, s.across_, 0, s.down_};
  if (share) {
    s.chunks_ = basis->chunks_;
    looked = s.TilesOf(changed);
  } else {
    s.chunks_.resize((count + kChunkTiles - 1) / kChunkTiles);
    for (auto& chunk : s.chunks_) chunk = std::make_shared<Chunk>();
  }
  for (std::size_t ty = looked.y0; ty < looked.y1; ++ty)
    for (std::size_t tx = looked.x0; tx < looked.x1; ++tx) {
      const std::size_t i = ty * s.across_ + tx;
      const std::uint8_t* first = pixels + s.TileOffset(i);
      if (share && basis->Tile(i)->Holds(first, s.stride_)) continue;
      std::shared_ptr<Chunk>& chunk = s.chunks_[i / kChunkTiles];
      if (share && chunk == basis->chunks_[i / kChunkTiles]) chunk = std::make_shared<Chunk>(*chunk);
      auto tile = std::make_shared<const Block>(first, s.stride_, s.TileWidth(i), s.TileRows(i),
                                                account);
      if (fresh) fresh->push_back(tile);
      chunk->tiles[i % kChunkTiles] = std::move(tile);
    }
  return snapshot;
}

void TSnapshot::Restore(TBitmap& bitmap, const TSnapshot* shown) const {
  if (!SameGeometry(bitmap)) {
    bitmap.NewImage(width_, height_, format_, palette_);
    shown = nullptr;
  }
  if (shown && !SameLayout(*shown)) shown = nullptr;
  // Read before the writable pixels mark the whole image changed.
  const TileRange changed = TilesOf(bitmap.ChangedRect());
  std::uint8_t* pixels = bitmap.PixelBytes().data();
  const auto put = [&](std::size_t i) { Tile(i)->CopyTo(pixels + TileOffset(i), stride_); };
  if (!shown) {
    for (std::size_t i = 0; i < TileCount(); ++i) put(i);
  } else {
    // Tiles shared with the snapshot shown are already in place unless the
    // bitmap changed there since: those are written in the second pass.
    for (std::size_t c = 0; c < chunks_.size(); ++c) {
      if (chunks_[c] == shown->chunks_[c]) continue;
      const std::size_t end = std::min(TileCount(), (c + 1) * kChunkTiles);
      for (std::size_t i = c * kChunkTiles; i < end; ++i)
        if (Tile(i) != shown->Tile(i) && !changed.Holds(i, across_)) put(i);
    }
    for (std::size_t ty = changed.y0; ty < changed.y1; ++ty)
      for (std::size_t tx = changed.x0; tx < changed.x1; ++tx) put(ty * across_ + tx);
  }
  if (!std::ranges::equal(bitmap.PaletteEntries(), palette_)) bitmap.SetPaletteEntries(palette_);
}

}  // namespace pictor
