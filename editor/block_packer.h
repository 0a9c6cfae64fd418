// Packs history blocks with zstd on a thread of its own, so that recording
// an entry costs a copy of the changed blocks and the packing follows behind.
// The thread starts once no block has been queued for a moment: a burst of
// entries (a drag of drops, a quick series of strokes) runs without packing
// beside it, and the packing takes the pause that follows.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "editor/snapshot_block.h"

namespace pictor {

class TBlockPacker {
 public:
  TBlockPacker() = default;
  // Stops the thread; blocks still waiting stay unpacked.
  ~TBlockPacker();
  TBlockPacker(const TBlockPacker&) = delete;
  TBlockPacker& operator=(const TBlockPacker&) = delete;

  // Queues the blocks; a block freed before its turn is skipped.
  void Enqueue(std::span<const std::shared_ptr<const TSnapshotBlock>> blocks);
  // Packs every queued block in the calling thread and waits for the one
  // the thread is at: afterwards every block given so far is packed.
  void Flush();

 private:
  void Run(std::stop_token stop);
  std::shared_ptr<const TSnapshotBlock> Next();

  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::condition_variable idle_;
  std::deque<std::weak_ptr<const TSnapshotBlock>> queue_;
  std::chrono::steady_clock::time_point queued_;  // when blocks were last queued
  bool busy_ = false;
  std::jthread thread_;  // last: it stops before the members it uses go
};

}  // namespace pictor
