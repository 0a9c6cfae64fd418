#include "editor/block_packer.h"

namespace pictor {
namespace {

// How long the queue must have been left alone before the thread packs.
constexpr std::chrono::milliseconds kSettle{100};

}  // namespace

TBlockPacker::~TBlockPacker() {
  if (thread_.joinable()) {
    thread_.request_stop();
    thread_.join();
  }
}

void TBlockPacker::Enqueue(std::span<const std::shared_ptr<const TSnapshotBlock>> blocks) {
  if (blocks.empty()) return;
  {
    std::lock_guard lock(mutex_);
    for (const auto& block : blocks) queue_.emplace_back(block);
    queued_ = std::chrono::steady_clock::now();
    if (!thread_.joinable()) thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  }
  wake_.notify_one();
}

// The next live block of the queue, or nullptr when it is empty. Called with
// the lock held.
std::shared_ptr<const TSnapshotBlock> TBlockPacker::Next() {
  while (!queue_.empty()) {
    std::shared_ptr<const TSnapshotBlock> block = queue_.front().lock();
    queue_.pop_front();
    if (block) return block;
  }
  return nullptr;
}

void TBlockPacker::Run(std::stop_token stop) {
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    if (!queue_.empty() && std::chrono::steady_clock::now() < queued_ + kSettle) {
      // Wakes at the end of the pause, or earlier to start it again.
      const auto since = queued_;
      wake_.wait_until(lock, stop, since + kSettle, [&] { return queued_ != since; });
      continue;
    }
    std::shared_ptr<const TSnapshotBlock> block = Next();
    if (!block) {
      wake_.wait(lock, stop, [this] { return !queue_.empty(); });
      continue;
    }
    busy_ = true;
    lock.unlock();
    block->Pack();
    block.reset();
    lock.lock();
    busy_ = false;
    idle_.notify_all();
  }
}

void TBlockPacker::Flush() {
  std::unique_lock lock(mutex_);
  while (std::shared_ptr<const TSnapshotBlock> block = Next()) {
    lock.unlock();
    block->Pack();
    block.reset();
    lock.lock();
  }
  idle_.wait(lock, [this] { return !busy_; });
}

}  // namespace pictor
