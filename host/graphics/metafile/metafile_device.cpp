#include "host/graphics/metafile/metafile_device.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "host/graphics/bitmap.h"
#include "host/graphics/raster/line_raster.h"
#include "host/graphics/metafile/metafile_geometry.h"

namespace pictor::metafile {
namespace {

constexpr int kMaxPenWidth = 1024;

double Cross(PointD u, PointD v) { return u.x * v.y - u.y * v.x; }

}  // namespace

Device::Device(TCanvas& canvas, const TRect& target, const Mapping& mapping,
               const PlayLimits& limits)
    : canvas_(canvas),
      target_(target),
      mapping_(mapping),
      limits_(limits),
      savedPen_(canvas.Pen),
      savedBrush_(canvas.Brush),
      savedFont_(canvas.Font),
      savedPenPos_(canvas.PenPos),
      savedBkMode_(canvas.BkMode),
      savedPolyFillMode_(canvas.PolyFillMode) {
  if (canvas.ClipRegion()) savedClip_ = std::make_unique<SpanSet>(*canvas.ClipRegion());
  const TBitmap* bitmap = canvas.Bitmap();
  const TRect area = IntersectRect(NormalizedRect(target),
                                   TRect{0, 0, bitmap->Width(), bitmap->Height()});
  if (!area.IsEmpty()) base_.AddRect(area);
  if (savedClip_) base_ = base_.Intersected(*savedClip_);
  // The metafile starts with the canvas's font face and size, a black pen and a white brush.
  dc_.font.face = savedFont_.Name;
  UpdateClip();
  budget_ = limits_.extraWork + AreaInside(visible_, visible_) * limits_.workPerTargetPixel;
}

Device::~Device() {
  canvas_.Pen = savedPen_;
  canvas_.Brush = savedBrush_;
  canvas_.Font = savedFont_;
  canvas_.PenPos = savedPenPos_;
  canvas_.BkMode = savedBkMode_;
  canvas_.PolyFillMode = savedPolyFillMode_;
  canvas_.SetClipRegion(savedClip_.get());
}

bool Device::NextRecord() {
  if (stopped_) return false;
  if (++records_ > limits_.maxRecords) stopped_ = true;
  return !stopped_;
}

bool Device::Spend(std::uint64_t cost) {
  if (stopped_) return false;
  if (cost > budget_ - work_) {
    stopped_ = true;
    return false;
  }
  work_ += cost;
  return true;
}

PointD Device::ToTarget(PointD p) const { return LogicalToTarget(dc_, mapping_).Apply(p.x, p.y); }

double Device::VerticalScale() const {
  const PointD v = LogicalToTarget(dc_, mapping_).ApplyLinear(0, 1);
  return std::hypot(v.x, v.y);
}

TPoint Device::PixelOfTarget(PointD t) const { return {RoundCoord(t.x), RoundCoord(t.y)}; }

TPoint Device::Pixel(PointD logical) const { return PixelOfTarget(ToTarget(logical)); }

std::vector<TPoint> Device::Pixels(std::span<const PointD> points) const {
  const Affine xf = LogicalToTarget(dc_, mapping_);
  std::vector<TPoint> out;
  out.reserve(points.size());
  for (const PointD& p : points) out.push_back(PixelOfTarget(xf.Apply(p.x, p.y)));
  return out;
}

int Device::PenWidth() const {
  if (dc_.pen.cosmetic || dc_.pen.width <= 0) return 1;
  const double scale = std::sqrt(std::fabs(LogicalToTarget(dc_, mapping_).Determinant()));
  const double w = dc_.pen.width * scale;
  if (!(w < kMaxPenWidth)) return kMaxPenWidth;
  return std::max(1, static_cast<int>(std::lround(w)));
}

void Device::ApplyPen(bool enabled) {
  canvas_.Pen.Color = dc_.pen.color;
  canvas_.Pen.Style = enabled ? dc_.pen.style : TPenStyle::psClear;
  canvas_.Pen.Width = PenWidth();
  canvas_.Pen.Mode = TPenMode::pmCopy;
}

void Device::ApplyBrush(bool enabled) {
  canvas_.Brush.Color = dc_.brush.color;
  canvas_.Brush.Style = enabled && !dc_.brush.null ? TBrushStyle::bsSolid : TBrushStyle::bsClear;
  canvas_.PolyFillMode = dc_.polyFillMode;
}

// ---- Save and restore ----

void Device::SaveDc() {
  if (saved_.size() < limits_.maxSavedStates) saved_.push_back(dc_);
}

void Device::RestoreDc(int which) {
  const long long size = static_cast<long long>(saved_.size());
  const long long index = which < 0 ? size + which : static_cast<long long>(which) - 1;
  if (which == 0 || index < 0 || index >= size) return;
  dc_ = std::move(saved_[static_cast<std::size_t>(index)]);
  saved_.resize(static_cast<std::size_t>(index));
  UpdateClip();
}

// ---- Clipping ----

const SpanSet& Device::CurrentClip() const { return dc_.clip ? *dc_.clip : base_; }

void Device::UpdateClip() {
  clip_ = dc_.clip ? base_.Intersected(*dc_.clip) : base_;
  visible_ = clip_.Bounds();
  canvas_.SetClipRegion(&clip_);
}

void Device::IntersectClipRect(PointD a, PointD b) {
  const TRect r = NormalizedRect(TRect{Pixel(a).X, Pixel(a).Y, Pixel(b).X, Pixel(b).Y});
  dc_.clip = std::make_shared<const SpanSet>(CurrentClip().Intersected(r));
  UpdateClip();
}

void Device::ExcludeClipRect(PointD a, PointD b) {
  const TRect r = IntersectRect(
      NormalizedRect(TRect{Pixel(a).X, Pixel(a).Y, Pixel(b).X, Pixel(b).Y}), base_.Bounds());
  SpanSet hole;
  if (!r.IsEmpty()) hole.AddRect(r);
  dc_.clip = std::make_shared<const SpanSet>(SubtractSpans(CurrentClip(), hole));
  UpdateClip();
}

void Device::OffsetClip(PointD delta) {
  if (!dc_.clip) return;
  const PointD d = LogicalToTarget(dc_, mapping_).ApplyLinear(delta.x, delta.y);
  const int dx = std::clamp(RoundCoord(d.x), -(1 << 20), 1 << 20);
  const int dy = std::clamp(RoundCoord(d.y), -(1 << 20), 1 << 20);
  SpanSet moved = *dc_.clip;
  moved.Offset(dx, dy);
  dc_.clip = std::make_shared<const SpanSet>(moved.Intersected(base_.Bounds()));
  UpdateClip();
}

void Device::CombineClip(const SpanSet* region, int mode) {
  if (!region) {
    if (mode == kRgnCopy) {
      dc_.clip.reset();
      UpdateClip();
    }
    return;
  }
  const SpanSet r = region->Intersected(base_.Bounds());
  SpanSet result;
  switch (mode) {
    case kRgnCopy: result = r; break;
    case kRgnAnd: result = CurrentClip().Intersected(r); break;
    case kRgnOr:
      result = CurrentClip();
      for (const Span& s : r.Spans()) result.Add(s.Y, s.X0, s.X1);
      break;
    case kRgnDiff: result = SubtractSpans(CurrentClip(), r); break;
    case kRgnXor: {
      result = SubtractSpans(CurrentClip(), r);
      // Named: a loop over a member of a temporary would outlive the temporary.
      const SpanSet added = SubtractSpans(r, CurrentClip());
      for (const Span& s : added.Spans()) result.Add(s.Y, s.X0, s.X1);
      break;
    }
    default: return;
  }
  dc_.clip = std::make_shared<const SpanSet>(std::move(result));
  UpdateClip();
}

void Device::CombineClipDeviceRects(std::span<const TRect> rects, int mode) {
  const Affine& m = mapping_.deviceToTarget;
  const TRect bounds = base_.Bounds();
  SpanSet region;
  for (const TRect& r : rects) {
    const TPoint p = PixelOfTarget(m.Apply(r.Left, r.Top));
    const TPoint q = PixelOfTarget(m.Apply(r.Right, r.Bottom));
    const TRect t = IntersectRect(NormalizedRect(TRect{p.X, p.Y, q.X, q.Y}), bounds);
    if (!Spend(16 + static_cast<std::uint64_t>(std::max(t.Height(), 0)))) return;
    if (!t.IsEmpty()) region.AddRect(t);
  }
  CombineClip(&region, mode);
}

// ---- Costs ----

std::uint64_t Device::BoxCost(TRect box) const {
  const TRect n = NormalizedRect(box);
  const TRect rows{visible_.Left, n.Top, visible_.Right, n.Bottom};
  return 16 + AreaInside(n, visible_) + AreaInside(rows, visible_) / std::max(1, visible_.Width());
}

std::uint64_t Device::StrokeCost(std::span<const TPoint> points, bool closed) const {
  // A wide pen puts a disc on every pixel of the line; only the disc's rows
  // on the visible area are worked out.
  const int w = canvas_.Pen.Width;
  const std::uint64_t perPixel = w > 1 ? 1 + std::uint64_t(std::min(w, visible_.Height())) : 1;
  std::uint64_t cost = 16 + points.size();
  const std::size_t n = points.size();
  const std::size_t segments = n < 2 ? 0 : closed ? n : n - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const TPoint a = points[i], b = points[(i + 1) % n];
    const std::uint64_t len =
        std::max(std::llabs(1LL * a.X - b.X), std::llabs(1LL * a.Y - b.Y)) + 1;
    cost += len * perPixel;
  }
  return cost;
}

