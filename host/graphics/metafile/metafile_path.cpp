// Paths of enhanced metafiles: figures collected in target pixels between
// BeginPath and EndPath, then filled, stroked or made the clip.
#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/raster/polygon_scan.h"

namespace pictor::metafile {

bool Device::PathFull(std::size_t more) const {
  return more > limits_.maxPathPoints || pathPoints_ > limits_.maxPathPoints - more;
}

void Device::BeginPath() {
  path_.clear();
  pathPoints_ = 0;
  figureOpen_ = false;
  inPath_ = true;
}

void Device::AbortPath() {
  path_.clear();
  pathPoints_ = 0;
  figureOpen_ = false;
  inPath_ = false;
}

void Device::PathMoveTo(TPoint p) {
  if (PathFull(1)) return;
  path_.push_back(Figure{{p}, false});
  ++pathPoints_;
  figureOpen_ = true;
}

void Device::PathLineTo(TPoint p) {
  if (!figureOpen_) PathMoveTo(PixelOfTarget(dc_.position));
  if (!figureOpen_ || PathFull(1)) return;
  path_.back().points.push_back(p);
  ++pathPoints_;
}

void Device::PathAddFigure(std::vector<TPoint> points, bool closed) {
  figureOpen_ = false;
  if (points.empty() || PathFull(points.size())) return;
  pathPoints_ += points.size();
  path_.push_back(Figure{std::move(points), closed});
}

void Device::CloseFigure() {
  if (!figureOpen_ || path_.empty()) return;
  path_.back().closed = true;
  figureOpen_ = false;
}

void Device::DrawPath(bool fill, bool stroke) {
  inPath_ = false;
  std::vector<Figure> figures = std::move(path_);
  AbortPath();
  if (fill) {
    std::vector<TPoint> points;
    std::vector<int> counts;
    for (const Figure& f : figures) {
      if (f.points.size() < 3) continue;
      points.insert(points.end(), f.points.begin(), f.points.end());
      counts.push_back(static_cast<int>(f.points.size()));
    }
    if (!points.empty()) DrawPolygons(points, counts, /*outline=*/false);
  }
  if (stroke) {
    for (const Figure& f : figures) {
      if (stopped_) return;
      DrawLines(f.points, f.closed);
    }
  }
}

void Device::FillPath() { DrawPath(true, false); }
void Device::StrokePath() { DrawPath(false, true); }
void Device::StrokeAndFillPath() { DrawPath(true, true); }

void Device::SelectClipPath(int mode) {
  std::vector<TPoint> points;
  std::vector<int> counts;
  for (const Figure& f : path_) {
    if (f.points.size() < 3) continue;
    points.insert(points.end(), f.points.begin(), f.points.end());
    counts.push_back(static_cast<int>(f.points.size()));
  }
  AbortPath();
  SpanSet region;
  if (!Spend(FillCost(points))) return;
  ScanPolyPolygon(points, counts,
                  dc_.polyFillMode == WINDING ? FillRule::Winding : FillRule::EvenOdd,
                  base_.Bounds(), region);
  CombineClip(&region, mode);
}

}  // namespace pictor::metafile
