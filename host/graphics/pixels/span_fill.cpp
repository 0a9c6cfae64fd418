#include "host/graphics/pixels/span_fill.h"

#include <algorithm>
#include <cstring>

namespace pictor {
namespace {

// Spans of at least this many bytes copy the pattern row: a copy of a row
// that stays in the cache writes whole cache lines without reading them first.
constexpr std::size_t kLongSpan = 512;

using Vec16 = std::uint8_t __attribute__((vector_size(16)));

// Repeats the first `period` bytes of buffer over all of its `size` bytes.
void Repeat(std::uint8_t* buffer, std::size_t period, std::size_t size) {
  for (std::size_t filled = period; filled < size; filled *= 2)
    std::memcpy(buffer + filled, buffer, std::min(filled, size - filled));
}

// Sets or XORs bits [first, last) of a row of 1-bit pixels with `value` (0 or 1).
void ApplyBits(std::uint8_t* row, int first, int last, unsigned value, PixelMode mode) {
  auto one = [&](int x) {
    const auto bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
    std::uint8_t& byte = row[x >> 3];
    if (mode == PixelMode::Xor)
      byte = static_cast<std::uint8_t>(byte ^ (value ? bit : 0));
    else
      byte = static_cast<std::uint8_t>((byte & ~bit) | (value ? bit : 0));
  };
  while (first < last && (first & 7)) one(first++);
  const int fullBytes = (last - first) / 8;
  std::uint8_t* p = row + (first >> 3);
  if (mode == PixelMode::Xor) {
    if (value)
      for (int i = 0; i < fullBytes; ++i) p[i] ^= 0xFF;
  } else {
    std::memset(p, value ? 0xFF : 0x00, static_cast<std::size_t>(fullBytes));
  }
  first += fullBytes * 8;
  while (first < last) one(first++);
}

void ApplyNibbles(std::uint8_t* row, int first, int last, unsigned v, PixelMode mode) {
  v &= 0x0F;
  auto one = [&](int x) {
    std::uint8_t& byte = row[x >> 1];
    unsigned shift = (x & 1) ? 0 : 4;
    if (mode == PixelMode::Xor)
      byte = static_cast<std::uint8_t>(byte ^ (v << shift));
    else
      byte = static_cast<std::uint8_t>((byte & ~(0x0Fu << shift)) | (v << shift));
  };
  if (first < last && (first & 1)) one(first++);
  int fullBytes = (last - first) / 2;
  std::uint8_t* p = row + (first >> 1);
  const auto pair = static_cast<std::uint8_t>((v << 4) | v);
  if (mode == PixelMode::Xor) {
    for (int i = 0; i < fullBytes; ++i) p[i] ^= pair;
  } else {
    std::memset(p, pair, static_cast<std::size_t>(fullBytes));
  }
  first += fullBytes * 2;
  if (first < last) one(first);
}

}  // namespace

SpanFill::SpanFill(TPixelFormat format, std::uint32_t native, PixelMode mode)
    : format_(format),
      native_(native),
      mode_(mode),
      bytesPerPixel_(static_cast<std::size_t>(LayoutOf(format).BytesPerPixel())) {
  if (bytesPerPixel_ == 0) return;
  if (bytesPerPixel_ == 1) native_ &= 0xFF;
  // A 32-bit pixel's fourth byte carries no colour and is written as 0.
  const std::uint32_t value = bytesPerPixel_ == 4 ? native_ & 0xFFFFFFu : native_;
  std::memcpy(pattern_, &value, bytesPerPixel_);
  Repeat(pattern_, bytesPerPixel_, kPatternBytes);
  oneByte_ = std::all_of(pattern_, pattern_ + bytesPerPixel_,
                         [&](std::uint8_t b) { return b == pattern_[0]; });
}

void SpanFill::Apply(BitmapImage& image, int y, int x0, int x1) {
  if (x1 <= x0) return;
  std::uint8_t* row = image.Row(y);
  if (bytesPerPixel_ == 0) {
    if (BitsPerPixel(format_) == 1)
      ApplyBits(row, x0, x1, native_ & 1, mode_);
    else
      ApplyNibbles(row, x0, x1, native_, mode_);
    return;
  }
  std::uint8_t* p = row + bytesPerPixel_ * static_cast<std::size_t>(x0);
  const std::size_t n = bytesPerPixel_ * static_cast<std::size_t>(x1 - x0);
  if (mode_ == PixelMode::Xor)
    XorBytes(p, n);
  else if (oneByte_)  // white, black, any 8-bit index: only writes
    std::memset(p, pattern_[0], n);
  else
    SetBytes(p, n, image.width);
}

// p starts a pixel, so the pattern is in step with it from its first byte.
void SpanFill::SetBytes(std::uint8_t* p, std::size_t n, int imageWidth) {
  if (n >= kLongSpan) {
    if (row_.size() < n) {
      row_.resize(std::max(n, bytesPerPixel_ * static_cast<std::size_t>(imageWidth)));
      std::memcpy(row_.data(), pattern_, kPeriod);
      Repeat(row_.data(), kPeriod, row_.size());
    }
    std::memcpy(p, row_.data(), n);
    return;
  }
  if (n < kPeriod) {
    std::memcpy(p, pattern_, n);
    return;
  }
  // Up to the next 16-byte boundary from the pattern's start, then aligned
  // 16-byte stores of three vectors held in registers.
  const std::size_t head = (16 - reinterpret_cast<std::uintptr_t>(p) % 16) % 16;
  std::memcpy(p, pattern_, head);
  const std::uint8_t* from = pattern_ + head;
  Vec16 a, b, c;
  std::memcpy(&a, from, 16);
  std::memcpy(&b, from + 16, 16);
  std::memcpy(&c, from + 32, 16);
  auto* q = static_cast<std::uint8_t*>(__builtin_assume_aligned(p + head, 16));
  std::size_t left = n - head;
  for (; left >= kPeriod; left -= kPeriod, q += kPeriod) {
    std::memcpy(q, &a, 16);
    std::memcpy(q + 16, &b, 16);
    std::memcpy(q + 32, &c, 16);
  }
  std::memcpy(q, from, left);
}

void SpanFill::XorBytes(std::uint8_t* p, std::size_t n) const {
  for (; n >= kPeriod; n -= kPeriod, p += kPeriod)
    for (std::size_t k = 0; k < kPeriod; ++k) p[k] ^= pattern_[k];
  for (std::size_t k = 0; k < n; ++k) p[k] ^= pattern_[k];
}

void ApplySpan(BitmapImage& image, int y, int x0, int x1, std::uint32_t native, PixelMode mode) {
  SpanFill(image.format, native, mode).Apply(image, y, x0, x1);
}

void FillImage(BitmapImage& image, std::uint32_t native) {
  if (image.empty()) return;
  ApplySpan(image, 0, 0, image.width, native, PixelMode::Copy);
  // A colour of one repeated byte (white, black, any palette index) is set
  // with one memset, which only writes; other colours copy the first row.
  // Padding bytes get the same; they are never read as pixels.
  const std::uint8_t* row = image.Row(0);
  const std::size_t used = (static_cast<std::size_t>(image.width) * image.bpp() + 7) / 8;
  if (std::all_of(row, row + used, [&](std::uint8_t b) { return b == row[0]; })) {
    std::memset(image.pixels.data(), row[0], image.stride * static_cast<std::size_t>(image.height));
    return;
  }
  for (int y = 1; y < image.height; ++y) std::memcpy(image.Row(y), image.Row(0), image.stride);
}

}  // namespace pictor
