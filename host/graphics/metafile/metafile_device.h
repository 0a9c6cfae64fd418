// Where a playing metafile draws: the canvas, the target rectangle, the
// drawing state with its save stack, paths, and the work budget. Players
// hand over logical coordinates; this maps them to target pixels, clamps
// them, charges the budget and calls the canvas.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/graphics/metafile/metafile_dc.h"

namespace pictor::metafile {

// Bounds on one playback.
struct PlayLimits {
  std::uint64_t maxRecords = 16u << 20;
  // Pixels' worth of drawing: this many times the target area, plus kExtraWork.
  std::uint64_t workPerTargetPixel = 64;
  std::uint64_t extraWork = 4u << 20;
  std::size_t maxSavedStates = 1024;
  // Points a path may hold: this many per target pixel, within the two bounds.
  std::uint64_t pathPointsPerTargetPixel = 16;
  std::size_t minPathPoints = 1u << 16;
  std::size_t maxPathPoints = 1u << 20;
};

enum class ArcKind { Arc, Chord, Pie };

class Device {
 public:
  Device(TCanvas& canvas, const TRect& target, const Mapping& mapping,
         const PlayLimits& limits = PlayLimits{});
  ~Device();  // gives the canvas back its pen, brush, font, modes and clip
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  DcState& Dc() { return dc_; }
  // Counts a record; false once playing must stop (record or work budget used up).
  bool NextRecord();
  bool Stopped() const { return stopped_; }

  // Logical coordinates to target pixels (unrounded).
  PointD ToTarget(PointD p) const;
  // The target scale of a logical length along y (for font heights).
  double VerticalScale() const;

  void SaveDc();
  void RestoreDc(int which);

  // Clipping; rectangles in logical units, regions in target pixels.
  void IntersectClipRect(PointD a, PointD b);
  void ExcludeClipRect(PointD a, PointD b);
  void OffsetClip(PointD delta);
  void CombineClip(const SpanSet* region, int mode);
  void SelectClipPath(int mode);
  // Rectangles in the reference device's units (enhanced metafile regions).
  void CombineClipDeviceRects(std::span<const TRect> rects, int mode);

  void MoveTo(PointD p);
  void LineTo(PointD p);
  void Polyline(std::span<const PointD> points);
  void PolylineTo(std::span<const PointD> points);
  void PolyBezier(std::span<const PointD> points);
  void PolyBezierTo(std::span<const PointD> points);
  void Polygon(std::span<const PointD> points);
  void PolyPolygon(std::span<const PointD> points, std::span<const int> counts);
  void PolyPolyline(std::span<const PointD> points, std::span<const int> counts);
  void Rectangle(PointD a, PointD b);
  void RoundRect(PointD a, PointD b, PointD corner);
  void Ellipse(PointD a, PointD b);
  void ArcFigure(ArcKind kind, PointD a, PointD b, PointD start, PointD end);
  // An arc continuing the current figure from the current position.
  void ArcTo(PointD a, PointD b, PointD start, PointD end);
  void SetPixel(PointD p, TColor color);
  // A raster operation without a source over a logical rectangle (corner and size).
  void PatternBlt(PointD origin, PointD size, std::uint32_t rop);
  // A device-independent bitmap (header and colour table in info; pixels in
  // bits, or right after the table when bits is empty) stretched from the
  // source rectangle (pixels; top-down unless sourceFromBottom) onto the
  // logical destination rectangle (corner and size).
  void DrawDib(PointD origin, PointD size, std::span<const std::uint8_t> info,
               std::span<const std::uint8_t> bits, const TRect& source, bool sourceFromBottom,
               std::uint32_t rop);
  // Text at a logical reference point, aligned by the state's text alignment.
  // clipRect (logical corners) applies with kEtoOpaque / kEtoClipped.
  void Text(PointD reference, const std::string& utf8, std::uint32_t options,
            const PointD* clipRect);

  void BeginPath();
  void EndPath() { inPath_ = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();

 private:
  // A figure of the path: its points run from start to the next figure's start.
  struct PathFigure {
    std::size_t start;
    bool closed;
  };

  TPoint Pixel(PointD logical) const;
  TPoint PixelOfTarget(PointD target) const;
  std::vector<TPoint> Pixels(std::span<const PointD> points) const;
  void BoxFigure(PointD a, PointD b, bool closed, bool filled, bool overWholeBitmap,
                 const std::function<std::vector<TPoint>()>& outline,
                 const std::function<void(TPoint, TPoint)>& draw);
  std::vector<TPoint> EllipsePoints(PointD a, PointD b, PointD start, PointD end, bool whole,
                                    bool pie) const;
  int PenWidth() const;
  void ApplyPen(bool enabled);
  void ApplyBrush(bool enabled);
  bool Spend(std::uint64_t cost);
  std::uint64_t StrokeCost(std::span<const TPoint> points, bool closed) const;
  std::uint64_t FillCost(std::span<const TPoint> points) const;
  std::uint64_t BoxCost(TRect box) const;
  TRect StrokeBox() const;
  void UpdateClip();
  const SpanSet& CurrentClip() const;

  // Path building (target pixels).
  void PathMoveTo(TPoint p);
  void PathLineTo(TPoint p);
  void PathAddFigure(std::span<const TPoint> points, bool closed);
  std::size_t PathLimit() const;
  bool PathFull(std::size_t more) const;
  std::span<const TPoint> PathFigurePoints(std::size_t figure) const;
  // The figures of three or more points, as for DrawPolygons.
  void PathPolygons(std::vector<TPoint>& points, std::vector<int>& counts) const;
  void DrawPath(bool fill, bool stroke);

  // Drawing in target pixels.
  void DrawLines(const std::vector<TPoint>& points, bool closed);
  void AddFigure(std::vector<TPoint> pixels, bool closed);
  void DrawPolygons(const std::vector<TPoint>& points, const std::vector<int>& counts,
                    bool outline = true);

  TCanvas& canvas_;
  TRect target_;
  Mapping mapping_;
  PlayLimits limits_;
  DcState dc_;
  std::vector<DcState> saved_;

  // What the canvas had before playing.
  TPen savedPen_;
  TBrush savedBrush_;
  TFont savedFont_;
  TPoint savedPenPos_;
  int savedBkMode_;
  int savedPolyFillMode_;
  std::unique_ptr<SpanSet> savedClip_;

  SpanSet base_;     // where playing may draw at all: target rectangle, bitmap and old clip
  SpanSet clip_;     // base_ and the metafile's clip
  TRect visible_{};  // bounds of clip_

  std::uint64_t records_ = 0;
  std::uint64_t work_ = 0;
  std::uint64_t budget_ = 0;
  bool stopped_ = false;

  bool inPath_ = false;
  std::vector<PathFigure> path_;
  std::vector<TPoint> pathPoints_;
  bool figureOpen_ = false;
};

}  // namespace pictor::metafile
