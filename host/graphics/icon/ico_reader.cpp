#include "host/graphics/icon/ico_reader.h"

#include <cstdint>
#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/icon/icon_bitmap.h"
#include "host/graphics/pixels/pixel_format.h"
#include "host/graphics/icon/png_decode.h"

namespace pictor {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}
int Get16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }

std::string Size(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

void CheckLimits(std::size_t index, int width, int height, const ImageLimits& limits) {
  const std::string name =
      "Icon image " + std::to_string(index + 1) + " of " + Size(width, height) + " pixels";
  if (width > limits.maxDimension || height > limits.maxDimension)
    Fail(name + " is too large (at most " + std::to_string(limits.maxDimension) +
         " pixels a side)");
  std::size_t bytes = 0;
  if (__builtin_mul_overflow(RowStride(width, 32), static_cast<std::size_t>(height), &bytes) ||
      bytes > limits.maxBytes)
    Fail(name + " needs more than the " + std::to_string(limits.maxBytes >> 20) + " MiB allowed");
}

// Reads the image's own header for its size and depth.
void ReadImageHeader(std::span<const std::uint8_t> data, IconImageInfo& info) {
  if (IsPng(data)) {
    const PngHeader h = ReadPngHeader(data);
    info = {h.width, h.height, h.bitsPerPixel, true, info.offset, info.size};
  } else {
    const IconBitmapLayout d = ReadIconBitmapLayout(data);
    info = {d.width, d.height, d.bitCount, false, info.offset, info.size};
  }
}

bool Better(const IconImageInfo& a, const IconImageInfo& b) {
  const long long areaA = static_cast<long long>(a.width) * a.height;
  const long long areaB = static_cast<long long>(b.width) * b.height;
  if (areaA != areaB) return areaA > areaB;
  return a.bitsPerPixel > b.bitsPerPixel;
}

}  // namespace

IconDirectory ReadIconDirectory(std::span<const std::uint8_t> file, const ImageLimits& limits) {
  if (IsPng(file)) {
    // Many web icons are a PNG file under an icon's name: an icon of one image.
    IconDirectory directory;
    directory.type = 1;
    IconImageInfo& info = directory.images.emplace_back();
    if (file.size() > UINT32_MAX) Fail("Icon file of PNG data is too large");
    info.size = static_cast<std::uint32_t>(file.size());
    try {
      ReadImageHeader(file, info);
    } catch (const EInvalidGraphic& e) {
      Fail(std::string("Icon file of PNG data: ") + e.what());
    }
    CheckLimits(0, info.width, info.height, limits);
    return directory;
  }
  if (file.size() < kHeaderSize)
    Fail("Icon file is too short (" + std::to_string(file.size()) + " bytes) for a directory");
  const std::uint8_t* p = file.data();
  const int reserved = Get16(p);
  const int type = Get16(p + 2);
  const int count = Get16(p + 4);
  if (reserved != 0 || (type != 1 && type != 2))
    Fail("Not an icon file: the directory starts with " + std::to_string(reserved) + ", " +
         std::to_string(type) + " instead of 0, 1 (icon) or 0, 2 (cursor)");
  if (count == 0) Fail("Icon file holds no images");
  const std::size_t directoryEnd = kHeaderSize + kEntrySize * static_cast<std::size_t>(count);
  if (file.size() < directoryEnd)
    Fail("Icon file is truncated: its directory of " + std::to_string(count) + " images needs " +
         std::to_string(directoryEnd) + " bytes, the file has " + std::to_string(file.size()));

  IconDirectory directory;
  directory.type = type;
  directory.images.resize(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < directory.images.size(); ++i) {
    const std::uint8_t* entry = p + kHeaderSize + kEntrySize * i;
    const std::string name = "Icon image " + std::to_string(i + 1);
    IconImageInfo& info = directory.images[i];
    info.size = Get32(entry + 8);
    info.offset = Get32(entry + 12);
    if (info.size == 0) Fail(name + " is empty");
    const std::uint64_t end = std::uint64_t{info.offset} + info.size;
    if (info.offset < directoryEnd || end > file.size())
      Fail(name + " (bytes " + std::to_string(info.offset) + " to " + std::to_string(end) +
           ") does not lie in the file after the directory (" + std::to_string(directoryEnd) +
           " to " + std::to_string(file.size()) + ")");
    try {
      ReadImageHeader(file.subspan(info.offset, info.size), info);
    } catch (const EInvalidGraphic& e) {
      Fail(name + ": " + e.what());
    }
    CheckLimits(i, info.width, info.height, limits);
    if (Better(info, directory.images[directory.chosen])) directory.chosen = i;
  }
  return directory;
}

BitmapImage DecodeIconImage(std::span<const std::uint8_t> file, const IconImageInfo& image,
                            const ImageLimits& limits) {
  const std::span<const std::uint8_t> data = file.subspan(image.offset, image.size);
  BitmapImage decoded =
      image.png ? DecodePng(data, limits) : DecodeIconBitmap(data, ReadIconBitmapLayout(data), limits);
  if (decoded.width != image.width || decoded.height != image.height)
    Fail("Icon image decodes to " + Size(decoded.width, decoded.height) + " pixels instead of " +
         Size(image.width, image.height));
  return decoded;
}

}  // namespace pictor
