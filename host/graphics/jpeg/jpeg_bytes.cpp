#include <cstdlib>
#include <new>
#include <utility>

#include "host/graphics/jpeg/jpeg_codec.h"

namespace pictor {

JpegBytes JpegBytes::Allocate(std::size_t size) {
  void* block = std::malloc(size > 0 ? size : 1);
  if (!block) throw std::bad_alloc();
  return JpegBytes(static_cast<std::uint8_t*>(block), size);
}

JpegBytes::JpegBytes(JpegBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

JpegBytes& JpegBytes::operator=(JpegBytes&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

JpegBytes::~JpegBytes() { std::free(data_); }

}  // namespace pictor
