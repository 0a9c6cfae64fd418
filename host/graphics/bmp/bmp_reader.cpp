// ReadBmp: picks the pixel format for the file's layout, checks the limits and
// the size of the data, then reads the rows.
#include <cstring>
#include <string>
#include <vector>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/bmp/bmp_header.h"
#include "host/graphics/bmp/bmp_rle.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

using bmp::Header;
using bmp::Masks;

// How file rows become image rows.
enum class RowLayout {
  Copy,      // the file row is the image row
  MaskTo24,  // 16-bit pixels with unusual masks, expanded to B,G,R
  MaskTo32,  // 32-bit pixels with unusual masks, converted to B,G,R,A
  Rle,
};

struct Plan {
  TPixelFormat format;
  RowLayout layout;
};

Plan PlanFor(const Header& h) {
  // Without masks every depth has one format, 16 bits meaning 5-5-5.
  const TPixelFormat plain = FormatOfDepth(h.bitCount);
  if (h.compression == bmp::kRle8 || h.compression == bmp::kRle4) return {plain, RowLayout::Rle};
  if (h.compression != bmp::kBitfields && h.compression != bmp::kAlphaBitfields)
    return {plain, RowLayout::Copy};
  const Masks rgb{h.masks.red, h.masks.green, h.masks.blue, 0};
  if (h.bitCount == 16) {
    if (rgb == bmp::kMasks555) return {pf15bit, RowLayout::Copy};
    if (rgb == bmp::kMasks565) return {pf16bit, RowLayout::Copy};
    return {pf24bit, RowLayout::MaskTo24};
  }
  if (h.masks == bmp::kMasks8888) return {pf32bit, RowLayout::Copy};
  if (h.masks == bmp::kMasks888) return {pfDevice, RowLayout::Copy};
  return {pf32bit, RowLayout::MaskTo32};
}

// The same checks as AllocateImage, made before the file size is looked at so
// that an oversized header is refused as such.
void CheckLimits(int width, int height, TPixelFormat format, const ImageLimits& limits) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width > limits.maxDimension || height > limits.maxDimension)
    throw EInvalidGraphicOperation("Bitmap of " + size + " pixels is too large (at most " +
                                   std::to_string(limits.maxDimension) + " pixels a side)");
  std::size_t bytes = 0;
  if (__builtin_mul_overflow(RowStride(width, BitsPerPixel(format)),
                             static_cast<std::size_t>(height), &bytes) ||
      bytes > limits.maxBytes)
    throw EInvalidGraphicOperation("Bitmap of " + size + " pixels needs more than the " +
                                   std::to_string(limits.maxBytes >> 20) + " MiB allowed");
}

// Scales one masked channel of a pixel to 0..255.
class Channel {
 public:
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = __builtin_ctz(mask);
    max_ = mask >> shift_;
  }
  std::uint8_t operator()(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    return WidenChannel<std::uint64_t>((pixel & mask_) >> shift_, max_);
  }

 private:
  std::uint32_t mask_;
  int shift_ = 0;
  std::uint64_t max_ = 0;
};

void ConvertMaskedRow(const std::uint8_t* in, std::uint8_t* out, int width, int bitCount,
                      const Masks& masks) {
  const Channel red(masks.red), green(masks.green), blue(masks.blue), alpha(masks.alpha);
  for (int x = 0; x < width; ++x) {
    const std::uint32_t pixel = bitCount == 16 ? bmp::Get16(in + 2 * x) : bmp::Get32(in + 4 * x);
    out[0] = blue(pixel);
    out[1] = green(pixel);
    out[2] = red(pixel);
    if (bitCount == 32) {
      out[3] = alpha(pixel);
      out += 4;
    } else {
      out += 3;
    }
  }
}

// Clears what lies beyond the last pixel of each row, which files may fill with anything.
void ClearRowEnds(BitmapImage& image) {
  const std::size_t bits = static_cast<std::size_t>(image.width) * image.bpp();
  const std::size_t used = (bits + 7) / 8;
  if (used == image.stride && bits % 8 == 0) return;
  const auto lastMask = static_cast<std::uint8_t>(0xFF00u >> (bits % 8));
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = image.Row(y);
    if (bits % 8) row[used - 1] &= lastMask;
    std::memset(row + used, 0, image.stride - used);
  }
}

void ReadRows(TStream& stream, const Header& h, const Plan& plan, BitmapImage& image) {
  const std::size_t fileStride = RowStride(h.width, h.bitCount);
  const auto fileRow = [&](int i) { return h.topDown ? i : h.height - 1 - i; };
  if (plan.layout == RowLayout::Copy) {
    if (h.topDown) {
      stream.ReadBuffer(image.pixels.data(), fileStride * h.height);
    } else {
      for (int i = 0; i < h.height; ++i) stream.ReadBuffer(image.Row(fileRow(i)), fileStride);
    }
    ClearRowEnds(image);
    return;
  }
  std::vector<std::uint8_t> row(fileStride);
  for (int i = 0; i < h.height; ++i) {
    stream.ReadBuffer(row.data(), fileStride);
    ConvertMaskedRow(row.data(), image.Row(fileRow(i)), h.width, h.bitCount, h.masks);
  }
  ClearRowEnds(image);
}

void ReadRle(TStream& stream, const Header& h, BitmapImage& image) {
  std::memset(image.pixels.data(), 0, image.pixels.size());
  const std::int64_t remaining = stream.Remaining();
  const std::size_t size = h.sizeImage != 0 && h.sizeImage <= remaining
                               ? h.sizeImage
                               : static_cast<std::size_t>(remaining);
  std::vector<std::uint8_t> data(size);
  stream.ReadBuffer(data.data(), size);
  const std::size_t used = bmp::DecodeRle(data.data(), size, h.compression == bmp::kRle4, image);
  stream.Seek(static_cast<std::int64_t>(used) - static_cast<std::int64_t>(size),
              TSeekOrigin::soCurrent);
}

}  // namespace

BitmapImage ReadBmp(TStream& stream, const ImageLimits& limits) {
  const Header h = bmp::ReadHeader(stream);
  const Plan plan = PlanFor(h);
  CheckLimits(h.width, h.height, plan.format, limits);

  stream.SetPosition(h.pixelOffset);
  if (plan.layout != RowLayout::Rle) {
    const std::size_t bytes = RowStride(h.width, h.bitCount) * static_cast<std::size_t>(h.height);
    const std::int64_t remaining = stream.Remaining();
    if (remaining < 0 || static_cast<std::size_t>(remaining) < bytes)
      throw EInvalidGraphic("Bitmap file is truncated: the pixel data is incomplete (" +
                            std::to_string(remaining < 0 ? 0 : remaining) + " of " +
                            std::to_string(bytes) + " bytes)");
  }

  BitmapImage image = AllocateImage(h.width, h.height, plan.format, limits);
  if (!h.colors.empty()) image.palette = OwnedPalette::FromEntries(h.colors);
  if (image.empty()) return image;
  if (plan.layout == RowLayout::Rle) {
    ReadRle(stream, h, image);
  } else {
    ReadRows(stream, h, plan, image);
  }
  return image;
}

}  // namespace pictor
