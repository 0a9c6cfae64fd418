#include "editor/snapshot_block.h"

#include <zstd.h>

#include <algorithm>
#include <cassert>
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
  Keep(first, stride);
}

TSnapshotBlock::TSnapshotBlock(Lent, const std::uint8_t* first, std::size_t stride,
                               std::size_t width, std::size_t rows,
                               std::atomic<std::size_t>* account)
    : width_(width), size_(width * rows), account_(account), lent_(first), lentStride_(stride) {}

TSnapshotBlock::TSnapshotBlock(Uniform, const std::uint8_t* first,
                               [[maybe_unused]] std::size_t stride, std::size_t width,
                               std::size_t rows, std::atomic<std::size_t>* account)
    : width_(width),
      size_(width * rows),
      account_(account),
      bytes_(first, first + kPattern),
      uniform_(true),
      tried_(true) {
  assert(Repeats(first, stride, width, rows, first));
  if (account_) account_->fetch_add(bytes_.size());
}

void TSnapshotBlock::Keep(const std::uint8_t* first, std::size_t stride) const {
  const std::size_t rows = size_ / width_;
  if (width_ >= kPattern && Repeats(first, stride, width_, rows, first)) {
    // A fill: the pattern stands for it, and packing has nothing to gain.
    bytes_.assign(first, first + kPattern);
    uniform_ = tried_ = true;
  } else {
    // Appended row by row into reserved room: no bytes are cleared first.
    bytes_.reserve(size_);
    for (std::size_t y = 0; y < rows; ++y, first += stride)
      bytes_.insert(bytes_.end(), first, first + width_);
  }
  if (account_) account_->fetch_add(bytes_.size());
}

bool TSnapshotBlock::LentFrom(const std::uint8_t* first) const {
  std::lock_guard lock(mutex_);
  return lent_ && lent_ == first;
}

void TSnapshotBlock::Own() const {
  std::lock_guard lock(mutex_);
  if (!lent_) return;
  Keep(lent_, lentStride_);
  lent_ = nullptr;
}

bool TSnapshotBlock::Repeats(const std::uint8_t* first, std::size_t stride, std::size_t width,
                             std::size_t rows, const std::uint8_t* pattern) {
  // Most blocks differ within their first bytes, so the test costs little
  // unless the block is a fill.
  for (std::size_t y = 0; y < rows; ++y, first += stride)
    if (std::memcmp(first, pattern, kPattern) != 0 ||
        std::memcmp(first + kPattern, first, width - kPattern) != 0)
      return false;
  return true;
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

bool TSnapshotBlock::Holds(const std::uint8_t* first, std::size_t stride, const Part& part) const {
  std::lock_guard lock(mutex_);
  if (uniform_) return Repeats(first, stride, width_, size_ / width_, bytes_.data());
  if (packed_) return false;
  if (lent_ == first) return true;
  const std::uint8_t* own = lent_ ? lent_ : bytes_.data();
  const std::size_t ownStride = lent_ ? lentStride_ : width_;
  const std::size_t n = part.x1 - part.x0;
  for (std::size_t y = part.y0; y < part.y1; ++y)
    if (std::memcmp(own + y * ownStride + part.x0, first + y * stride + part.x0, n) != 0)
      return false;
  return true;
}

void TSnapshotBlock::CopyTo(std::uint8_t* out, std::size_t stride) const {
  std::lock_guard lock(mutex_);
  if (uniform_) {
    // The first row is the pattern doubled up to the width; the others copy it.
    std::memcpy(out, bytes_.data(), kPattern);
    for (std::size_t done = kPattern; done < width_; done *= 2)
      std::memcpy(out + done, out, std::min(done, width_ - done));
    for (std::size_t y = 1; y < size_ / width_; ++y) std::memcpy(out + y * stride, out, width_);
    return;
  }
  if (lent_ == out) return;
  const std::uint8_t* from = bytes_.data();
  std::size_t fromStride = width_;
  if (lent_) {
    from = lent_;
    fromStride = lentStride_;
  } else if (packed_) {
    thread_local std::vector<std::uint8_t> unpacked;
    unpacked.resize(size_);
    const std::size_t n =
        ZSTD_decompressDCtx(UnpackContext(), unpacked.data(), size_, bytes_.data(), bytes_.size());
    if (ZSTD_isError(n) || n != size_) throw std::runtime_error("A history block does not unpack");
    from = unpacked.data();
  }
  for (std::size_t at = 0; at < size_; at += width_, out += stride, from += fromStride)
    std::memcpy(out, from, width_);
}

void TSnapshotBlock::Pack() const {
  {
    std::lock_guard lock(mutex_);
    // A lent block is packed once it owns its bytes: Own() hands it back.
    if (tried_ || packing_ || lent_) return;
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
