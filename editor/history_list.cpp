#include "editor/history_list.h"

#include <unordered_set>

namespace pictor {

void THistoryList::Add(const TBitmap& bitmap) {
  const TSnapshot* basis = entries_.empty() ? nullptr : entries_.back().get();
  entries_.push_back(TSnapshot::Take(bitmap, basis));
}

int THistoryList::Record(const TBitmap& bitmap, int current) {
  // A single entry stays even when nothing is current.
  const int count = Count();
  if (count - 1 > current && count > 1)
    for (int i = count - 1; i > current; --i) Delete(i);
  while (Count() >= capacity_ && Count() > 1) Delete(1);
  Add(bitmap);
  return Count() - 1;
}

void THistoryList::Delete(int index) {
  entries_.at(static_cast<std::size_t>(index));  // throws on a bad index
  entries_.erase(entries_.begin() + index);
}

void THistoryList::Clear() {
  while (!entries_.empty()) entries_.pop_back();
}

void THistoryList::Restore(int index, TBitmap& bitmap) const { Entry(index).Restore(bitmap); }

std::size_t THistoryList::MemoryUsed() const {
  std::unordered_set<const TSnapshot::Block*> seen;
  std::size_t bytes = 0;
  for (const auto& entry : entries_) {
    bytes += entry->PaletteBytes();
    for (const auto& block : entry->Blocks())
      if (seen.insert(block.get()).second) bytes += block->size();
  }
  return bytes;
}

}  // namespace pictor
