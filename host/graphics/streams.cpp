#include "host/graphics/streams.h"

#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <new>
#include <cstring>
#include <vector>

#include "host/graphics/errors.h"

namespace pictor {

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw EReadError("Stream read error: unexpected end of data");
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count <= 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> chunk(64 * 1024);
  std::int64_t left = count;
  while (left > 0) {
    std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(left, std::int64_t(chunk.size())));
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    left -= static_cast<std::int64_t>(n);
  }
  return count;
}

void TMemoryStream::Free::operator()(std::uint8_t* p) const { std::free(p); }

void TMemoryStream::Grow(std::size_t capacity) {
  if (capacity <= capacity_) return;
  void* p = std::realloc(data_.get(), capacity);
  if (!p) throw std::bad_alloc();
  (void)data_.release();
  data_.reset(static_cast<std::uint8_t*>(p));
  capacity_ = capacity;
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  if (capacity >= 2 * kHuge) {
    // Large streams (whole bitmap files) fault in far fewer pages with huge pages.
    auto start = (reinterpret_cast<std::uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
    auto end = (reinterpret_cast<std::uintptr_t>(p) + capacity) & ~(kHuge - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
  }
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= size_) return 0;
  std::size_t n = std::min(count, size_ - position_);
  if (n) std::memcpy(buffer, data_.get() + position_, n);
  position_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  std::size_t end = position_ + count;
  if (end > capacity_) Grow(std::max(end, capacity_ + capacity_ / 2));
  // A write past the end after a seek leaves no uninitialised gap.
  if (position_ > size_) std::memset(data_.get() + size_, 0, position_ - size_);
  std::memcpy(data_.get() + position_, buffer, count);
  position_ = end;
  size_ = std::max(size_, end);
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                      : origin == TSeekOrigin::soCurrent ? static_cast<std::int64_t>(position_)
                                                         : static_cast<std::int64_t>(size_);
  std::int64_t pos = base + offset;
  if (pos < 0) pos = 0;
  position_ = static_cast<std::size_t>(pos);
  return pos;
}

void TMemoryStream::SetSize(std::size_t size) {
  Grow(size);
  if (size > size_) std::memset(data_.get() + size_, 0, size - size_);
  size_ = size;
  if (position_ > size_) position_ = size_;
}

void TMemoryStream::Reserve(std::size_t capacity) { Grow(capacity); }

void TMemoryStream::Clear() {
  data_.reset();
  capacity_ = 0;
  size_ = 0;
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  TMemoryStream loaded;
  std::int64_t size = file.Size();
  loaded.SetSize(static_cast<std::size_t>(size));
  file.ReadBuffer(loaded.data_.get(), static_cast<std::size_t>(size));
  *this = std::move(loaded);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, TFileMode::fmCreate);
  file.WriteBuffer(data_.get(), size_);
  file.Close();
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : fileName_(fileName) {
  const char* how = "rb";
  switch (mode) {
    case TFileMode::fmOpenRead: how = "rb"; break;
    case TFileMode::fmOpenWrite:
    case TFileMode::fmOpenReadWrite: how = "r+b"; break;
    case TFileMode::fmCreate: how = "w+b"; break;
  }
  file_ = std::fopen(fileName.c_str(), how);
  // A folder opens for reading but gives no bytes: say what it is.
  struct stat info {};
  if (file_ && fstat(fileno(file_), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file_);
    file_ = nullptr;
    throw EFOpenError("Cannot open file \"" + fileName + "\". Is a directory");
  }
  if (!file_) {
    std::string reason = std::strerror(errno);
    if (mode == TFileMode::fmCreate)
      throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
  }
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

void TFileStream::Close() {
  if (!file_) return;
  bool failed = std::fflush(file_) != 0;
  failed = std::fclose(file_) != 0 || failed;
  file_ = nullptr;
  if (failed) throw EWriteError("Cannot write file \"" + fileName_ + "\". " + std::strerror(errno));
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  return file_ ? std::fread(buffer, 1, count, file_) : 0;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  if (!file_) return 0;
  std::size_t n = std::fwrite(buffer, 1, count, file_);
  if (n != count)
    throw EWriteError("Cannot write file \"" + fileName_ + "\". " + std::strerror(errno));
  return n;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (!file_) return 0;
  int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
               : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                  : SEEK_END;
  if (!(origin == TSeekOrigin::soCurrent && offset == 0)) std::fseek(file_, offset, whence);
  return std::ftell(file_);
}

std::int64_t TFileStream::Size() const {
  if (!file_) return 0;
  long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  long size = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return size;
}

}  // namespace pictor
