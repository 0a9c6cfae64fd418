#include "host/graphics/bmp/bmp_header.h"

#include <cstdint>
#include <limits>
#include <string>

#include "host/graphics/errors.h"

namespace pictor::bmp {
namespace {

constexpr std::uint32_t kMaxTrueColorTable = 65535;

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

void ReadPart(TStream& stream, void* buffer, std::size_t count, const char* what) {
  if (stream.Remaining() < static_cast<std::int64_t>(count) || stream.Read(buffer, count) != count)
    Fail(std::string("Bitmap file is truncated: the ") + what + " is incomplete");
}

bool IsSupportedHeaderSize(std::uint32_t size) {
  switch (size) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kInfoRgbMasksSize:
    case kInfoRgbaMasksSize:
    case kExtendedCoreHeaderSize:
    case kV4HeaderSize:
    case kV5HeaderSize:
      return true;
    default:
      return false;
  }
}

void CheckCompression(const Header& h) {
  const std::string bits = std::to_string(h.bitCount);
  switch (h.compression) {
    case kRgb:
      return;
    case kRle8:
      if (h.bitCount != 8) Fail("RLE8 compression needs 8 bits per pixel, not " + bits);
      break;
    case kRle4:
      if (h.bitCount != 4) Fail("RLE4 compression needs 4 bits per pixel, not " + bits);
      break;
    case kBitfields:
    case kAlphaBitfields:
      if (h.bitCount != 16 && h.bitCount != 32)
        Fail("Bit field compression needs 16 or 32 bits per pixel, not " + bits);
      return;
    case kJpeg:
      Fail("Bitmaps holding a JPEG image are not supported");
    case kPng:
      Fail("Bitmaps holding a PNG image are not supported");
    default:
      Fail("Unsupported bitmap compression " + std::to_string(h.compression));
  }
  if (h.topDown) Fail("An RLE-compressed bitmap cannot be stored top-down");
}

// The sizes of a 12-byte core header.
void ParseCore(const std::uint8_t* p, Header& h) {
  h.width = Get16(p + 4);
  h.height = Get16(p + 6);
  h.bitCount = Get16(p + 10);
  if ((h.width == 0) != (h.height == 0))
    Fail("Invalid bitmap size " + std::to_string(h.width) + " x " + std::to_string(h.height));
}

// The sizes of every larger header; returns the declared colour count.
std::uint32_t ParseInfo(const std::uint8_t* p, Header& h) {
  const auto width = static_cast<std::int32_t>(Get32(p + 4));
  const auto height = static_cast<std::int32_t>(Get32(p + 8));
  h.bitCount = Get16(p + 14);
  h.compression = Get32(p + 16);
  h.sizeImage = Get32(p + 20);
  if (h.headerSize == kExtendedCoreHeaderSize && (h.compression == 3 || h.compression == 4))
    Fail(h.compression == 3 ? "Huffman-compressed bitmaps are not supported"
                            : "RLE24-compressed bitmaps are not supported");
  if (h.headerSize >= kInfoRgbMasksSize && h.headerSize != kExtendedCoreHeaderSize)
    h.masks = {Get32(p + 40), Get32(p + 44), Get32(p + 48), 0};
  if (h.headerSize >= kInfoRgbaMasksSize && h.headerSize != kExtendedCoreHeaderSize)
    h.masks.alpha = Get32(p + 52);
  if (height == std::numeric_limits<std::int32_t>::min())
    Fail("Invalid bitmap height " + std::to_string(height));
  h.width = width;
  h.topDown = height < 0;
  h.height = height < 0 ? -height : height;
  if (width < 0 || (h.width == 0) != (h.height == 0))
    Fail("Invalid bitmap size " + std::to_string(width) + " x " + std::to_string(height));
  return Get32(p + 32);
}

// Masks that follow a header too small to hold them.
void ReadMasks(TStream& stream, Header& h) {
  if (h.compression != kBitfields && h.compression != kAlphaBitfields) return;
  const std::uint32_t wanted = h.compression == kBitfields ? kInfoRgbMasksSize : kInfoRgbaMasksSize;
  if (h.headerSize < wanted) {
    std::uint8_t masks[16];
    ReadPart(stream, masks, wanted - h.headerSize, "colour mask table");
    const std::uint8_t* p = masks;
    if (h.headerSize < kInfoRgbMasksSize) {
      h.masks.red = Get32(p);
      h.masks.green = Get32(p + 4);
      h.masks.blue = Get32(p + 8);
      p += 12;
    }
    if (wanted == kInfoRgbaMasksSize) h.masks.alpha = Get32(p);
  }
  // Plain bit fields have no alpha unless the header itself carries an alpha mask.
  if (h.compression == kBitfields && h.headerSize < kInfoRgbaMasksSize) h.masks.alpha = 0;
}

// pixelOffset: where the file header says the pixels start.
void ReadColorTable(TStream& stream, Header& h, std::uint32_t colorsUsed,
                    std::int64_t pixelOffset) {
  const bool core = h.headerSize == kCoreHeaderSize;
  const std::uint32_t maxIndexed = h.bitCount <= 8 ? 1u << h.bitCount : 0;
  const std::size_t entrySize = core ? 3 : 4;
  std::uint32_t count = 0;
  if (core) {
    count = maxIndexed;
    // Core files often hold fewer entries; the pixel offset tells how many.
    const std::int64_t tableStart = stream.Position();
    if (pixelOffset >= tableStart &&
        pixelOffset < tableStart + static_cast<std::int64_t>(count * entrySize))
      count = static_cast<std::uint32_t>((pixelOffset - tableStart) / entrySize);
  } else if (maxIndexed != 0) {
    count = colorsUsed == 0 || colorsUsed > maxIndexed ? maxIndexed : colorsUsed;
  } else {
    if (colorsUsed > kMaxTrueColorTable)
      Fail("Invalid colour table of " + std::to_string(colorsUsed) + " entries");
    count = colorsUsed;
  }
  std::vector<std::uint8_t> table(std::size_t{count} * entrySize);
  ReadPart(stream, table.data(), table.size(), "colour table");
  h.colors.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* e = table.data() + i * entrySize;
    h.colors[i] = {e[2], e[1], e[0], core ? std::uint8_t{0} : e[3]};
  }
}

}  // namespace

