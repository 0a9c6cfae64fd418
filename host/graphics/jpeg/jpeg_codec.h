// JPEG compression and decompression of bitmap images through libjpeg.
// Internal to the graphics library; TJPEGImage (jpeg_image.h) is the public face.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/limits.h"

namespace pictor {

// A block of compressed bytes in malloc'd memory (the encoder grows it with
// realloc, so no copy is needed when it is done).
class JpegBytes {
 public:
  JpegBytes() = default;
  // Takes over a block from malloc.
  JpegBytes(std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  // An uninitialised block; throws std::bad_alloc.
  static JpegBytes Allocate(std::size_t size);
  JpegBytes(JpegBytes&& other) noexcept;
  JpegBytes& operator=(JpegBytes&& other) noexcept;
  JpegBytes(const JpegBytes&) = delete;
  JpegBytes& operator=(const JpegBytes&) = delete;
  ~JpegBytes();

  std::uint8_t* data() { return data_; }
  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

 private:
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

struct JpegEncodeOptions {
  int quality = 90;        // 1..100; from 90 on colour is kept at full resolution (4:4:4)
  bool grayscale = false;  // one grey channel
};

// Compresses a non-empty image of any pixel format. 24- and 32-bit rows go to
// libjpeg as they are; other formats are converted to 24 bits first. Throws
// EInvalidGraphicOperation when compression fails.
JpegBytes EncodeJpeg(const BitmapImage& image, const JpegEncodeOptions& options);

// Decodes a JPEG file held in memory into a 24-bit image. Greyscale, YCbCr, RGB,
// CMYK and YCCK files, baseline or progressive, are read. With grayscale the
// pixels come out grey. Throws EInvalidGraphic for data that is not a whole,
// readable JPEG image, and EInvalidGraphicOperation for an image beyond the limits
// (checked from the header, before anything is allocated).
BitmapImage DecodeJpeg(const std::uint8_t* data, std::size_t size, bool grayscale,
                       const ImageLimits& limits = kDefaultImageLimits);

}  // namespace pictor