std::uint64_t Device::FillCost(std::span<const TPoint> points) const {
  std::uint64_t cost = 16 + points.size() + AreaInside(BoundsOf(points), visible_);
  const std::uint64_t rows = static_cast<std::uint64_t>(std::max(visible_.Height(), 0)) + 1;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint a = points[i], b = points[(i + 1) % points.size()];
    cost += std::min<std::uint64_t>(std::llabs(1LL * a.Y - b.Y), rows);
  }
  return cost;
}

// ---- Drawing in target pixels ----

// A pen's pixels lie within half its width of the line, so a line farther out
// than that (and a two-pixel margin) cannot reach the visible area.
TRect Device::StrokeBox() const {
  const int margin = canvas_.Pen.Width / 2 + 2;
  return TRect{visible_.Left - margin, visible_.Top - margin, visible_.Right + margin,
               visible_.Bottom + margin};
}

void Device::DrawLines(const std::vector<TPoint>& points, bool closed) {
  if (points.size() < 2 || visible_.IsEmpty()) return;
  ApplyPen(true);
  if (canvas_.Pen.Style == TPenStyle::psClear) return;
  const TRect box = StrokeBox();
  if (AllInside(points, box)) {
    if (!Spend(StrokeCost(points, closed))) return;
    if (closed) {
      ApplyBrush(false);
      canvas_.Polygon(points);
    } else {
      canvas_.Polyline(points);
    }
    return;
  }
  for (const auto& piece : ClipPolyline(points, closed, box)) {
    if (!Spend(StrokeCost(piece, false))) return;
    canvas_.Polyline(piece);
  }
}