Header ReadHeader(TStream& stream) {
  const std::int64_t start = stream.Position();
  std::uint8_t file[kFileHeaderSize + 4];
  ReadPart(stream, file, sizeof file, "file header");
  if (Get16(file) != kSignature) Fail("Not a bitmap file: the signature \"BM\" is missing");
  const std::uint32_t offBits = Get32(file + 10);

  Header h;
  h.headerSize = Get32(file + kFileHeaderSize);
  if (!IsSupportedHeaderSize(h.headerSize))
    Fail("Unsupported bitmap header size " + std::to_string(h.headerSize));
  std::uint8_t info[kV5HeaderSize] = {};
  Put32(info, h.headerSize);
  ReadPart(stream, info + 4, h.headerSize - 4, "bitmap header");

  const bool core = h.headerSize == kCoreHeaderSize;
  std::uint32_t colorsUsed = 0;
  if (core) {
    ParseCore(info, h);
  } else {
    colorsUsed = ParseInfo(info, h);
  }
  if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 &&
      h.bitCount != 24 && h.bitCount != 32)
    Fail("Unsupported bitmap depth of " + std::to_string(h.bitCount) + " bits per pixel");
  CheckCompression(h);

  ReadMasks(stream, h);
  ReadColorTable(stream, h, colorsUsed, start + offBits);

  const std::int64_t tableEnd = stream.Position();
  const std::int64_t offset = start + offBits;
  if (offBits == 0 || offset < tableEnd) {
    h.pixelOffset = tableEnd;
  } else {
    if (offset > stream.Size())
      Fail("The bitmap's pixel data offset lies beyond the end of the file");
    h.pixelOffset = offset;
  }
  return h;
}

}  // namespace pictor::bmp
