#include "host/graphics/raster/alpha_blit.h"

#include <cstdint>
#include <vector>

#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/pixel_convert.h"
#include "host/graphics/raster/blit.h"

namespace pictor {
namespace {

std::uint32_t Blend(const std::uint8_t* bgra, std::uint32_t under) {
  const unsigned a = bgra[3];
  if (a == 255) return bgra[0] | (std::uint32_t(bgra[1]) << 8) | (std::uint32_t(bgra[2]) << 16);
  std::uint32_t out = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const unsigned s = bgra[channel];
    const unsigned d = (under >> (8 * channel)) & 0xFF;
    out |= ((s * a + d * (255 - a) + 127) / 255) << (8 * channel);
  }
  return out;
}

}  // namespace

void AlphaBlit(BitmapImage& target, const TRect& destRect, const BitmapImage& source,
               const SpanSet* clip) {
  if (target.empty() || source.empty()) return;
  const TRect d = NormalizedRect(destRect);
  if (d.IsEmpty()) return;
  TRect visible = IntersectRect(d, TRect{0, 0, target.width, target.height});
  if (clip) visible = IntersectRect(visible, clip->Bounds());
  if (visible.IsEmpty()) return;

  const std::vector<int> cols = AxisMap(visible.Left, visible.Right, d.Left, d.Width(),
                                        destRect.Right < destRect.Left, 0, source.width,
                                        source.width);
  const std::vector<int> rows = AxisMap(visible.Top, visible.Bottom, d.Top, d.Height(),
                                        destRect.Bottom < destRect.Top, 0, source.height,
                                        source.height);
  const int n = visible.Width();
  std::vector<std::uint32_t> under(static_cast<std::size_t>(n));
  RowEncoder encoder(target);

  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const std::uint8_t* from = source.Row(rows[static_cast<std::size_t>(y - visible.Top)]);
    DecodeRow(target, y, visible.Left, n, under.data());
    const auto draw = [&](int x0, int x1) {
      for (int x = x0; x < x1; ++x) {
        const auto i = static_cast<std::size_t>(x - visible.Left);
        const std::uint8_t* pixel = from + 4 * static_cast<std::size_t>(cols[i]);
        if (pixel[3] == 0) continue;
        WriteNative(target, x, y, encoder.Native(Blend(pixel, under[i])));
      }
    };
    if (clip)
      ForEachClippedPiece(*clip, y, visible.Left, visible.Right, draw);
    else
      draw(visible.Left, visible.Right);
  }
}

}  // namespace pictor
