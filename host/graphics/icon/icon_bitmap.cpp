#include "host/graphics/icon/icon_bitmap.h"

#include <cstring>
#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/pixels/pixel_access.h"

namespace pictor {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
std::uint16_t Get16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool Bit(const std::uint8_t* row, int x) { return ReadPixel(LayoutConstant<kLayout1>{}, row, x); }

// a + b * c, or false when it does not fit.
bool AddProduct(std::size_t a, std::size_t b, std::size_t c, std::size_t& out) {
  std::size_t product = 0;
  return !__builtin_mul_overflow(b, c, &product) && !__builtin_add_overflow(a, product, &out);
}

}  // namespace

IconBitmapLayout ReadIconBitmapLayout(std::span<const std::uint8_t> data) {
  if (data.size() < kInfoHeaderSize) {
    if (data.size() >= 4 && Get32(data.data()) < kInfoHeaderSize)
      Fail("Icon image has an unsupported header of " + std::to_string(Get32(data.data())) +
           " bytes");
    Fail("Icon image is truncated: its header is incomplete");
  }
  const std::uint8_t* p = data.data();
  const std::uint32_t headerSize = Get32(p);
  if (headerSize < kInfoHeaderSize)
    Fail("Icon image has an unsupported header of " + std::to_string(headerSize) + " bytes");
  if (headerSize > data.size()) Fail("Icon image is truncated: its header is incomplete");

  const auto width = static_cast<std::int32_t>(Get32(p + 4));
  const auto height = static_cast<std::int32_t>(Get32(p + 8));
  const int bitCount = Get16(p + 14);
  const std::uint32_t compression = Get32(p + 16);
  const std::uint32_t colorsUsed = Get32(p + 32);
  if (width <= 0 || height <= 0 || height % 2 != 0)
    Fail("Icon image has an invalid size of " + std::to_string(width) + " x " +
         std::to_string(height) + " (the height must be positive and twice the image's)");
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
    Fail("Icon images with " + std::to_string(bitCount) + " bits per pixel are not supported");
  if (compression != 0) Fail("Compressed icon images are not supported");

  IconBitmapLayout layout;
  layout.width = width;
  layout.height = height / 2;
  layout.bitCount = bitCount;
  if (bitCount <= 8) {
    const std::uint32_t addressable = 1u << bitCount;
    if (colorsUsed > addressable)
      Fail("Icon image declares " + std::to_string(colorsUsed) + " colours, more than " +
           std::to_string(bitCount) + "-bit pixels can address");
    layout.colorCount = colorsUsed ? colorsUsed : addressable;
  } else {
    layout.colorCount = colorsUsed;  // an optional table a true-colour image does not use
  }
  layout.pixelStride = RowStride(width, bitCount);
  layout.maskStride = RowStride(width, 1);
  layout.colorsOffset = headerSize;
  const auto rows = static_cast<std::size_t>(layout.height);
  std::size_t end = 0;
  const bool pixelsFit =
      AddProduct(headerSize, layout.colorCount, 4, layout.pixelsOffset) &&
      AddProduct(layout.pixelsOffset, layout.pixelStride, rows, layout.maskOffset);
  if (pixelsFit && bitCount == 32 && layout.maskOffset <= data.size() &&
      (!AddProduct(layout.maskOffset, layout.maskStride, rows, end) || end > data.size())) {
    // Many writers leave out the mask of a 32-bit image: the alpha decides.
    layout.hasMask = false;
    return layout;
  }
  if (!pixelsFit || !AddProduct(layout.maskOffset, layout.maskStride, rows, end) ||
      end > data.size())
    Fail("Icon image is truncated: its colours, pixels and mask need more than the " +
         std::to_string(data.size()) + " bytes it has");
  return layout;
}

BitmapImage DecodeIconBitmap(std::span<const std::uint8_t> data, const IconBitmapLayout& layout,
                          const ImageLimits& limits) {
  BitmapImage image = AllocateImage(layout.width, layout.height, pf32bit, limits);
  const std::uint8_t* colors = data.data() + layout.colorsOffset;
  const auto color = [&](std::size_t index, std::uint8_t* out) {
    if (index < layout.colorCount) {
      out[0] = colors[4 * index];
      out[1] = colors[4 * index + 1];
      out[2] = colors[4 * index + 2];
    } else {
      out[0] = out[1] = out[2] = 0;
    }
  };
  bool anyAlpha = false;
  WithLayout(FormatOfDepth(layout.bitCount), [&](auto pixels) {
    constexpr const PixelLayout& L = decltype(pixels)::value;
    for (int y = 0; y < layout.height; ++y) {
      const std::size_t fileRow = static_cast<std::size_t>(layout.height - 1 - y);
      const std::uint8_t* in = data.data() + layout.pixelsOffset + fileRow * layout.pixelStride;
      const std::uint8_t* mask =
          layout.hasMask ? data.data() + layout.maskOffset + fileRow * layout.maskStride : nullptr;
      std::uint8_t* out = image.Row(y);
      for (int x = 0; x < layout.width; ++x, out += 4) {
        if constexpr (L.indexed) {
          color(ReadPixel(pixels, in, x), out);
        } else {
          std::memcpy(out, in + static_cast<std::size_t>(L.BytesPerPixel()) * x, 3);
          if constexpr (L.bitsPerPixel == 32) {
            out[3] = in[4 * x + 3];
            anyAlpha |= out[3] != 0;
            continue;
          }
        }
        out[3] = Bit(mask, x) ? 0 : 255;
      }
    }
  });
  if (layout.bitCount == 32 && !anyAlpha) {
    for (int y = 0; y < layout.height; ++y) {
      const std::size_t fileRow = static_cast<std::size_t>(layout.height - 1 - y);
      const std::uint8_t* mask =
          layout.hasMask ? data.data() + layout.maskOffset + fileRow * layout.maskStride : nullptr;
      std::uint8_t* out = image.Row(y);
      for (int x = 0; x < layout.width; ++x) out[4 * x + 3] = mask && Bit(mask, x) ? 0 : 255;
    }
  }
  return image;
}

}  // namespace pictor
