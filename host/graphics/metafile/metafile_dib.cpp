#include "host/graphics/metafile/metafile_dib.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/raster/blit.h"
#include "host/graphics/bmp/bmp_codec.h"
#include "host/graphics/errors.h"
#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/metafile/metafile_geometry.h"
#include "host/graphics/metafile/metafile_reader.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/streams.h"

namespace pictor::metafile {
namespace {

// Bitmaps inside metafiles: at most 16384 pixels a side and 64 MiB of pixels.
constexpr ImageLimits kDibLimits{16384, std::size_t{64} << 20};
constexpr std::size_t kFileHeaderSize = 14;

void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::optional<BitmapImage> DecodeDib(std::span<const std::uint8_t> info,
                                     std::span<const std::uint8_t> bits, bool& bottomUp) {
  ByteReader r(info);
  const std::uint32_t headerSize = r.U32(0);
  if (!r.Ok() || headerSize < 12) return std::nullopt;
  bottomUp = headerSize == 12 || r.I32(8) > 0;
  // A bitmap file around the record's bitmap; a pixel offset of 0 means
  // "right after the colour table", else it points past the info block.
  TMemoryStream file;
  std::uint8_t header[kFileHeaderSize] = {'B', 'M'};
  const std::size_t total = kFileHeaderSize + info.size() + bits.size();
  Put32(header + 2, static_cast<std::uint32_t>(std::min<std::size_t>(total, 0xFFFFFFFFu)));
  Put32(header + 10, bits.empty() ? 0 : static_cast<std::uint32_t>(kFileHeaderSize + info.size()));
  file.Reserve(total);
  file.WriteBuffer(header, sizeof header);
  file.WriteBuffer(info.data(), info.size());
  if (!bits.empty()) file.WriteBuffer(bits.data(), bits.size());
  file.SetPosition(0);
  try {
    return ReadBmp(file, kDibLimits);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

TColor AverageColor(const BitmapImage& image) {
  if (image.empty()) return clBlack;
  const int stepX = std::max(1, image.width / 32), stepY = std::max(1, image.height / 32);
  std::uint64_t r = 0, g = 0, b = 0, n = 0;
  for (int y = 0; y < image.height; y += stepY) {
    for (int x = 0; x < image.width; x += stepX) {
      const TColor c = NativeToColor(image, ReadNative(image, x, y));
      r += GetRValue(c);
      g += GetGValue(c);
      b += GetBValue(c);
      ++n;
    }
  }
  return RGB(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

void Device::DrawDib(PointD origin, PointD size, std::span<const std::uint8_t> info,
                     std::span<const std::uint8_t> bits, const TRect& source,
                     bool sourceFromBottom, std::uint32_t rop) {
  if (rop != kSrcCopy) return;  // other raster operations with a source are not carried out
  const TPoint p = Pixel(origin), q = Pixel({origin.x + size.x, origin.y + size.y});
  const TRect dest{p.X, p.Y, q.X, q.Y};
  const TRect destBox = NormalizedRect(dest);
  if (AreaInside(destBox, visible_) == 0) return;
  // The header's size, read before decoding, is charged first.
  ByteReader r(info);
  const std::uint64_t w = r.U32(0) == 12 ? r.U16(4) : r.U32(4);
  const std::uint64_t h = r.U32(0) == 12 ? r.U16(6) : std::llabs(r.I32(8));
  if (!r.Ok() || !Spend(16 + w * h / 4 + BoxCost(destBox))) return;
  bool bottomUp = true;
  const std::optional<BitmapImage> image = DecodeDib(info, bits, bottomUp);
  if (!image || image->empty()) return;
  TRect src = source;
  if (sourceFromBottom && bottomUp) {
    // Rows counted from the bottom of the bitmap.
    const int top = image->height - source.Bottom;
    src = TRect{source.Left, top, source.Right, top + source.Height()};
  }
  BlitOptions options;
  options.clip = canvas_.ClipRegion();
  StretchBlit(canvas_.Bitmap()->Image(), dest, *image, src, options);
}

}  // namespace pictor::metafile
