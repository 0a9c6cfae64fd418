#include "editor/history_list.h"

#include <unordered_set>

namespace pictor {

void THistoryList::Add(const TBitmap& bitmap) {
  Append(bitmap, entries_.empty() ? nullptr : entries_.back(), bitmap.ChangedRect());
}

void THistoryList::Append(const TBitmap& bitmap, std::shared_ptr<const TSnapshot> basisEntry,
                          const TRect& changed) {
  const TSnapshot* basis = basisEntry.get();
  std::shared_ptr<const TSnapshot> entry = TSnapshot::Take(bitmap, basis, changed, &stored_);
  // Only the blocks the entry does not share with its basis are new.
  std::vector<std::shared_ptr<const TSnapshot::Block>> fresh;
  for (std::size_t i = 0; i < entry->Blocks().size(); ++i)
    if (!basis || i >= basis->Blocks().size() || basis->Blocks()[i] != entry->Blocks()[i])
      fresh.push_back(entry->Blocks()[i]);
  entries_.push_back(std::move(entry));
  packer_.Enqueue(fresh);
}

int THistoryList::Record(const TBitmap& bitmap, int current) {
  // A single entry stays even when nothing is current.
  const int count = Count();
  if (count - 1 > current && count > 1)
    for (int i = count - 1; i > current; --i) Delete(i);
  // The entry shown, which the bitmap equals outside its changed rectangle,
  // even if the capacity trim below takes it out of the list.
  std::shared_ptr<const TSnapshot> shown =
      current >= 0 && current == Count() - 1 ? entries_.back() : nullptr;
  while (Count() >= capacity_ && Count() > 1) Delete(1);
  if (shown)
    Append(bitmap, shown, bitmap.ChangedRect());
  else  // compared block by block with the newest entry
    Append(bitmap, entries_.empty() ? nullptr : entries_.back(), TBitmap::kEverywhere);
  if (stored_ > budget_) {
    // Packing first may free enough; only then do entries go.
    packer_.Flush();
    while (stored_ > budget_ && Count() > 3) Delete(1);
  }
  return Count() - 1;
}

void THistoryList::Delete(int index) {
  entries_.at(static_cast<std::size_t>(index));  // throws on a bad index
  entries_.erase(entries_.begin() + index);
}

void THistoryList::Clear() {
  while (!entries_.empty()) entries_.pop_back();
}

void THistoryList::Restore(int index, TBitmap& bitmap, int shown) const {
  const TSnapshot* from =
      shown >= 0 && shown < Count() ? entries_[static_cast<std::size_t>(shown)].get() : nullptr;
  Entry(index).Restore(bitmap, from);
}

std::size_t THistoryList::MemoryUsed() const {
  std::unordered_set<const TSnapshot::Block*> seen;
  std::size_t bytes = 0;
  for (const auto& entry : entries_) {
    bytes += entry->PaletteBytes();
    for (const auto& block : entry->Blocks())
      if (seen.insert(block.get()).second) bytes += block->StoredBytes();
  }
  return bytes;
}

}  // namespace pictor
