// Byte streams: memory and file. Errors are exceptions (errors.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace pictor {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual std::int64_t Size() const = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  // Bytes from the position to the end.
  std::int64_t Remaining() { return Size() - Position(); }

  // Read or write exactly count bytes, or throw EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies count bytes (all the rest when count is 0) from source; returns the count.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
 public:
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(size_); }

  void SetSize(std::size_t size);
  // Makes room for at least capacity bytes without changing the size.
  void Reserve(std::size_t capacity);
  void Clear();
  const std::uint8_t* Memory() const { return data_.get(); }
  std::uint8_t* Memory() { return data_.get(); }

  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  struct Free {
    void operator()(std::uint8_t* p) const;
  };
  void Grow(std::size_t capacity);

  std::unique_ptr<std::uint8_t, Free> data_;  // uninitialised beyond size_
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};

enum class TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

class TFileStream : public TStream {
 public:
  // Throws EFOpenError (or EFCreateError for fmCreate) naming the file.
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() const override;
  const std::string& FileName() const { return fileName_; }
  // Flushes and closes; throws EWriteError when the data did not reach the disk.
  void Close();

 private:
  std::string fileName_;
  std::FILE* file_ = nullptr;
};

}  // namespace pictor
