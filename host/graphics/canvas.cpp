#include "host/graphics/canvas.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "host/graphics/bitmap.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/pixels/span_fill.h"
#include "host/graphics/raster/figure_raster.h"
#include "host/graphics/raster/flood_fill.h"
#include "host/graphics/raster/line_raster.h"
#include "host/graphics/raster/polygon_scan.h"
#include "host/graphics/raster/span_painter.h"

namespace pictor {

// The canvas's drawing state turned into span painters for one operation.
class CanvasPainter {
 public:
  explicit CanvasPainter(TCanvas& canvas)
      : canvas_(canvas), image_(canvas.bitmap_->ImageForDrawing()), clip_(canvas.clip_.get()) {}

  // Records that the operation writes nothing outside box.
  void Marks(const TRect& box) { canvas_.bitmap_->MarkChanged(IntersectRect(box, Visible())); }

  // Records that box, just painted with the brush, holds its one value, when
  // nothing but the box was painted and the value replaced what lay there.
  void NotesUniform(const TRect& box) {
    if (!clip_ && Mode() == PixelMode::Copy) canvas_.bitmap_->NoteUniform(box);
  }

  BitmapImage& Image() { return image_; }
  TRect Visible() const {
    TRect r{0, 0, image_.width, image_.height};
    return clip_ ? IntersectRect(r, clip_->Bounds()) : r;
  }
  PixelMode Mode() const {
    return canvas_.Pen.Mode == TPenMode::pmXor ? PixelMode::Xor : PixelMode::Copy;
  }
  bool HasPen() const { return canvas_.Pen.Style != TPenStyle::psClear; }
  bool HasBrush() const { return canvas_.Brush.Style != TBrushStyle::bsClear; }
  int PenWidth() const { return std::max(canvas_.Pen.Width, 1); }
  SpanPainter PenPainter() {
    return SpanPainter(image_, clip_, ColorToNative(image_, canvas_.Pen.Color), Mode());
  }
  SpanPainter BrushPainter() {
    return SpanPainter(image_, clip_, ColorToNative(image_, canvas_.Brush.Color), Mode());
  }
  int StyleIndex() const {
    switch (canvas_.Pen.Style) {
      case TPenStyle::psDash: return 1;
      case TPenStyle::psDot: return 2;
      case TPenStyle::psDashDot: return 3;
      case TPenStyle::psDashDotDot: return 4;
      default: return 0;
    }
  }

  // The pixels the pen covers along a path of points (open or closed).
  SpanSet PathPixels(std::span<const TPoint> points, bool closed) {
    SpanSet pixels;
    const int width = PenWidth();
    const int style = width == 1 ? StyleIndex() : 0;
    const TRect visible = Visible();
    int index = 0;
    auto add = [&](int x, int y) {
      if (PenStyleDraws(style, index++)) pixels.Add(y, x, x + 1);
    };
    std::optional<PenDisc> disc;
    if (width > 1) disc.emplace(width);
    const std::size_t n = points.size();
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
      const TPoint a = points[i], b = points[(i + 1) % n];
      // Wide pens cover their end points; thin open paths leave out the last one.
      if (disc) {
        disc->AddLine(a, b, i + 1 == segments, visible, pixels);
      } else {
        TraceLine(a, b, false, visible, add);
      }
    }
    if (n == 1 && disc) disc->AddDot(points[0].X, points[0].Y, visible, pixels);
    return pixels;
  }

 private:
  TCanvas& canvas_;
  BitmapImage& image_;
  const SpanSet* clip_;
};

namespace {

// The box of the points grown by margin on every side.
TRect PointsBox(std::span<const TPoint> points, int margin) {
  const TRect box = BoundsOf(points);
  if (box.IsEmpty()) return box;
  // In 64 bits: points near the ends of int stay in range.
  auto clamp = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
  };
  return TRect{clamp(box.Left - 1LL - margin), clamp(box.Top - 1LL - margin),
               clamp(box.Right + 1LL + margin), clamp(box.Bottom + 1LL + margin)};
}

// A figure's box (corners in either order) grown by the pen.
TRect FigureMarkBox(int x1, int y1, int x2, int y2, int penWidth) {
  const TPoint corners[2] = {{x1, y1}, {x2, y2}};
  return PointsBox(corners, penWidth);
}

}  // namespace

TCanvas::TCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
TCanvas::~TCanvas() = default;

TColor TCanvas::Pixels(int x, int y) const { return bitmap_->PixelColor(x, y); }

void TCanvas::SetPixels(int x, int y, TColor color) {
  BitmapImage& image = bitmap_->ImageForDrawing();
  if (!image.Contains(x, y)) return;
  if (clip_ && !clip_->Contains(x, y)) return;
  bitmap_->MarkChanged(TRect{x, y, x + 1, y + 1});
  WriteNative(image, x, y, ColorToNative(image, color));
}

