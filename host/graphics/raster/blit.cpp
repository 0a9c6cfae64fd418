#include "host/graphics/raster/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/pixel_convert.h"

namespace pictor {
namespace {

bool SamePalette(const BitmapImage& a, const BitmapImage& b) {
  if (!IsIndexed(a.format)) return true;
  if (a.palette.data() == b.palette.data()) return true;
  if (!a.palette.data() || !b.palette.data()) return false;
  return a.palette.data()->entries == b.palette.data()->entries;
}

// For each target coordinate in [first, last), the source coordinate under
// its centre (or -1 outside the source).
std::vector<int> AxisMap(int first, int last, int destStart, int destLength, bool mirror,
                         int sourceStart, int sourceLength, int sourceLimit) {
  std::vector<int> map(static_cast<std::size_t>(std::max(0, last - first)));
  for (int d = first; d < last; ++d) {
    long long u = d - destStart;
    if (mirror) u = destLength - 1 - u;
    long long s = sourceStart + (2 * u + 1) * static_cast<long long>(sourceLength) /
                                    (2 * static_cast<long long>(destLength));
    map[static_cast<std::size_t>(d - first)] =
        (s >= 0 && s < sourceLimit) ? static_cast<int>(s) : -1;
  }
  return map;
}

}  // namespace

void StretchBlit(BitmapImage& target, const TRect& destRect, const BitmapImage& source,
                 const TRect& sourceRect, const BlitOptions& options) {
  if (target.empty() || source.empty()) return;
  const TRect d = NormalizedRect(destRect);
  const TRect s = NormalizedRect(sourceRect);
  if (d.IsEmpty() || s.IsEmpty()) return;
  const bool mirrorX = (destRect.Right < destRect.Left) != (sourceRect.Right < sourceRect.Left);
  const bool mirrorY = (destRect.Bottom < destRect.Top) != (sourceRect.Bottom < sourceRect.Top);

  TRect visible = IntersectRect(d, TRect{0, 0, target.width, target.height});
  if (options.clip) visible = IntersectRect(visible, options.clip->Bounds());
  if (visible.IsEmpty()) return;

  const std::vector<int> cols = AxisMap(visible.Left, visible.Right, d.Left, d.Width(), mirrorX,
                                        s.Left, s.Width(), source.width);
  const std::vector<int> rows = AxisMap(visible.Top, visible.Bottom, d.Top, d.Height(), mirrorY,
                                        s.Top, s.Height(), source.height);
  int minCol = source.width, maxCol = -1;
  for (int c : cols)
    if (c >= 0) {
      minCol = std::min(minCol, c);
      maxCol = std::max(maxCol, c);
    }
  if (maxCol < 0) return;

  const int n = visible.Width();
  const bool identityCols = !mirrorX && d.Width() == s.Width() && cols.front() >= 0 &&
                            cols.back() >= 0;
  const bool rawCopy = identityCols && !options.transparent && target.format == source.format &&
                       target.bpp() >= 8 && SamePalette(target, source);
  const std::size_t bytesPerPixel = static_cast<std::size_t>(target.bpp() / 8);

  RowEncoder encoder(target);
  const std::uint32_t key = ColorToRGB(options.key);
  const std::uint32_t keyXrgb = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
  std::vector<std::uint32_t> decoded(static_cast<std::size_t>(maxCol - minCol + 1));
  std::vector<std::uint32_t> line(static_cast<std::size_t>(n));
  std::vector<std::uint8_t> skip(static_cast<std::size_t>(n));
  int decodedRow = -1;
  int previousRow = -1;
  int previousY = -1;

  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = rows[static_cast<std::size_t>(y - visible.Top)];
    if (sy < 0) continue;
    auto pieces = [&](auto&& fn) {
      if (options.clip)
        ForEachClippedPiece(*options.clip, y, visible.Left, visible.Right, fn);
      else
        fn(visible.Left, visible.Right);
    };
    if (rawCopy) {
      const std::uint8_t* from = source.Row(sy) + static_cast<std::size_t>(cols.front()) * bytesPerPixel;
      pieces([&](int a, int b) {
        std::memcpy(target.Row(y) + static_cast<std::size_t>(a) * bytesPerPixel,
                    from + static_cast<std::size_t>(a - visible.Left) * bytesPerPixel,
                    static_cast<std::size_t>(b - a) * bytesPerPixel);
      });
      continue;
    }
    // A row that repeats the previous one (an enlargement) is copied from it.
    if (sy == previousRow && !options.clip && !options.transparent && target.bpp() >= 8) {
      std::memcpy(target.Row(y) + static_cast<std::size_t>(visible.Left) * bytesPerPixel,
                  target.Row(previousY) + static_cast<std::size_t>(visible.Left) * bytesPerPixel,
                  static_cast<std::size_t>(n) * bytesPerPixel);
      continue;
    }
    if (sy != decodedRow) {
      DecodeRow(source, sy, minCol, maxCol - minCol + 1, decoded.data());
      decodedRow = sy;
    }
    if (identityCols && !options.transparent) {
      // Same width, not mirrored, nothing skipped: the decoded row is the line.
      const std::uint32_t* from = decoded.data() + (cols.front() - minCol);
      pieces([&](int a, int b) { encoder.Encode(y, a, b - a, from + (a - visible.Left)); });
      previousRow = sy;
      previousY = y;
      continue;
    }
    bool anySkipped = false;
    for (int i = 0; i < n; ++i) {
      const int c = cols[static_cast<std::size_t>(i)];
      const bool off = c < 0;
      const std::uint32_t v = off ? 0 : decoded[static_cast<std::size_t>(c - minCol)];
      line[static_cast<std::size_t>(i)] = v;
      skip[static_cast<std::size_t>(i)] = off || (options.transparent && v == keyXrgb);
      anySkipped |= skip[static_cast<std::size_t>(i)] != 0;
    }
    pieces([&](int a, int b) {
      if (!anySkipped) {
        encoder.Encode(y, a, b - a, line.data() + (a - visible.Left));
        return;
      }
      for (int x = a; x < b; ++x) {
        const auto i = static_cast<std::size_t>(x - visible.Left);
        if (!skip[i]) WriteNative(target, x, y, encoder.Native(line[i]));
      }
    });
    previousRow = anySkipped ? -1 : sy;
    previousY = y;
  }
}

}  // namespace pictor
