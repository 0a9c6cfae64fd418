// Text on a canvas: the TCanvas text members drawn with the font engine.
#include <cmath>
#include <numbers>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/text/font_engine.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/raster/polygon_scan.h"
#include "host/graphics/raster/span_painter.h"
#include "host/graphics/text/utf8.h"

namespace pictor {
namespace {

// The text's own frame: u along the baseline, v down from the top of the cell,
// turned by the font's orientation around the cell's top-left corner (x, y).
class TextFrame {
 public:
  TextFrame(int x, int y, int orientation) : x_(x), y_(y), rotated_(orientation % 3600 != 0) {
    const double angle = orientation * std::numbers::pi / 1800.0;
    cos_ = std::cos(angle);
    sin_ = std::sin(angle);
  }

  // Paints the rectangle [u0, u1) x [v0, v1) of the frame.
  void Fill(SpanPainter& painter, const BitmapImage& image, int u0, int v0, int u1, int v1) const {
    if (u0 >= u1 || v0 >= v1) return;
    if (!rotated_) {
      for (int v = v0; v < v1; ++v) painter.Span(y_ + v, x_ + u0, x_ + u1);
      return;
    }
    const TPoint corners[4] = {Map(u0, v0), Map(u1, v0), Map(u1, v1), Map(u0, v1)};
    SpanSet pixels;
    ScanPolygon(corners, FillRule::EvenOdd, TRect{0, 0, image.width, image.height}, pixels);
    painter.Spans(pixels);
  }

 private:
  TPoint Map(int u, int v) const {
    return TPoint{x_ + static_cast<int>(std::lround(u * cos_ + v * sin_)),
                  y_ + static_cast<int>(std::lround(-u * sin_ + v * cos_))};
  }

  int x_, y_;
  bool rotated_;
  double cos_ = 1, sin_ = 0;
};

}  // namespace

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const TextLayout layout = LayOutText(Font, DecodeUtf8(text));
  const FontCellMetrics& m = layout.metrics;
  BitmapImage& image = bitmap_->ImageForDrawing();
  // Whatever the orientation, nothing lands farther than this from (x, y);
  // text wholly off the bitmap is skipped, which also keeps the sums below in range.
  const long long reach = static_cast<long long>(layout.width) + m.Height() + 2 * kMaxFontPixels;
  if (x + reach < 0 || x - reach > image.width || y + reach < 0 || y - reach > image.height) return;
  auto bounded = [](long long v) { return static_cast<int>(std::clamp(v, -(1LL << 30), 1LL << 30)); };
  bitmap_->MarkChanged(TRect{bounded(x - reach), bounded(y - reach), bounded(x + reach + 1),
                             bounded(y + reach + 1)});
  const TextFrame frame(x, y, Font.Orientation);
  if (BkMode == OPAQUE) {
    // The cell takes the brush colour whatever the brush style.
    SpanPainter brush(image, clip_.get(), ColorToNative(image, Brush.Color), PixelMode::Copy);
    frame.Fill(brush, image, 0, 0, layout.width, m.Height());
  }
  SpanPainter ink(image, clip_.get(), ColorToNative(image, Font.Color), PixelMode::Copy);
  // Only glyphs that meet the visible part of the bitmap are rendered.
  const TRect bitmapRect{0, 0, image.width, image.height};
  const TRect visible = clip_ ? IntersectRect(clip_->Bounds(), bitmapRect) : bitmapRect;
  const TRect area{visible.Left - x, visible.Top - y, visible.Right - x, visible.Bottom - y};
  PaintGlyphs(Font, layout, area,
              [&](int gy, int x0, int x1) { ink.Span(y + gy, x + x0, x + x1); });
  if (Font.Style.Contains(fsUnderline))
    frame.Fill(ink, image, 0, m.underlineTop, layout.width, m.underlineTop + m.underlineThickness);
  if (Font.Style.Contains(fsStrikeOut))
    frame.Fill(ink, image, 0, m.strikeOutTop, layout.width, m.strikeOutTop + m.strikeOutThickness);
}

int TCanvas::TextWidth(std::string_view text) {
  if (text.empty()) return 0;
  return MeasureText(Font, DecodeUtf8(text));
}

// The cell height, which does not depend on the text (an empty line is as
// high as any other).
int TCanvas::TextHeight(std::string_view) { return MeasureFont(Font).Height(); }

TSize TCanvas::TextExtent(std::string_view text) {
  return TSize{TextWidth(text), TextHeight(text)};
}

TTextMetric TCanvas::TextMetrics() {
  const FontCellMetrics m = MeasureFont(Font);
  TTextMetric metric;
  metric.tmHeight = m.Height();
  metric.tmAscent = m.ascent;
  metric.tmDescent = m.descent;
  metric.tmInternalLeading = m.internalLeading;
  metric.tmAveCharWidth = m.aveCharWidth;
  return metric;
}

bool GetTextMetrics(HDC dc, TTextMetric& metric) {
  if (!dc) return false;
  metric = dc->TextMetrics();
  return true;
}

}  // namespace pictor
