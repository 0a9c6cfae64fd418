// Exact images of a bitmap for the undo history. A snapshot holds the size,
// pixel format, palette and pixel bytes; the pixels are cut into tiles of a
// few rows and at most kTileBytes bytes of each, and a tile that did not
// change since an earlier snapshot is shared with it, so a history of small
// changes costs little more than one image, and an entry's cost follows the
// rectangle that changed, not the image's width or height. The tiles are
// grouped in chunks that are shared whole while none of their tiles changed,
// so that recording or dropping an entry touches a pointer per chunk rather
// than per tile. Tiles are packed with zstd once recorded (snapshot_block.h).
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "editor/snapshot_block.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/color.h"

namespace pictor {

class TSnapshot {
 public:
  // A tile: at most kTileBytes bytes of each of at most kTileRows rows.
  static constexpr std::size_t kTileBytes = 1024;
  static constexpr int kTileRows = 64;
  static constexpr std::size_t kBlockSize = kTileBytes * kTileRows;

  using Block = TSnapshotBlock;
  using BlockList = std::vector<std::shared_ptr<const Block>>;

  // The bitmap as it is now. `basis` is a snapshot of the same geometry (or
  // nullptr) that the bitmap equals outside the rectangle `changed`: its
  // tiles wholly outside that rectangle are shared without being looked at;
  // the others are copied unless equal to the basis's unpacked tile. The
  // bytes of new tiles are counted in *account; the new tiles are added to
  // *fresh.
  static std::shared_ptr<const TSnapshot> Take(const TBitmap& bitmap, const TSnapshot* basis,
                                               const TRect& changed,
                                               std::atomic<std::size_t>* account = nullptr,
                                               BlockList* fresh = nullptr);

  // The bitmap as it is now, its tiles lent from its pixels instead of
  // copied (see snapshot_block.h): the snapshot sets a watch on the bitmap
  // that, before pixels change, makes the tiles under them copies and hands
  // those to `owned` (to be packed). *loan receives the watch, whose End()
  // stops it; the bitmap must not outlive the snapshot's tiles without it.
  class Loan;
  static std::shared_ptr<const TSnapshot> Lend(TBitmap& bitmap,
                                               std::atomic<std::size_t>* account,
                                               std::function<void(const BlockList&)> owned,
                                               std::shared_ptr<Loan>* loan);

  // Makes the bitmap exactly the recorded image: size, pixel format, palette
  // and pixels; nothing else of the bitmap changes. `shown` (or nullptr) is a
  // snapshot the bitmap equals outside its ChangedRect(): tiles this one
  // shares with it are then left alone.
  void Restore(TBitmap& bitmap, const TSnapshot* shown = nullptr) const;

  // Whether the bitmap has this snapshot's size, format and row length, so
  // that Take can share its tiles.
  bool SameGeometry(const TBitmap& bitmap) const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }

  // Calls f(chunk, tile) for each tile, where chunk identifies the group of
  // tiles the tile belongs to (shared by snapshots that share the group).
  template <typename F>
  void ForEachTile(F f) const {
    for (const auto& chunk : chunks_)
      for (const auto& tile : chunk->tiles)
        if (tile) f(static_cast<const void*>(chunk.get()), *tile);
  }
  std::size_t TileCount() const { return across_ * down_; }
  // Bytes of the palette entries.
  std::size_t PaletteBytes() const { return palette_.size() * sizeof(PALETTEENTRY); }

 private:
  static constexpr std::size_t kChunkTiles = 64;
  struct Chunk {
    std::array<std::shared_ptr<const Block>, kChunkTiles> tiles;
  };
  // Tiles [x0, x1) x [y0, y1) in tile columns and rows.
  struct TileRange {
    std::size_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    bool Holds(std::size_t i, std::size_t across) const {
      const std::size_t x = i % across, y = i / across;
      return x >= x0 && x < x1 && y >= y0 && y < y1;
    }
  };

  // Takes the bitmap's size, format, row length and palette.
  void Describe(const TBitmap& bitmap);
  bool SameLayout(const TSnapshot& other) const;
  TileRange TilesOf(const TRect& pixels) const;
  const std::shared_ptr<const Block>& Tile(std::size_t i) const {
    return chunks_[i / kChunkTiles]->tiles[i % kChunkTiles];
  }
  // The pixels whose bytes tile i holds (some of them only in part).
  TRect TileRect(std::size_t i) const;
  // The bytes and rows of tile i, counted from the tile's first, that hold
  // the pixels of rect (nothing when rect misses the tile).
  Block::Part PartOf(std::size_t i, const TRect& rect) const;
  // Whether every byte of tile i is pixels inside `uniform`, an area of one
  // value, so that the tile repeats its first bytes.
  bool Fills(std::size_t i, const TRect& uniform) const;
  // Where tile i starts in the pixel bytes, and its width in bytes and rows.
  std::size_t TileOffset(std::size_t i) const;
  std::size_t TileWidth(std::size_t i) const;
  std::size_t TileRows(std::size_t i) const;

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  std::size_t stride_ = 0;
  std::size_t across_ = 0, down_ = 0;  // tile columns and rows
  std::vector<PALETTEENTRY> palette_;
  // Chunks are changed only while the snapshot being taken is their sole owner.
  std::vector<std::shared_ptr<Chunk>> chunks_;
};

class TSnapshot::Loan final : public TPixelWatch {
 public:
  bool BeforeWrite(const TRect& rect) override;
  // The tiles not yet copied go on reading the memory kept.
  void KeepPixels(std::shared_ptr<const void> memory) override;
  // No more copies or hand-overs: the history that holds the tiles goes.
  void End();
  bool Ended() const { return ended_; }
  // Bytes of the bitmap's former pixel memory the loan keeps.
  std::size_t KeptBytes() const { return keptBytes_; }

 private:
  friend class TSnapshot;
  TSnapshot grid_;  // the lent snapshot's geometry, without its tiles
  std::vector<std::weak_ptr<const Block>> tiles_;  // by tile index
  std::vector<bool> done_;  // the tile is owned (or dropped) and needs no notice
  std::size_t left_ = 0;    // tiles not yet done
  std::function<void(const BlockList&)> owned_;
  std::shared_ptr<const void> kept_;  // the bitmap's former pixel memory
  std::size_t keptBytes_ = 0;         // counted in account_ while kept
  std::atomic<std::size_t>* account_ = nullptr;
  bool ended_ = false;
};

}  // namespace pictor