void TCanvas::MoveTo(int x, int y) { PenPos = TPoint{x, y}; }

void TCanvas::LineTo(int x, int y) {
  const TPoint points[2] = {PenPos, TPoint{x, y}};
  PenPos = points[1];
  CanvasPainter painter(*this);
  if (!painter.HasPen()) return;
  painter.Marks(PointsBox(points, painter.PenWidth()));
  SpanPainter pen = painter.PenPainter();
  if (painter.PenWidth() == 1 && painter.StyleIndex() == 0) {
    TraceLine(points[0], points[1], false, painter.Visible(),
              [&](int px, int py) { pen.Pixel(px, py); });
    return;
  }
  pen.Spans(painter.PathPixels(points, false));
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  CanvasPainter painter(*this);
  if (!painter.HasPen()) return;
  painter.Marks(PointsBox(points, painter.PenWidth()));
  painter.PenPainter().Spans(painter.PathPixels(points, false));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  CanvasPainter painter(*this);
  painter.Marks(PointsBox(points, painter.PenWidth()));
  SpanSet outline;
  if (painter.HasPen()) outline = painter.PathPixels(points, true);
  if (painter.HasBrush() && points.size() >= 3) {
    SpanSet fill;
    ScanPolygon(points, FillRule::EvenOdd, painter.Visible(), fill);
    // Each pixel is drawn once, so an XOR polygon undoes itself.
    painter.BrushPainter().Spans(outline.IsEmpty() ? fill : SubtractSpans(fill, outline));
  }
  painter.PenPainter().Spans(outline);
}

void TCanvas::PolyPolygon(std::span<const TPoint> points, std::span<const int> counts) {
  CanvasPainter painter(*this);
  painter.Marks(PointsBox(points, painter.PenWidth()));
  SpanSet outline;
  std::size_t start = 0;
  for (int count : counts) {
    if (count <= 0 || start + static_cast<std::size_t>(count) > points.size()) break;
    std::span<const TPoint> contour = points.subspan(start, static_cast<std::size_t>(count));
    start += static_cast<std::size_t>(count);
    if (painter.HasPen() && contour.size() >= 2) {
      const SpanSet ring = painter.PathPixels(contour, true);
      for (const Span& s : ring.Spans()) outline.Add(s.Y, s.X0, s.X1);
    }
  }
  if (painter.HasBrush()) {
    SpanSet fill;
    ScanPolyPolygon(points, counts, PolyFillMode == WINDING ? FillRule::Winding : FillRule::EvenOdd,
                    painter.Visible(), fill);
    painter.BrushPainter().Spans(outline.IsEmpty() ? fill : SubtractSpans(fill, outline));
  }
  painter.PenPainter().Spans(outline);
}

void TCanvas::PolyBezier(std::span<const TPoint> points) {
  if (points.size() < 4) return;
  Polyline(FlattenBezier(points));
}

namespace {

void DrawFigure(TCanvas& canvas, CanvasPainter& painter, const FigureBox& box, int penWidth) {
  const TRect visible = painter.Visible();
  if (visible.IsEmpty()) return;
  const bool outline = painter.HasPen();
  const bool fill = painter.HasBrush();
  if (!outline && !fill) return;
  SpanPainter pen = painter.PenPainter();
  SpanPainter brush = painter.BrushPainter();
  const bool dotted = canvas.Pen.Style != TPenStyle::psSolid && penWidth == 1;
  SpanFn outlineSpan = [&](int y, int x0, int x1) {
    if (!dotted) {
      pen.Span(y, x0, x1);
      return;
    }
    // Styled outlines of closed figures alternate pixels by position.
    for (int x = x0 + ((x0 + y) & 1); x < x1; x += 2) pen.Pixel(x, y);
  };
  SpanFn fillSpan = [&](int y, int x0, int x1) { brush.Span(y, x0, x1); };
  RasterFigure(box, penWidth, outline, fill, visible.Top, visible.Bottom, outlineSpan, fillSpan);
}

}  // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  CanvasPainter painter(*this);
  painter.Marks(FigureMarkBox(x1, y1, x2, y2, painter.PenWidth()));
  DrawFigure(*this, painter, FigureBox{x1, y1, x2, y2, 0, 0}, painter.PenWidth());
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  CanvasPainter painter(*this);
  painter.Marks(FigureMarkBox(x1, y1, x2, y2, painter.PenWidth()));
  DrawFigure(*this, painter, FigureBox{x1, y1, x2, y2, std::abs(w), std::abs(h)},
             painter.PenWidth());
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  CanvasPainter painter(*this);
  painter.Marks(FigureMarkBox(x1, y1, x2, y2, painter.PenWidth()));
  const int w = std::abs(x2 - x1), h = std::abs(y2 - y1);
  DrawFigure(*this, painter, FigureBox{x1, y1, x2, y2, w, h}, painter.PenWidth());
}

