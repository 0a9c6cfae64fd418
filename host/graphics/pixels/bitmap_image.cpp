#include "host/graphics/pixels/bitmap_image.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <utility>

#include "host/graphics/bitmap.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Freed blocks up to this size (a 24-bit picture of 12000 x 12000) may be
// kept for the next image.
constexpr std::size_t kMaxSpare = std::size_t{512} << 20;

std::size_t HugeRounded(std::size_t size) { return (size + kHugePage - 1) / kHugePage * kHugePage; }

// The most recently freed big block, kept for the next image of about its
// size: replacing a picture by one of the same size (loading, undo, copies)
// then reuses memory whose pages are already mapped instead of faulting in
// and zeroing fresh ones.
class SpareBlock {
 public:
  void* Take(std::size_t rounded) {
    std::lock_guard lock(mutex_);
    if (!block_ || capacity_ < rounded || capacity_ > 2 * rounded) return nullptr;
    capacity_ = 0;
    return std::exchange(block_, nullptr);
  }
  // Keeps the block or frees it.
  void Give(void* block, std::size_t rounded) {
    if (rounded > kMaxSpare) {
      std::free(block);
      return;
    }
    void* old;
    {
      std::lock_guard lock(mutex_);
      old = std::exchange(block_, block);
      capacity_ = rounded;
    }
    std::free(old);
  }
  void Drop() {
    void* old;
    {
      std::lock_guard lock(mutex_);
      old = std::exchange(block_, nullptr);
      capacity_ = 0;
    }
    std::free(old);
  }

 private:
  std::mutex mutex_;
  void* block_ = nullptr;
  std::size_t capacity_ = 0;
};

// Never destroyed: images freed during exit may still hand their block over.
SpareBlock& Spare() {
  static SpareBlock* spare = new SpareBlock;
  return *spare;
}

void Release(std::uint8_t* data, std::size_t size) {
  if (data && size >= kHugePage)
    Spare().Give(data, HugeRounded(size));
  else
    std::free(data);
}

}  // namespace

void ReleaseFreedImageMemory() {
  Spare().Drop();
  malloc_trim(0);
}

PixelBuffer::PixelBuffer(std::size_t size) : size_(size) {
  if (size == 0) return;
  void* p = nullptr;
  if (size >= kHugePage) {
    // Big images get huge pages: far fewer page faults when they are filled.
    const std::size_t rounded = HugeRounded(size);
    p = Spare().Take(rounded);
    if (!p) {
      if (posix_memalign(&p, kHugePage, rounded) != 0) p = nullptr;
      if (p) madvise(p, rounded, MADV_HUGEPAGE);
    }
  } else {
    p = std::malloc(size);
  }
  if (!p) throw std::bad_alloc();
  data_ = static_cast<std::uint8_t*>(p);
}

PixelBuffer::PixelBuffer(PixelBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
  if (this != &other) {
    Release(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

PixelBuffer::~PixelBuffer() { Release(data_, size_); }

OwnedPalette::OwnedPalette(HPALETTE handle) : handle_(handle), data_(handles::LookupPalette(handle)) {
  if (!data_) handle_ = HPALETTE{};
}

OwnedPalette::OwnedPalette(OwnedPalette&& other) noexcept
    : handle_(std::exchange(other.handle_, HPALETTE{})), data_(std::move(other.data_)) {}

OwnedPalette& OwnedPalette::operator=(OwnedPalette&& other) noexcept {
  if (this != &other) {
    if (handle_ != HPALETTE{}) DeleteObject(handle_);
    handle_ = std::exchange(other.handle_, HPALETTE{});
    data_ = std::move(other.data_);
  }
  return *this;
}

OwnedPalette::~OwnedPalette() {
  if (handle_ != HPALETTE{}) DeleteObject(handle_);
}

OwnedPalette OwnedPalette::FromEntries(std::span<const PALETTEENTRY> entries) {
  return OwnedPalette(handles::AddPalette(entries));
}

OwnedPalette OwnedPalette::Copy() const {
  if (!data_) return OwnedPalette();
  return OwnedPalette(handles::AddPalette(data_));
}

BitmapImage AllocateImage(int width, int height, TPixelFormat format, const ImageLimits& limits) {
  if (width < 0 || height < 0)
    throw EInvalidGraphicOperation("Invalid bitmap size " + std::to_string(width) + " x " +
                                   std::to_string(height));
  BitmapImage image;
  image.format = format;
  // A bitmap may have a width without a height (or the reverse) and no pixels.
  image.width = width;
  image.height = height;
  if (width == 0 || height == 0) return image;
  if (width > limits.maxDimension || height > limits.maxDimension)
    throw EInvalidGraphicOperation("Bitmap of " + std::to_string(width) + " x " +
                                   std::to_string(height) + " pixels is too large (at most " +
                                   std::to_string(limits.maxDimension) + " pixels a side)");
  std::size_t stride = RowStride(width, BitsPerPixel(format));
  std::size_t bytes = stride * static_cast<std::size_t>(height);
  if (bytes > limits.maxBytes)
    throw EInvalidGraphicOperation("Bitmap of " + std::to_string(width) + " x " +
                                   std::to_string(height) + " pixels needs " +
                                   std::to_string(bytes >> 20) + " MiB, more than the " +
                                   std::to_string(limits.maxBytes >> 20) + " MiB allowed");
  image.width = width;
  image.height = height;
  image.stride = stride;
  image.pixels = PixelBuffer(bytes);
  // Row padding (and the spare bits of a last partial byte) is kept zero so that
  // saved files are the same from run to run.
  const std::size_t used = static_cast<std::size_t>(width) * BitsPerPixel(format) / 8;
  if (used < stride)
    for (int y = 0; y < height; ++y) std::memset(image.Row(y) + used, 0, stride - used);
  return image;
}

}  // namespace pictor