void Device::DrawPolygons(const std::vector<TPoint>& points, const std::vector<int>& counts,
                          bool outline) {
  if (points.empty() || visible_.IsEmpty()) return;
  ApplyPen(outline);
  ApplyBrush(true);
  const TRect box = StrokeBox();
  const bool pen = canvas_.Pen.Style != TPenStyle::psClear;
  const bool fill = canvas_.Brush.Style != TBrushStyle::bsClear;
  std::uint64_t cost = fill ? FillCost(points) : 16;
  const bool inside = AllInside(points, box);
  if (pen && inside) {
    std::size_t start = 0;
    for (int count : counts) {
      cost += StrokeCost(std::span<const TPoint>(points).subspan(start, count), true);
      start += count;
    }
  }
  if (!Spend(cost)) return;
  if (inside) {
    canvas_.PolyPolygon(points, counts);
    return;
  }
  // Far-off points: fill without the outline, then stroke the visible pieces of each outline.
  if (fill) {
    canvas_.Pen.Style = TPenStyle::psClear;
    canvas_.PolyPolygon(points, counts);
    ApplyPen(outline);
  }
  if (!pen) return;
  std::size_t start = 0;
  for (int count : counts) {
    const auto contour = std::span<const TPoint>(points).subspan(start, count);
    start += count;
    for (const auto& piece : ClipPolyline(contour, true, box)) {
      if (!Spend(StrokeCost(piece, false))) return;
      canvas_.Polyline(piece);
    }
  }
}

