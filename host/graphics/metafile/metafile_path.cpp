// Paths of enhanced metafiles: figures collected in target pixels between
// BeginPath and EndPath, then filled, stroked or made the clip. The points of
// all figures lie in one list; a point repeating the one before it is left
// out, and the list is bounded by the target's size.
#include <algorithm>

#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/metafile/metafile_geometry.h"
#include "host/graphics/raster/polygon_scan.h"

namespace pictor::metafile {

std::size_t Device::PathLimit() const {
  const std::uint64_t area = AreaInside(base_.Bounds(), base_.Bounds());
  return static_cast<std::size_t>(std::clamp<std::uint64_t>(
      area * limits_.pathPointsPerTargetPixel, limits_.minPathPoints, limits_.maxPathPoints));
}

bool Device::PathFull(std::size_t more) const {
  const std::size_t limit = PathLimit();
  return more > limit || pathPoints_.size() > limit - more;
}

void Device::BeginPath() {
  AbortPath();
  inPath_ = true;
}

void Device::AbortPath() {
  path_.clear();
  pathPoints_.clear();
  figureOpen_ = false;
  inPath_ = false;
}

void Device::PathMoveTo(TPoint p) {
  if (PathFull(1)) return;
  // A figure of one point followed by a move is dropped: it draws nothing.
  if (figureOpen_ && pathPoints_.size() - path_.back().start == 1) {
    pathPoints_.back() = p;
  } else {
    path_.push_back(PathFigure{pathPoints_.size(), false});
    pathPoints_.push_back(p);
  }
  figureOpen_ = true;
}

void Device::PathLineTo(TPoint p) {
  if (!figureOpen_) PathMoveTo(PixelOfTarget(dc_.position));
  if (!figureOpen_ || PathFull(1) || pathPoints_.back() == p) return;
  pathPoints_.push_back(p);
}

void Device::PathAddFigure(std::span<const TPoint> points, bool closed) {
  figureOpen_ = false;
  if (points.empty() || PathFull(points.size())) return;
  path_.push_back(PathFigure{pathPoints_.size(), closed});
  for (const TPoint& p : points)
    if (pathPoints_.size() == path_.back().start || !(pathPoints_.back() == p)) pathPoints_.push_back(p);
}

void Device::CloseFigure() {
  if (!figureOpen_ || path_.empty()) return;
  path_.back().closed = true;
  figureOpen_ = false;
}

std::span<const TPoint> Device::PathFigurePoints(std::size_t i) const {
  const std::size_t end = i + 1 < path_.size() ? path_[i + 1].start : pathPoints_.size();
  return std::span<const TPoint>(pathPoints_).subspan(path_[i].start, end - path_[i].start);
}

void Device::PathPolygons(std::vector<TPoint>& points, std::vector<int>& counts) const {
  for (std::size_t i = 0; i < path_.size(); ++i) {
    const std::span<const TPoint> figure = PathFigurePoints(i);
    if (figure.size() < 3) continue;
    points.insert(points.end(), figure.begin(), figure.end());
    counts.push_back(static_cast<int>(figure.size()));
  }
}

void Device::DrawPath(bool fill, bool stroke) {
  inPath_ = false;
  if (fill) {
    std::vector<TPoint> points;
    std::vector<int> counts;
    PathPolygons(points, counts);
    if (!points.empty()) DrawPolygons(points, counts, /*outline=*/false);
  }
  if (stroke) {
    for (std::size_t i = 0; i < path_.size() && !stopped_; ++i) {
      const std::span<const TPoint> figure = PathFigurePoints(i);
      DrawLines(std::vector<TPoint>(figure.begin(), figure.end()), path_[i].closed);
    }
  }
  AbortPath();
}

void Device::FillPath() { DrawPath(true, false); }
void Device::StrokePath() { DrawPath(false, true); }
void Device::StrokeAndFillPath() { DrawPath(true, true); }

void Device::SelectClipPath(int mode) {
  std::vector<TPoint> points;
  std::vector<int> counts;
  PathPolygons(points, counts);
  AbortPath();
  SpanSet region;
  if (!Spend(FillCost(points))) return;
  ScanPolyPolygon(points, counts,
                  dc_.polyFillMode == WINDING ? FillRule::Winding : FillRule::EvenOdd,
                  base_.Bounds(), region);
  CombineClip(&region, mode);
}

}  // namespace pictor::metafile
