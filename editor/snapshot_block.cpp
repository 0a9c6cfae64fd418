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

TSnapshotBlock::TSnapshotBlock(const std::uint8_t* data, std::size_t size,
                               std::atomic<std::size_t>* account)
    : size_(size), account_(account), bytes_(data, data + size) {
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

bool TSnapshotBlock::Holds(const std::uint8_t* data) const {
  std::lock_guard lock(mutex_);
  return !packed_ && std::memcmp(bytes_.data(), data, size_) == 0;
}

void TSnapshotBlock::CopyTo(std::uint8_t* out) const {
  std::lock_guard lock(mutex_);
  if (!packed_) {
    std::memcpy(out, bytes_.data(), size_);
    return;
  }
  const std::size_t n = ZSTD_decompressDCtx(UnpackContext(), out, size_, bytes_.data(), bytes_.size());
  if (ZSTD_isError(n) || n != size_) throw std::runtime_error("A history block does not unpack");
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
