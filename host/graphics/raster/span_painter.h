// Writes spans of one colour into a bitmap image, clipped to the image and to
// an optional clipping region. The value's bytes are laid out once for all
// the spans of a figure.
#pragma once

#include <cstdint>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/span_fill.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

class SpanPainter {
 public:
  SpanPainter(BitmapImage& image, const SpanSet* clip, std::uint32_t native, PixelMode mode)
      : image_(image), clip_(clip), fill_(image.format, native, mode) {}

  void Span(int y, int x0, int x1) {
    if (y < 0 || y >= image_.height) return;
    if (x0 < 0) x0 = 0;
    if (x1 > image_.width) x1 = image_.width;
    if (x0 >= x1) return;
    if (!clip_) {
      fill_.Apply(image_, y, x0, x1);
      return;
    }
    ForEachClippedPiece(*clip_, y, x0, x1,
                        [&](int a, int b) { fill_.Apply(image_, y, a, b); });
  }
  void Pixel(int x, int y) { Span(y, x, x + 1); }
  void Spans(const SpanSet& set) {
    for (const pictor::Span& s : set.Spans()) Span(s.Y, s.X0, s.X1);
  }

 private:
  BitmapImage& image_;
  const SpanSet* clip_;
  SpanFill fill_;
};

}  // namespace pictor
