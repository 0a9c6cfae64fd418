// A bounds-checked little-endian view of metafile bytes. Reads outside the
// data return 0 and mark the reader as failed, so a record parser checks
// Ok() once instead of guarding every field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictor::metafile {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t Size() const { return data_.size(); }
  bool Ok() const { return ok_; }
  // Whether count bytes from offset lie inside the data (no overflow).
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  // Whether count items of itemSize bytes from offset lie inside the data.
  bool HasItems(std::size_t offset, std::uint64_t count, std::size_t itemSize) const {
    if (offset > data_.size()) return false;
    return count <= (data_.size() - offset) / itemSize;
  }

  std::uint8_t U8(std::size_t offset) {
    if (!Has(offset, 1)) return Fail();
    return data_[offset];
  }
  std::uint16_t U16(std::size_t offset) {
    if (!Has(offset, 2)) return Fail();
    return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t offset) {
    if (!Has(offset, 4)) return Fail();
    return static_cast<std::uint32_t>(data_[offset]) |
           static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
           static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
           static_cast<std::uint32_t>(data_[offset + 3]) << 24;
  }
  std::int16_t I16(std::size_t offset) { return static_cast<std::int16_t>(U16(offset)); }
  std::int32_t I32(std::size_t offset) { return static_cast<std::int32_t>(U32(offset)); }
  float F32(std::size_t offset) {
    const std::uint32_t bits = U32(offset);
    float value;
    static_assert(sizeof value == sizeof bits);
    __builtin_memcpy(&value, &bits, sizeof value);
    return value;
  }
  // count bytes from offset, or an empty span (and failure) when they are not all there.
  std::span<const std::uint8_t> Bytes(std::size_t offset, std::size_t count) {
    if (!Has(offset, count)) {
      Fail();
      return {};
    }
    return data_.subspan(offset, count);
  }
  // A reader over count bytes from offset (an empty, failed one when out of range).
  ByteReader Sub(std::size_t offset, std::size_t count) {
    if (!Has(offset, count)) {
      Fail();
      ByteReader bad;
      bad.ok_ = false;
      return bad;
    }
    return ByteReader(data_.subspan(offset, count));
  }

 private:
  std::uint8_t Fail() {
    ok_ = false;
    return 0;
  }

  std::span<const std::uint8_t> data_;
  bool ok_ = true;
};

}  // namespace pictor::metafile
