// The list of undo snapshots (the editor's FHistory), oldest first. Each new
// entry shares unchanged pixel blocks with the newest entry before it; new
// blocks are packed with zstd behind the caller's back. An entry with no
// entry of its size and format before it (the first) copies nothing: its
// blocks are lent from the bitmap's pixels and copied only before those
// change (snapshot.h). The list keeps within a memory budget as well as a
// capacity.
#pragma once

#include <atomic>
#include <cstddef>
#include <limits>
#include <memory>
#include <vector>

#include "editor/block_packer.h"
#include "editor/snapshot.h"

namespace pictor {

class THistoryList {
 public:
  // A list of at most capacity entries once Record has run, whose pixel
  // blocks Record keeps within budget bytes where it can.
  explicit THistoryList(int capacity = std::numeric_limits<int>::max(),
                        std::size_t budget = std::numeric_limits<std::size_t>::max())
      : capacity_(capacity), budget_(budget) {}
  ~THistoryList();
  THistoryList(const THistoryList&) = delete;
  THistoryList& operator=(const THistoryList&) = delete;

  int Count() const { return static_cast<int>(entries_.size()); }
  // Appends an exact snapshot of the bitmap as the newest entry. The bitmap
  // must equal the newest entry outside its ChangedRect().
  void Add(TBitmap& bitmap);
  // Records the bitmap as the entry after `current`, the entry shown now
  // (-1 for none): the entries after it go first, since a new change makes
  // them unreachable, then the oldest entries but the first until there is
  // room under the capacity, then, while the blocks exceed the budget, the
  // oldest but the first, keeping the new entry and the one before it.
  // Returns the index of the new entry. The bitmap must equal entry
  // `current` outside its ChangedRect().
  int Record(TBitmap& bitmap, int current);
  // Frees and removes the entry at index.
  void Delete(int index);
  // Frees and removes every entry, from the last to the first.
  void Clear();
  // Makes the bitmap exactly the image of the entry at index. With `shown`,
  // the entry the bitmap equals outside its ChangedRect(), only the blocks
  // that differ are written.
  void Restore(int index, TBitmap& bitmap, int shown = -1) const;
  const TSnapshot& Entry(int index) const { return *entries_.at(static_cast<std::size_t>(index)); }

  // Bytes of pixels and palettes the entries hold, with the pixel memory a
  // bitmap handed over to its first entry; a block shared by several entries
  // counts once.
  std::size_t MemoryUsed() const;
  // Packs every block now, so that MemoryUsed() gives the settled figure.
  void PackAll() { packer_.Flush(); }

 private:
  // Appends a snapshot that shares blocks with basis outside `changed`.
  void Append(TBitmap& bitmap, std::shared_ptr<const TSnapshot> basis, const TRect& changed);
  void EndLoans();

  int capacity_;
  std::size_t budget_;
  std::atomic<std::size_t> stored_{0};  // bytes of every live block
  std::vector<std::shared_ptr<const TSnapshot>> entries_;
  std::vector<std::shared_ptr<TSnapshot::Loan>> loans_;  // the watches entries set
  TBlockPacker packer_;  // last: stops before the blocks go
};

}  // namespace pictor
