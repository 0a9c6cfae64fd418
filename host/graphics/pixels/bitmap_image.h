// The pixels of a bitmap: rows top-down in the bit layout of the pixel format,
// plus the palette the bitmap owns. Internal to the graphics library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/graphics/handle_table.h"
#include "host/graphics/limits.h"
#include "host/graphics/pixels/pixel_format.h"

namespace pictor {

// An uninitialised byte buffer; large ones are backed by huge pages.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  explicit PixelBuffer(std::size_t size);
  PixelBuffer(PixelBuffer&& other) noexcept;
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;
  ~PixelBuffer();

  std::uint8_t* data() { return data_; }
  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

// A palette handle together with its entries; deletes the handle when it goes.
class OwnedPalette {
 public:
  OwnedPalette() = default;
  // Takes over the handle; an unknown handle gives an empty palette.
  explicit OwnedPalette(HPALETTE handle);
  OwnedPalette(OwnedPalette&& other) noexcept;
  OwnedPalette& operator=(OwnedPalette&& other) noexcept;
  OwnedPalette(const OwnedPalette&) = delete;
  OwnedPalette& operator=(const OwnedPalette&) = delete;
  ~OwnedPalette();

  static OwnedPalette FromEntries(std::span<const PALETTEENTRY> entries);
  // A new handle sharing these entries.
  OwnedPalette Copy() const;

  HPALETTE handle() const { return handle_; }
  const handles::PaletteRef& data() const { return data_; }
  bool empty() const { return !data_ || data_->entries.empty(); }
  std::size_t size() const { return data_ ? data_->entries.size() : 0; }
  const PALETTEENTRY& operator[](std::size_t i) const { return data_->entries[i]; }

 private:
  HPALETTE handle_{};
  handles::PaletteRef data_;
};

struct BitmapImage {
  int width = 0;
  int height = 0;
  TPixelFormat format = TPixelFormat::pfDevice;
  std::size_t stride = 0;
  PixelBuffer pixels;
  OwnedPalette palette;

  int bpp() const { return BitsPerPixel(format); }
  bool empty() const { return width <= 0 || height <= 0; }
  std::uint8_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * stride; }
  const std::uint8_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * stride;
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Checks the size against the limits and allocates uninitialised pixels
// (throws EInvalidGraphicOperation when the image would be too large).
BitmapImage AllocateImage(int width, int height, TPixelFormat format,
                          const ImageLimits& limits = kDefaultImageLimits);

}  // namespace pictor
