// WriteBmp: a file header, a 40-byte info header, masks for pf16bit and
// pfDevice, the palette, then the rows bottom-up exactly as they lie in memory.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/bmp/bmp_format.h"
#include "host/graphics/errors.h"

namespace pictor {
namespace {

constexpr std::uint32_t kPixelsPerMeter = 3780;  // 96 dots per inch
constexpr std::size_t kMaxTrueColorTable = 65535;

}  // namespace

void WriteBmp(const BitmapImage& image, TStream& stream) {
  using namespace bmp;
  const bool empty = image.empty();
  const int width = empty ? 0 : image.width;
  const int height = empty ? 0 : image.height;
  const int bpp = image.bpp();
  const bool fields = image.format == pf16bit || image.format == pfDevice;

  // An indexed file always carries a table; without a palette it is black.
  std::size_t colors = image.palette.size();
  if (IsIndexed(image.format)) {
    colors = colors == 0 ? MaxPaletteEntries(image.format)
                         : std::min<std::size_t>(colors, MaxPaletteEntries(image.format));
  } else {
    colors = std::min(colors, kMaxTrueColorTable);
  }

  const std::size_t stride = RowStride(width, bpp);
  const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
  const std::size_t offBits = kFileHeaderSize + kInfoHeaderSize + (fields ? 12 : 0) + colors * 4;
  const std::size_t fileSize = offBits + pixelBytes;
  if (fileSize > std::numeric_limits<std::uint32_t>::max())
    throw EInvalidGraphicOperation("The bitmap is too large to be saved as a bitmap file");

  std::vector<std::uint8_t> head(offBits, 0);
  std::uint8_t* p = head.data();
  Put16(p, kSignature);
  Put32(p + 2, static_cast<std::uint32_t>(fileSize));
  Put32(p + 10, static_cast<std::uint32_t>(offBits));
  p += kFileHeaderSize;
  Put32(p, kInfoHeaderSize);
  Put32(p + 4, static_cast<std::uint32_t>(width));
  Put32(p + 8, static_cast<std::uint32_t>(height));
  Put16(p + 12, 1);
  Put16(p + 14, static_cast<std::uint32_t>(bpp));
  Put32(p + 16, fields ? kBitfields : kRgb);
  Put32(p + 20, static_cast<std::uint32_t>(pixelBytes));
  Put32(p + 24, kPixelsPerMeter);
  Put32(p + 28, kPixelsPerMeter);
  Put32(p + 32, static_cast<std::uint32_t>(colors));
  p += kInfoHeaderSize;
  if (fields) {
    const Masks masks = MasksOf(LayoutOf(image.format));
    Put32(p, masks.red);
    Put32(p + 4, masks.green);
    Put32(p + 8, masks.blue);
    p += 12;
  }
  for (std::size_t i = 0; i < std::min(colors, image.palette.size()); ++i, p += 4) {
    const PALETTEENTRY& e = image.palette[i];
    p[0] = e.peBlue;
    p[1] = e.peGreen;
    p[2] = e.peRed;
    p[3] = e.peFlags;
  }

  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream))
    memory->Reserve(static_cast<std::size_t>(memory->Position()) + fileSize);
  stream.WriteBuffer(head.data(), head.size());
  for (int y = height - 1; y >= 0; --y) stream.WriteBuffer(image.Row(y), stride);
}

}  // namespace pictor
