// One block of a history snapshot's pixel bytes: `width` bytes of each of
// `rows` rows of an image whose rows lie `stride` bytes apart. A block whose
// rows all repeat one short pattern (a filled area) keeps just the pattern;
// any other is kept as it was copied until it is packed with zstd (by the
// history's background packer, or at once when the history must free
// memory). Either way it gives back exactly the bytes it was made from.
//
// A block may also be lent: it reads its bytes in place from the bitmap it
// stands for, until Own() copies them (the bitmap's watch calls it before
// those pixels change).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace pictor {

class TSnapshotBlock {
 public:
  // A copy of width bytes of each of rows rows from first on. The bytes the
  // block holds are added to *account (when given) for as long as it lives.
  TSnapshotBlock(const std::uint8_t* first, std::size_t stride, std::size_t width,
                 std::size_t rows, std::atomic<std::size_t>* account);
  // A block lent from the bytes at first on: nothing is copied until Own().
  struct Lent {};
  TSnapshotBlock(Lent, const std::uint8_t* first, std::size_t stride, std::size_t width,
                 std::size_t rows, std::atomic<std::size_t>* account);
  // A block whose rows are known to repeat the pattern of the bytes at first
  // (a filled area): only those bytes are read. width must be at least the
  // pattern's length.
  struct Uniform {};
  TSnapshotBlock(Uniform, const std::uint8_t* first, std::size_t stride, std::size_t width,
                 std::size_t rows, std::atomic<std::size_t>* account);
  ~TSnapshotBlock();
  TSnapshotBlock(const TSnapshotBlock&) = delete;
  TSnapshotBlock& operator=(const TSnapshotBlock&) = delete;

  // Bytes of pixels the block stands for.
  std::size_t Size() const { return size_; }
  // Bytes the block holds now: its copy, or the packed form once smaller.
  std::size_t StoredBytes() const;
  bool Packed() const;
  // Whether the block is still lent from the bytes at first on.
  bool LentFrom(const std::uint8_t* first) const;
  // Makes a lent block a copy of the bytes it reads; does nothing to others.
  void Own() const;
  // Whether the block is known to equal the bytes it would copy from first
  // without unpacking: true only for an unpacked block of the same bytes.
  // Only bytes [x0, x1) of rows [y0, y1) of the block are compared: the
  // caller knows the others to be equal.
  struct Part {
    std::size_t x0, x1, y0, y1;
  };
  bool Holds(const std::uint8_t* first, std::size_t stride, const Part& part) const;
  // Writes the block's bytes back to the rows from out on (nothing when they
  // are the bytes it is lent from).
  void CopyTo(std::uint8_t* out, std::size_t stride) const;
  // Packs the block unless it is packed already; a block that does not shrink
  // keeps its copy. Safe to call from any thread.
  void Pack() const;

  // The pattern's length: whole pixels of one, two, three and four bytes.
  static constexpr std::size_t kPattern = 12;

 private:
  // Keeps the rows from first on: the pattern they repeat, or a copy.
  void Keep(const std::uint8_t* first, std::size_t stride) const;
  // Whether each row is the first kPattern bytes of the first row repeated.
  static bool Repeats(const std::uint8_t* first, std::size_t stride, std::size_t width,
                      std::size_t rows, const std::uint8_t* pattern);

  const std::size_t width_;
  const std::size_t size_;
  std::atomic<std::size_t>* account_;
  mutable std::mutex mutex_;
  mutable std::vector<std::uint8_t> bytes_;
  mutable const std::uint8_t* lent_ = nullptr;  // where a lent block reads its rows
  mutable std::size_t lentStride_ = 0;
  mutable bool uniform_ = false;  // bytes_ holds the pattern every row repeats
  mutable bool packed_ = false;  // bytes_ holds the zstd frame
  mutable bool packing_ = false;  // a Pack call is at work
  mutable bool tried_ = false;    // Pack has run
};

}  // namespace pictor
