#include "editor/snapshot_block.h"

#include <zstd.h>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace pictor {
namespace {

// Level 1: packing runs behind the user's work and must keep up with it.
constexpr int kPackLevel = 1;

struct ContextDeleter {
  void operator()(ZSTD_CCtx* c) const { ZSTD_freeCCtx(c); }
  void operator()(ZSTD_DCtx* d) const { ZSTD_freeDCtx(d); }
};

ZSTD_CCtx* PackContext() {
  thread_local std::unique_ptr<ZSTD_CCtx, ContextDeleter> context(ZSTD_createCCtx());
  return context.get();
}

ZSTD_DCtx* UnpackContext() {
  thread_local std::unique_ptr<ZSTD_DCtx, ContextDeleter> context(ZSTD_createDCtx());
  return context.get();
}

}  // namespace

TSnapshotBlock::TSnapshotBlock(const std::uint8_t* first, std::size_t stride, std::size_t width,
                               std::size_t rows, std::atomic<std::size_t>* account)
    : width_(width), size_(width * rows), account_(account) {
  // Appended row by row into reserved room: no bytes are cleared first.
  bytes_.reserve(size_);
  for (std::size_t y = 0; y < rows; ++y, first += stride) bytes_.insert(bytes_.end(), first, first + width);
  if (account_) account_->fetch_add(bytes_.size());
}

TSnapshotBlock::~TSnapshotBlock() {
  if (account_) account_->fetch_sub(bytes_.size());
}

std::size_t TSnapshotBlock::StoredBytes() const {
  std::lock_guard lock(mutex_);
  return bytes_.size();
}

bool TSnapshotBlock::Packed() const {
  std::lock_guard lock(mutex_);
  return packed_;
}

bool TSnapshotBlock::Holds(const std::uint8_t* first, std::size_t stride) const {
  std::lock_guard lock(mutex_);
  if (packed_) return false;
  for (std::size_t at = 0; at < size_; at += width_, first += stride)
    if (std::memcmp(bytes_.data() + at, first, width_) != 0) return false;
  return true;
}

void TSnapshotBlock::CopyTo(std::uint8_t* out, std::size_t stride) const {
  std::lock_guard lock(mutex_);
  const std::uint8_t* from = bytes_.data();
  if (packed_) {
    thread_local std::vector<std::uint8_t> unpacked;
    unpacked.resize(size_);
    const std::size_t n =
        ZSTD_decompressDCtx(UnpackContext(), unpacked.data(), size_, bytes_.data(), bytes_.size());
    if (ZSTD_isError(n) || n != size_) throw std::runtime_error("A history block does not unpack");
    from = unpacked.data();
  }
  for (std::size_t at = 0; at < size_; at += width_, out += stride)
    std::memcpy(out, from + at, width_);
}

void TSnapshotBlock::Pack() const {
  {
    std::lock_guard lock(mutex_);
    if (tried_ || packing_) return;
    packing_ = true;
  }
  // Only the one packer that claimed the block changes its bytes, and only
  // under the lock below, so it may read them unlocked meanwhile.
  std::vector<std::uint8_t> frame(ZSTD_compressBound(size_));
  const std::size_t n =
      ZSTD_compressCCtx(PackContext(), frame.data(), frame.size(), bytes_.data(), size_, kPackLevel);
  std::lock_guard lock(mutex_);
  tried_ = true;
  if (ZSTD_isError(n) || n >= size_ - size_ / 16) return;  // no real gain: keep the copy
  frame.resize(n);
  frame.shrink_to_fit();
  if (account_) account_->fetch_sub(bytes_.size() - frame.size());
  bytes_ = std::move(frame);
  packed_ = true;
}

}  // namespace pictor