// ---- Lines ----

void Device::MoveTo(PointD p) {
  dc_.position = ToTarget(p);
  if (inPath_) PathMoveTo(PixelOfTarget(dc_.position));
}

void Device::LineTo(PointD p) {
  const PointD to = ToTarget(p);
  if (inPath_) {
    PathLineTo(PixelOfTarget(to));
  } else {
    DrawLines({PixelOfTarget(dc_.position), PixelOfTarget(to)}, false);
  }
  dc_.position = to;
}

void Device::Polyline(std::span<const PointD> points) {
  if (points.empty()) return;
  AddFigure(Pixels(points), false);
}

void Device::PolylineTo(std::span<const PointD> points) {
  if (points.empty()) return;
  std::vector<TPoint> pixels = Pixels(points);
  const PointD last = ToTarget(points.back());
  if (inPath_) {
    for (const TPoint& p : pixels) PathLineTo(p);
  } else {
    pixels.insert(pixels.begin(), PixelOfTarget(dc_.position));
    DrawLines(pixels, false);
  }
  dc_.position = last;
}

void Device::PolyBezier(std::span<const PointD> points) {
  if (points.size() < 4) return;
  const std::size_t used = 1 + (points.size() - 1) / 3 * 3;
  const std::vector<TPoint> control = Pixels(points.first(used));
  AddFigure(FlattenBezier(control), false);
}

void Device::PolyBezierTo(std::span<const PointD> points) {
  if (points.size() < 3) return;
  const std::size_t used = points.size() / 3 * 3;
  std::vector<TPoint> control = Pixels(points.first(used));
  control.insert(control.begin(), PixelOfTarget(dc_.position));
  const std::vector<TPoint> curve = FlattenBezier(control);
  if (inPath_) {
    for (std::size_t i = 1; i < curve.size(); ++i) PathLineTo(curve[i]);
  } else {
    DrawLines(curve, false);
  }
  dc_.position = ToTarget(points[used - 1]);
}

void Device::PolyPolyline(std::span<const PointD> points, std::span<const int> counts) {
  std::size_t start = 0;
  for (int count : counts) {
    if (count < 0 || start + static_cast<std::size_t>(count) > points.size()) return;
    Polyline(points.subspan(start, static_cast<std::size_t>(count)));
    start += static_cast<std::size_t>(count);
    if (stopped_) return;
  }
}

// One figure: into the path while one is being built, else drawn (a closed
// one outlined and filled, an open one as lines).
void Device::AddFigure(std::vector<TPoint> pixels, bool closed) {
  if (inPath_) {
    PathAddFigure(pixels, closed);
  } else if (closed) {
    DrawPolygons(pixels, {static_cast<int>(pixels.size())});
  } else {
    DrawLines(pixels, false);
  }
}

// ---- Closed figures ----

void Device::Polygon(std::span<const PointD> points) {
  if (points.size() < 2) return;
  AddFigure(Pixels(points), true);
}

void Device::PolyPolygon(std::span<const PointD> points, std::span<const int> counts) {
  std::vector<int> used;
  std::size_t total = 0;
  for (int count : counts) {
    if (count < 0 || total + static_cast<std::size_t>(count) > points.size()) break;
    used.push_back(count);
    total += static_cast<std::size_t>(count);
  }
  std::vector<TPoint> pixels = Pixels(points.first(total));
  if (inPath_) {
    std::size_t start = 0;
    for (int count : used) {
      PathAddFigure(std::span<const TPoint>(pixels).subspan(start, count), true);
      start += static_cast<std::size_t>(count);
    }
    return;
  }
  DrawPolygons(pixels, used);
}

