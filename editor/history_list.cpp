#include "editor/history_list.h"

#include <malloc.h>

#include <mutex>
#include <unordered_set>

namespace pictor {
namespace {

// An entry allocates its tiles at once, and the packer frees their copies
// soon after: the heap keeps freed memory for the next entry instead of
// giving it back and faulting it in again. The editor gives it back when it
// closes (ReleaseFreedImageMemory). The mmap threshold is fixed where it
// would otherwise grow to, as fixing the trim threshold stops that growth.
void KeepFreedHeap() {
  static std::once_flag once;
  std::call_once(once, [] {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
  });
}

}  // namespace

THistoryList::~THistoryList() { EndLoans(); }

void THistoryList::EndLoans() {
  for (const auto& loan : loans_) loan->End();
  loans_.clear();
}

void THistoryList::Add(TBitmap& bitmap) {
  Append(bitmap, entries_.empty() ? nullptr : entries_.back(), bitmap.ChangedRect());
}

void THistoryList::Append(TBitmap& bitmap, std::shared_ptr<const TSnapshot> basisEntry,
                          const TRect& changed) {
  KeepFreedHeap();
  if (!basisEntry || !basisEntry->SameGeometry(bitmap)) {
    std::erase_if(loans_, [](const auto& loan) { return loan->Ended(); });
    std::shared_ptr<TSnapshot::Loan> loan;
    entries_.push_back(TSnapshot::Lend(
        bitmap, &stored_, [this](const TSnapshot::BlockList& owned) { packer_.Enqueue(owned); },
        &loan));
    loans_.push_back(std::move(loan));
    return;
  }
  TSnapshot::BlockList fresh;
  entries_.push_back(TSnapshot::Take(bitmap, basisEntry.get(), changed, &stored_, &fresh));
  packer_.Enqueue(fresh);
}

int THistoryList::Record(TBitmap& bitmap, int current) {
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
  EndLoans();
  while (!entries_.empty()) entries_.pop_back();
}

void THistoryList::Restore(int index, TBitmap& bitmap, int shown) const {
  const TSnapshot* from =
      shown >= 0 && shown < Count() ? entries_[static_cast<std::size_t>(shown)].get() : nullptr;
  Entry(index).Restore(bitmap, from);
}

std::size_t THistoryList::MemoryUsed() const {
  // Tiles are shared within chunks shared whole: each chunk is counted once.
  std::unordered_set<const void*> chunks;
  std::unordered_set<const TSnapshot::Block*> tiles;
  std::size_t bytes = 0;
  for (const auto& loan : loans_) bytes += loan->KeptBytes();
  for (const auto& entry : entries_) {
    bytes += entry->PaletteBytes();
    const void* last = nullptr;
    bool counted = false;
    entry->ForEachTile([&](const void* chunk, const TSnapshot::Block& tile) {
      if (chunk != last) counted = !chunks.insert(last = chunk).second;
      if (!counted && tiles.insert(&tile).second) bytes += tile.StoredBytes();
    });
  }
  return bytes;
}

}  // namespace pictor