void TCanvas::FillRect(const TRect& r) {
  CanvasPainter painter(*this);
  if (!painter.HasBrush()) return;
  const TRect n = NormalizedRect(r);
  const TRect visible = IntersectRect(n, painter.Visible());
  painter.Marks(visible);
  SpanPainter brush = painter.BrushPainter();
  for (int y = visible.Top; y < visible.Bottom; ++y) brush.Span(y, visible.Left, visible.Right);
  painter.NotesUniform(visible);
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  CanvasPainter painter(*this);
  if (!painter.HasBrush()) return;
  const bool border = style == TFillStyle::fsBorder;
  const TRect whole = painter.Visible();
  // Unclipped and copying, the brush writes each span whole with one value.
  const bool oneValue = !clip_ && painter.Mode() == PixelMode::Copy;
  const std::uint32_t native = ColorToNative(painter.Image(), Brush.Color);
  if (oneValue && bitmap_->UniformRect() == whole) {
    // An image known to be one value throughout is one area: filled with no
    // search, and a colour of one repeated byte with one memset.
    if (!FloodFillTakes(painter.Image(), x, y, color, border)) return;
    painter.Marks(whole);
    FillImage(painter.Image(), native);
    bitmap_->NoteUniform(whole);
    return;
  }
  SpanPainter brush = painter.BrushPainter();
  // The filled area is known only as it is found: its box grows span by span.
  TRect filled;
  std::int64_t pixels = 0;
  FloodFillSpans(
      painter.Image(), x, y, color, border,
      [&](int row, int x0, int x1) {
        const TRect span{x0, row, x1, row + 1};
        bitmap_->BeforeWrite(span);
        filled = UnionRect(filled, span);
        pixels += x1 - x0;
        brush.Span(row, x0, x1);
      },
      oneValue ? std::optional(native) : std::nullopt);
  painter.Marks(filled);
  // An area as large as its box is the box: one colour throughout.
  if (pixels == std::int64_t{filled.Width()} * filled.Height()) painter.NotesUniform(filled);
}

void TCanvas::SetClipRegion(const SpanSet* region) {
  clip_ = region ? std::make_unique<SpanSet>(*region) : nullptr;
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor top, TColor bottom, int width) {
  TCanvas& c = *canvas;
  const TPen saved = c.Pen;
  c.Pen.Width = 1;
  c.Pen.Style = TPenStyle::psSolid;
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
    c.Pen.Color = top;
    const TPoint topLeft[3] = {{l, b}, {l, t}, {r, t}};
    c.Polyline(topLeft);
    c.Pen.Color = bottom;
    const TPoint bottomRight[3] = {{r, t}, {r, b}, {l - 1, b}};
    c.Polyline(bottomRight);
    rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
  }
  c.Pen = saved;
}

bool SelectClipRgn(HDC dc, HRGN region) {
  if (region == HRGN{}) {
    dc->SetClipRegion(nullptr);
    return true;
  }
  const SpanSet* pixels = handles::LookupRegion(region);
  if (!pixels) return false;
  dc->SetClipRegion(pixels);
  return true;
}

bool InvertRgn(HDC dc, HRGN region) {
  const SpanSet* pixels = handles::LookupRegion(region);
  if (!pixels) return false;
  BitmapImage& image = dc->Bitmap()->ImageForDrawing();
  dc->Bitmap()->MarkChanged(pixels->Bounds());
  // All ones: the top index of the depth, or white on true-colour formats.
  SpanPainter(image, dc->ClipRegion(), LayoutOf(image.format).AllOnes(), PixelMode::Xor)
      .Spans(*pixels);
  return true;
}

int SetBkMode(HDC dc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  int previous = dc->BkMode;
  dc->BkMode = mode;
  return previous;
}

int GetBkMode(HDC dc) { return dc->BkMode; }

int SetPolyFillMode(HDC dc, int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  int previous = dc->PolyFillMode;
  dc->PolyFillMode = mode;
  return previous;
}

bool FillRgn(HDC dc, HRGN region, TColor color) {
  const SpanSet* pixels = handles::LookupRegion(region);
  if (!pixels) return false;
  BitmapImage& image = dc->Bitmap()->ImageForDrawing();
  dc->Bitmap()->MarkChanged(pixels->Bounds());
  SpanPainter(image, dc->ClipRegion(), ColorToNative(image, color), PixelMode::Copy).Spans(*pixels);
  return true;
}

}  // namespace pictor
