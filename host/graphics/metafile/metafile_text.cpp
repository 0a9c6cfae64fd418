// Text records: the font mapped to target pixels, the reference point
// aligned as the state asks, the opaque box and the clip of the record.
#include <cmath>

#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/metafile/metafile_geometry.h"

namespace pictor::metafile {
namespace {

constexpr int kDefaultFontHeight = -12;
constexpr int kMaxFontPixels = 4096;  // a larger font would only burn the work budget

// The canvas font for the metafile's font at the vertical scale.
TFont TargetFont(const MetaFont& source, const TFont& base, double scale, TColor color) {
  TFont font = base;
  if (!source.face.empty()) font.Name = source.face;
  if (source.height == 0) {
    font.Height = kDefaultFontHeight;
  } else {
    const double pixels = std::min<double>(std::fabs(source.height) * scale, kMaxFontPixels);
    const int h = std::max(1, static_cast<int>(std::lround(pixels)));
    font.Height = source.height < 0 ? -h : h;
  }
  font.Style = {};
  if (source.weight >= 600) font.Style.Include(fsBold);
  if (source.italic) font.Style.Include(fsItalic);
  if (source.underline) font.Style.Include(fsUnderline);
  if (source.strikeOut) font.Style.Include(fsStrikeOut);
  font.Color = color;
  font.Orientation = source.escapement;
  return font;
}

}  // namespace

void Device::Text(PointD reference, const std::string& utf8, std::uint32_t options,
                  const PointD* clipRect) {
  TRect box{};
  if (clipRect) {
    const TPoint p = Pixel(clipRect[0]), q = Pixel(clipRect[1]);
    box = NormalizedRect(TRect{p.X, p.Y, q.X, q.Y});
  }
  if (clipRect && (options & kEtoOpaque)) {
    if (!Spend(BoxCost(box))) return;
    canvas_.Brush.Color = dc_.bkColor;
    canvas_.Brush.Style = TBrushStyle::bsSolid;
    canvas_.FillRect(box);
  }
  if (utf8.empty()) return;

  canvas_.Font = TargetFont(dc_.font, savedFont_, VerticalScale(), dc_.textColor);
  const bool fromPosition = (dc_.textAlign & kTaUpdateCp) != 0;
  const TPoint at = fromPosition ? PixelOfTarget(dc_.position) : Pixel(reference);
  const TSize extent = canvas_.TextExtent(utf8);
  const TTextMetric metric = canvas_.TextMetrics();
  int x = at.X, y = at.Y;
  switch (dc_.textAlign & kTaHorizontalMask) {
    case kTaRight: x -= extent.cx; break;
    case kTaCenter: x -= extent.cx / 2; break;
    default: break;
  }
  switch (dc_.textAlign & kTaVerticalMask) {
    case kTaBottom: y -= metric.tmHeight; break;
    case kTaBaseline: y -= metric.tmAscent; break;
    default: break;
  }
  if (fromPosition) {
    // The current position moves along the text unless it was right-aligned.
    const int advance = (dc_.textAlign & kTaHorizontalMask) == kTaRight ? 0 : extent.cx;
    dc_.position = {dc_.position.x + advance, dc_.position.y};
  }
  const TRect cell = NormalizedRect(TRect{x, y, x + extent.cx, y + extent.cy});
  if (!Spend(BoxCost(cell))) return;

  canvas_.BkMode = dc_.bkMode;
  canvas_.Brush.Color = dc_.bkColor;
  canvas_.Brush.Style = TBrushStyle::bsSolid;
  if (clipRect && (options & kEtoClipped)) {
    SpanSet area;
    area.AddRect(box);
    const SpanSet clipped = clip_.Intersected(area);
    canvas_.SetClipRegion(&clipped);
    canvas_.TextOut(x, y, utf8);
    canvas_.SetClipRegion(&clip_);
  } else {
    canvas_.TextOut(x, y, utf8);
  }
}

}  // namespace pictor::metafile
