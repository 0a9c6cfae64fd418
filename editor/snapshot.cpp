#include "editor/snapshot.h"

#include <algorithm>
#include <utility>

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

void TSnapshot::Describe(const TBitmap& bitmap) {
  width_ = bitmap.Width();
  height_ = bitmap.Height();
  format_ = bitmap.PixelFormat();
  stride_ = bitmap.RowBytes();
  const std::span<const PALETTEENTRY> palette = bitmap.PaletteEntries();
  palette_.assign(palette.begin(), palette.end());
  if (!bitmap.Empty() && stride_ > 0) {
    across_ = (stride_ + kTileBytes - 1) / kTileBytes;
    down_ = (static_cast<std::size_t>(height_) + kTileRows - 1) / kTileRows;
  }
}

TRect TSnapshot::TileRect(std::size_t i) const {
  const std::size_t bits = static_cast<std::size_t>(BitsPerPixel(format_));
  const std::size_t first = (i % across_) * kTileBytes;
  const std::size_t end = first + TileWidth(i);
  const int top = static_cast<int>((i / across_) * kTileRows);
  return TRect{static_cast<int>(first * 8 / bits), top,
               static_cast<int>(std::min<std::size_t>(width_, (end * 8 + bits - 1) / bits)),
               top + static_cast<int>(TileRows(i))};
}

TSnapshot::Block::Part TSnapshot::PartOf(std::size_t i, const TRect& pixels) const {
  const TRect r = IntersectRect(pixels, TileRect(i));
  if (r.IsEmpty()) return Block::Part{0, 0, 0, 0};
  const std::size_t bits = static_cast<std::size_t>(BitsPerPixel(format_));
  const std::size_t left = (i % across_) * kTileBytes, top = (i / across_) * kTileRows;
  const std::size_t first = static_cast<std::size_t>(r.Left) * bits / 8;
  // A part that reaches the row's last pixel takes the padding bytes too.
  const std::size_t end =
      r.Right >= width_ ? stride_ : (static_cast<std::size_t>(r.Right) * bits + 7) / 8;
  return Block::Part{std::max(first, left) - left, std::min(end, left + TileWidth(i)) - left,
                     static_cast<std::size_t>(r.Top) - top,
                     static_cast<std::size_t>(r.Bottom) - top};
}

bool TSnapshot::Fills(std::size_t i, const TRect& uniform) const {
  if (uniform.IsEmpty() || TileWidth(i) < Block::kPattern) return false;
  // Every byte of the tile must be pixels of the area: no padding at the row's end.
  const std::size_t end = (i % across_) * kTileBytes + TileWidth(i);
  if (end * 8 > static_cast<std::size_t>(width_) * static_cast<std::size_t>(BitsPerPixel(format_)))
    return false;
  const TRect r = TileRect(i);
  return IntersectRect(r, uniform) == r;
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
  s.Describe(bitmap);
  const std::size_t count = s.TileCount();
  const std::uint8_t* pixels = bitmap.PixelBytes().data();
  const bool share = basis && basis->SameGeometry(bitmap);
  const TRect uniform = bitmap.UniformRect();
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
      const bool filled = s.Fills(i, uniform);
      if (share && !filled && basis->Tile(i)->Holds(first, s.stride_, s.PartOf(i, changed)))
        continue;
      std::shared_ptr<Chunk>& chunk = s.chunks_[i / kChunkTiles];
      if (share && chunk == basis->chunks_[i / kChunkTiles]) chunk = std::make_shared<Chunk>(*chunk);
      auto tile = filled ? std::make_shared<const Block>(Block::Uniform{}, first, s.stride_,
                                                         s.TileWidth(i), s.TileRows(i), account)
                         : std::make_shared<const Block>(first, s.stride_, s.TileWidth(i),
                                                         s.TileRows(i), account);
      if (fresh) fresh->push_back(tile);
      chunk->tiles[i % kChunkTiles] = std::move(tile);
    }
  return snapshot;
}

std::shared_ptr<const TSnapshot> TSnapshot::Lend(TBitmap& bitmap,
                                                 std::atomic<std::size_t>* account,
                                                 std::function<void(const BlockList&)> owned,
                                                 std::shared_ptr<Loan>* loan) {
  auto snapshot = std::make_shared<TSnapshot>();
  TSnapshot& s = *snapshot;
  s.Describe(bitmap);
  auto watch = std::make_shared<Loan>();
  watch->grid_.Describe(bitmap);
  watch->grid_.palette_.clear();
  watch->owned_ = std::move(owned);
  watch->account_ = account;
  const std::size_t count = s.TileCount();
  watch->tiles_.resize(count);
  watch->done_.resize(count);
  watch->left_ = count;
  s.chunks_.resize((count + kChunkTiles - 1) / kChunkTiles);
  for (auto& chunk : s.chunks_) chunk = std::make_shared<Chunk>();
  const std::uint8_t* pixels = std::as_const(bitmap).PixelBytes().data();
  for (std::size_t i = 0; i < count; ++i) {
    auto tile = std::make_shared<const Block>(Block::Lent{}, pixels + s.TileOffset(i), s.stride_,
                                              s.TileWidth(i), s.TileRows(i), account);
    watch->tiles_[i] = tile;
    s.chunks_[i / kChunkTiles]->tiles[i % kChunkTiles] = std::move(tile);
  }
  bitmap.SetWatch(watch);
  *loan = std::move(watch);
  return snapshot;
}

bool TSnapshot::Loan::BeforeWrite(const TRect& rect) {
  if (ended_) return false;
  const TileRange range = grid_.TilesOf(rect);
  BlockList owned;
  for (std::size_t ty = range.y0; ty < range.y1; ++ty)
    for (std::size_t tx = range.x0; tx < range.x1; ++tx) {
      const std::size_t i = ty * grid_.across_ + tx;
      if (done_[i]) continue;
      done_[i] = true;
      --left_;
      // A tile no snapshot holds any more needs no copy.
      if (auto tile = tiles_[i].lock()) {
        tile->Own();
        owned.push_back(std::move(tile));
      }
      tiles_[i].reset();
    }
  if (!owned.empty() && owned_) owned_(owned);
  return left_ > 0;
}

void TSnapshot::Loan::KeepPixels(std::shared_ptr<const void> memory) {
  if (ended_) return;
  kept_ = std::move(memory);
  keptBytes_ = grid_.stride_ * static_cast<std::size_t>(grid_.height_);
  if (account_) account_->fetch_add(keptBytes_);
}

void TSnapshot::Loan::End() {
  ended_ = true;
  owned_ = nullptr;
  if (account_) account_->fetch_sub(keptBytes_);
  keptBytes_ = 0;
  account_ = nullptr;
  kept_.reset();
  tiles_.clear();
  done_.clear();
}

void TSnapshot::Restore(TBitmap& bitmap, const TSnapshot* shown) const {
  if (!SameGeometry(bitmap)) {
    bitmap.NewImage(width_, height_, format_, palette_);
    shown = nullptr;
  }
  if (shown && !SameLayout(*shown)) shown = nullptr;
  // Read before the tiles written add to it.
  const TileRange changed = TilesOf(bitmap.ChangedRect());
  std::uint8_t* pixels = bitmap.PixelBytesForMarkedWrites().data();
  const auto put = [&](std::size_t i) {
    const Block& tile = *Tile(i);
    std::uint8_t* at = pixels + TileOffset(i);
    // A tile lent from these very pixels is there already.
    if (tile.LentFrom(at)) return;
    bitmap.MarkChanged(TileRect(i));
    tile.CopyTo(at, stride_);
  };
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