// The figures inscribed in a box share their opening: while a path is being
// built, or when the mapping turns or shears the box, the figure goes in as
// the polygon `outline` makes; otherwise the pen and brush are set up, the
// work (over the clip, or over the whole bitmap for arcs) is charged, and
// `draw` gets the box's corners in target pixels.
void Device::BoxFigure(PointD a, PointD b, bool closed, bool filled, bool overWholeBitmap,
                       const std::function<std::vector<TPoint>()>& outline,
                       const std::function<void(TPoint, TPoint)>& draw) {
  if (inPath_ || !LogicalToTarget(dc_, mapping_).AxisAligned()) {
    AddFigure(outline(), closed);
    return;
  }
  const TPoint p = Pixel(a), q = Pixel(b);
  ApplyPen(true);
  ApplyBrush(filled);
  const int w = canvas_.Pen.Width;
  std::uint64_t cost;
  if (overWholeBitmap) {
    const TRect box = NormalizedRect(TRect{p.X, p.Y, q.X, q.Y});
    const TRect image{0, 0, canvas_.Bitmap()->Width(), canvas_.Bitmap()->Height()};
    const TRect grown{box.Left - w, box.Top - w, box.Right + w, box.Bottom + w};
    // A chord's or pie's edges are traced up to 1024 pixels beyond the bitmap.
    const std::uint64_t edges = closed ? 3 * (2048 + std::uint64_t(image.Width()) + image.Height()) : 0;
    cost = 16 + AreaInside(grown, image) * 2 + edges;
  } else {
    cost = BoxCost(TRect{p.X - w, p.Y - w, q.X + w, q.Y + w});
  }
  if (!Spend(cost)) return;
  draw(p, q);
}

void Device::Rectangle(PointD a, PointD b) {
  BoxFigure(
      a, b, true, true, false,
      [&] {
        const PointD corners[4] = {a, {b.x, a.y}, b, {a.x, b.y}};
        return Pixels(corners);
      },
      [&](TPoint p, TPoint q) { canvas_.Rectangle(p.X, p.Y, q.X, q.Y); });
}

void Device::RoundRect(PointD a, PointD b, PointD corner) {
  BoxFigure(
      a, b, true, true, false,
      [&] {
        // The rounded outline as a polygon: four quarter ellipses.
        const double l = std::min(a.x, b.x), r = std::max(a.x, b.x);
        const double t = std::min(a.y, b.y), bo = std::max(a.y, b.y);
        const double rx = std::min(std::fabs(corner.x) / 2, (r - l) / 2);
        const double ry = std::min(std::fabs(corner.y) / 2, (bo - t) / 2);
        const PointD centres[4] = {
            {r - rx, t + ry}, {l + rx, t + ry}, {l + rx, bo - ry}, {r - rx, bo - ry}};
        std::vector<PointD> points;
        constexpr int kSteps = 8;
        for (int q = 0; q < 4; ++q) {
          for (int s = 0; s <= kSteps; ++s) {
            const double angle = (q + double(s) / kSteps) * std::numbers::pi / 2;
            points.push_back(
                {centres[q].x + rx * std::cos(angle), centres[q].y - ry * std::sin(angle)});
          }
        }
        return Pixels(points);
      },
      [&](TPoint p, TPoint q) {
        const Affine xf = LogicalToTarget(dc_, mapping_);
        const int cw = RoundCoord(std::fabs(corner.x * xf.a));
        const int ch = RoundCoord(std::fabs(corner.y * xf.d));
        canvas_.RoundRect(p.X, p.Y, q.X, q.Y, cw, ch);
      });
}

void Device::Ellipse(PointD a, PointD b) {
  BoxFigure(
      a, b, true, true, false, [&] { return EllipsePoints(a, b, {}, {}, true, false); },
      [&](TPoint p, TPoint q) { canvas_.Ellipse(p.X, p.Y, q.X, q.Y); });
}

