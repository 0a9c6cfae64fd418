// Arc, Chord and Pie: parts of an ellipse cut by two rays from its centre.
#include <algorithm>
#include <cmath>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/raster/figure_raster.h"
#include "host/graphics/raster/line_raster.h"
#include "host/graphics/pixels/pixel_access.h"
#include "host/graphics/raster/span_painter.h"

namespace pictor {
namespace {

enum class ArcKind { Arc, Chord, Pie };

// Vectors from the centre, y pointing up, in doubled pixel units.
struct Vec {
  double x, y;
};
double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }

struct Sweep {
  Vec start, end;
  bool full;  // start and end rays coincide: the whole ellipse
  // Whether v lies on the counter-clockwise sweep from start to end.
  bool Contains(Vec v) const {
    if (full) return true;
    if (Cross(start, end) >= 0) return Cross(start, v) >= 0 && Cross(v, end) >= 0;
    return !(Cross(end, v) > 0 && Cross(v, start) > 0);
  }
};

void DrawArcFigure(TCanvas& canvas, ArcKind kind, int x1, int y1, int x2, int y2, int x3, int y3,
                   int x4, int y4) {
  BitmapImage& image = canvas.Bitmap()->ImageForDrawing();
  const TRect box = NormalizedRect(TRect{x1, y1, x2, y2});
  if (box.IsEmpty() || image.empty()) return;
  const int reach = std::max(canvas.Pen.Width, 1) + 1;
  canvas.Bitmap()->MarkChanged(TRect{box.Left - reach, box.Top - reach, box.Right + reach,
                                     box.Bottom + reach});
  const double cx2 = double(box.Left) + box.Right, cy2 = double(box.Top) + box.Bottom;
  Sweep sweep{{2.0 * x3 - cx2, cy2 - 2.0 * y3}, {2.0 * x4 - cx2, cy2 - 2.0 * y4}, false};
  sweep.full = Cross(sweep.start, sweep.end) == 0 &&
               sweep.start.x * sweep.end.x + sweep.start.y * sweep.end.y > 0;
  auto vecOf = [&](int x, int y) { return Vec{2.0 * x + 1 - cx2, cy2 - (2.0 * y + 1)}; };

  // The pixel where a ray meets the ellipse.
  const double a = box.Width() / 2.0, b = box.Height() / 2.0;
  auto onEllipse = [&](Vec dir) {
    const double scale = std::hypot(dir.x / 2 / a, dir.y / 2 / b);
    double px = cx2 / 2, py = cy2 / 2;
    if (scale > 0) {
      px += dir.x / 2 / scale;
      py -= dir.y / 2 / scale;
    }
    return TPoint{static_cast<int>(std::clamp(std::floor(px), double(box.Left), box.Right - 1.0)),
                  static_cast<int>(std::clamp(std::floor(py), double(box.Top), box.Bottom - 1.0))};
  };
  const TPoint startPoint = onEllipse(sweep.start), endPoint = onEllipse(sweep.end);
  const TPoint centre{static_cast<int>(std::floor(cx2 / 2)), static_cast<int>(std::floor(cy2 / 2))};

  const bool pen = canvas.Pen.Style != TPenStyle::psClear;
  const bool brush = kind != ArcKind::Arc && canvas.Brush.Style != TBrushStyle::bsClear;
  const PixelMode mode = canvas.Pen.Mode == TPenMode::pmXor ? PixelMode::Xor : PixelMode::Copy;
  const SpanSet* clip = canvas.ClipRegion();

  // A chord's interior is the side of the chord that holds the arc.
  const Vec chordStart = vecOf(startPoint.X, startPoint.Y), chordEnd = vecOf(endPoint.X, endPoint.Y);
  auto inInterior = [&](Vec v) {
    if (kind == ArcKind::Chord && !sweep.full)
      return Cross(Vec{chordStart.x - chordEnd.x, chordStart.y - chordEnd.y},
                   Vec{v.x - chordEnd.x, v.y - chordEnd.y}) > 0;
    return sweep.Contains(v);
  };
  SpanSet outline, fill;
  const int firstX = -1, lastX = image.width + 1;
  RasterFigure(
      FigureBox{box.Left, box.Top, box.Right, box.Bottom, box.Width(), box.Height()},
      std::max(canvas.Pen.Width, 1), /*outline=*/true, /*fill=*/true, 0, image.height,
      [&](int y, int xa, int xb) {
        if (!pen) {
          if (!brush) return;
          for (int x = std::max(xa, firstX); x < std::min(xb, lastX); ++x)
            if (inInterior(vecOf(x, y))) fill.Add(y, x, x + 1);
          return;
        }
        for (int x = std::max(xa, firstX); x < std::min(xb, lastX); ++x)
          if (sweep.Contains(vecOf(x, y))) outline.Add(y, x, x + 1);
      },
      [&](int y, int xa, int xb) {
        if (!brush) return;
        for (int x = std::max(xa, firstX); x < std::min(xb, lastX); ++x)
          if (inInterior(vecOf(x, y))) fill.Add(y, x, x + 1);
      });
  if (pen && !sweep.full) {
    const TRect visible{0, 0, image.width, image.height};
    // Only pixels on the bitmap matter; the line is traced beyond it for its exact path.
    auto add = [&](int x, int y) {
      if (y >= 0 && y < image.height && x >= firstX && x < lastX) outline.Add(y, x, x + 1);
    };
    if (kind == ArcKind::Chord) TraceLine(endPoint, startPoint, true, visible, add);
    if (kind == ArcKind::Pie) {
      TraceLine(centre, startPoint, true, visible, add);
      TraceLine(centre, endPoint, true, visible, add);
    }
  }
  if (brush)
    SpanPainter(image, clip, ColorToNative(image, canvas.Brush.Color), mode)
        .Spans(pen ? SubtractSpans(fill, outline) : fill);
  if (pen) SpanPainter(image, clip, ColorToNative(image, canvas.Pen.Color), mode).Spans(outline);
}

}  // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  DrawArcFigure(*this, ArcKind::Arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  DrawArcFigure(*this, ArcKind::Chord, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  DrawArcFigure(*this, ArcKind::Pie, x1, y1, x2, y2, x3, y3, x4, y4);
}

}  // namespace pictor
