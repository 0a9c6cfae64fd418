// The list of undo snapshots (the editor's FHistory), oldest first. Each new
// entry shares unchanged pixel blocks with the newest entry before it.
#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <vector>

#include "editor/snapshot.h"

namespace pictor {

class THistoryList {
 public:
  // A list of at most capacity entries once Record has run.
  explicit THistoryList(int capacity = std::numeric_limits<int>::max()) : capacity_(capacity) {}

  int Count() const { return static_cast<int>(entries_.size()); }
  // Appends an exact snapshot of the bitmap as the newest entry.
  void Add(const TBitmap& bitmap);
  // Records the bitmap as the entry after `current`, the entry shown now
  // (-1 for none): the entries after it go first, since a new change makes
  // them unreachable, then the oldest entries but the first until there is
  // room under the capacity. Returns the index of the new entry.
  int Record(const TBitmap& bitmap, int current);
  // Frees and removes the entry at index.
  void Delete(int index);
  // Frees and removes every entry, from the last to the first.
  void Clear();
  // Makes the bitmap exactly the image of the entry at index.
  void Restore(int index, TBitmap& bitmap) const;
  const TSnapshot& Entry(int index) const { return *entries_.at(static_cast<std::size_t>(index)); }

  // Bytes of pixels and palettes the entries hold; a block shared by several
  // entries counts once.
  std::size_t MemoryUsed() const;

 private:
  int capacity_;
  std::vector<std::shared_ptr<const TSnapshot>> entries_;
};

}  // namespace pictor