// Points of the ellipse inscribed in the logical box a-b, in target pixels:
// the whole ellipse, or the arc from the ray towards start to the ray towards
// end, counter-clockwise on the target unless the state says clockwise (a pie
// adds the centre).
std::vector<TPoint> Device::EllipsePoints(PointD a, PointD b, PointD start, PointD end,
                                          bool whole, bool pie) const {
  const Affine xf = LogicalToTarget(dc_, mapping_);
  const PointD c = xf.Apply((a.x + b.x) / 2, (a.y + b.y) / 2);
  const PointD u = xf.ApplyLinear(std::fabs(b.x - a.x) / 2, 0);
  const PointD v = xf.ApplyLinear(0, std::fabs(b.y - a.y) / 2);
  const double det = Cross(u, v);
  std::vector<TPoint> out;
  if (det == 0 || !std::isfinite(det)) return out;
  // Parameter of the point where the ray from the centre towards p meets the ellipse.
  auto angleOf = [&](PointD logical) {
    const PointD t = xf.Apply(logical.x, logical.y);
    const PointD d{t.x - c.x, t.y - c.y};
    return std::atan2(Cross(u, d) / det, Cross(d, v) / det);
  };
  constexpr double kTwoPi = 2 * std::numbers::pi;
  double from = 0, sweep = kTwoPi;
  // Increasing the parameter turns clockwise on the target when det > 0 (y points down).
  double direction = det > 0 ? -1 : 1;
  if (dc_.arcClockwise) direction = -direction;
  if (!whole) {
    from = angleOf(start);
    const double to = angleOf(end);
    sweep = std::fmod((to - from) * direction + 2 * kTwoPi, kTwoPi);
    if (sweep <= 1e-9) sweep = kTwoPi;
  }
  const double radius = std::max(std::hypot(u.x, u.y), std::hypot(v.x, v.y));
  const int steps = static_cast<int>(std::clamp(radius * sweep / 3, 8.0, 2048.0));
  for (int i = 0; i <= steps; ++i) {
    const double t = from + direction * sweep * i / steps;
    out.push_back(PixelOfTarget({c.x + u.x * std::cos(t) + v.x * std::sin(t),
                                 c.y + u.y * std::cos(t) + v.y * std::sin(t)}));
  }
  if (pie) out.push_back(PixelOfTarget(c));
  return out;
}

void Device::ArcFigure(ArcKind kind, PointD a, PointD b, PointD start, PointD end) {
  const bool closed = kind != ArcKind::Arc;
  // Arcs are rasterised over the whole bitmap, not just the clip.
  BoxFigure(
      a, b, closed, closed, true,
      [&] { return EllipsePoints(a, b, start, end, false, kind == ArcKind::Pie); },
      [&](TPoint p, TPoint q) {
        TPoint s = Pixel(start), e = Pixel(end);
        if (dc_.arcClockwise) std::swap(s, e);
        switch (kind) {
          case ArcKind::Arc: canvas_.Arc(p.X, p.Y, q.X, q.Y, s.X, s.Y, e.X, e.Y); break;
          case ArcKind::Chord: canvas_.Chord(p.X, p.Y, q.X, q.Y, s.X, s.Y, e.X, e.Y); break;
          case ArcKind::Pie: canvas_.Pie(p.X, p.Y, q.X, q.Y, s.X, s.Y, e.X, e.Y); break;
        }
      });
}

void Device::ArcTo(PointD a, PointD b, PointD start, PointD end) {
  std::vector<TPoint> pixels = EllipsePoints(a, b, start, end, false, false);
  if (pixels.empty()) return;
  if (inPath_) {
    for (const TPoint& p : pixels) PathLineTo(p);
  } else {
    pixels.insert(pixels.begin(), PixelOfTarget(dc_.position));
    DrawLines(pixels, false);
  }
  dc_.position = {double(pixels.back().X), double(pixels.back().Y)};
}

void Device::SetPixel(PointD p, TColor color) {
  const TPoint q = Pixel(p);
  if (!Spend(1)) return;
  canvas_.SetPixels(q.X, q.Y, color);
}

void Device::PatternBlt(PointD origin, PointD size, std::uint32_t rop) {
  TColor color;
  switch (rop) {
    case kPatCopy:
      if (dc_.brush.null) return;
      color = dc_.brush.color;
      break;
    case kBlackness: color = clBlack; break;
    case kWhiteness: color = clWhite; break;
    default: return;  // other raster operations are not carried out
  }
  const TPoint p = Pixel(origin), q = Pixel({origin.x + size.x, origin.y + size.y});
  const TRect r = NormalizedRect(TRect{p.X, p.Y, q.X, q.Y});
  if (!Spend(BoxCost(r))) return;
  canvas_.Brush.Color = color;
  canvas_.Brush.Style = TBrushStyle::bsSolid;
  canvas_.FillRect(r);
}

}  // namespace pictor::metafile
