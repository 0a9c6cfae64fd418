// Text records: the font mapped to target pixels, the reference point
// aligned as the state asks, the opaque box and the clip of the record.
#include <cmath>

#include "host/graphics/metafile/metafile_device.h"
#include "host/graphics/metafile/metafile_geometry.h"
#include "host/graphics/text/font_engine.h"
#include "host/graphics/text/utf8.h"

namespace pictor::metafile {
namespace {

constexpr int kDefaultFontHeight = -12;

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
  // The record's box, cut to where playing can draw: only that part can show,
  // and a box the file makes huge must not cost rows of memory.
  TRect box{};
  if (clipRect) {
    const TPoint p = Pixel(clipRect[0]), q = Pixel(clipRect[1]);
    box = IntersectRect(NormalizedRect(TRect{p.X, p.Y, q.X, q.Y}), visible_);
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
  // Laid out once here for the alignment and the cost (measures only, no
  // pixels); each character is looked up, so the length is charged first.
  if (!Spend(16 + 16 * std::uint64_t{utf8.size()})) return;
  const TextLayout layout = LayOutText(canvas_.Font, DecodeUtf8(utf8));
  const int width = layout.width, height = layout.metrics.Height();
  int x = at.X, y = at.Y;
  switch (dc_.textAlign & kTaHorizontalMask) {
    case kTaRight: x -= width; break;
    case kTaCenter: x -= width / 2; break;
    default: break;
  }
  switch (dc_.textAlign & kTaVerticalMask) {
    case kTaBottom: y -= height; break;
    case kTaBaseline: y -= layout.metrics.ascent; break;
    default: break;
  }
  if (fromPosition) {
    // The current position moves along the text unless it was right-aligned.
    const int advance = (dc_.textAlign & kTaHorizontalMask) == kTaRight ? 0 : width;
    dc_.position = {dc_.position.x + advance, dc_.position.y};
  }
  // The cell's background, then each glyph for the part of it that can show:
  // a glyph is rendered only there, so glyphs far off cost next to nothing.
  std::uint64_t cost = BoxCost(NormalizedRect(TRect{x, y, x + width, y + height}));
  for (const PlacedGlyph& glyph : layout.glyphs) {
    const TRect& b = glyph.box;
    cost += AreaInside(TRect{x + b.Left, y + b.Top, x + b.Right, y + b.Bottom}, visible_);
  }
  if (!Spend(cost)) return;

  canvas_.BkMode = dc_.bkMode;
  canvas_.Brush.Color = dc_.bkColor;
  canvas_.Brush.Style = TBrushStyle::bsSolid;
  if (clipRect && (options & kEtoClipped)) {
    const SpanSet clipped = clip_.Intersected(box);
    canvas_.SetClipRegion(&clipped);
    canvas_.TextOut(x, y, utf8);
    canvas_.SetClipRegion(&clip_);
  } else {
    canvas_.TextOut(x, y, utf8);
  }
}

}  // namespace pictor::metafile
