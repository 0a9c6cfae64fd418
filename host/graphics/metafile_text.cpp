// Text records: the opaque box now; glyphs once the canvas draws text.
#include "host/graphics/metafile_device.h"
#include "host/graphics/metafile_geometry.h"

namespace pictor::metafile {

void Device::Text(PointD reference, const std::string& utf8, std::uint32_t options,
                  const PointD* clipRect) {
  if (clipRect && (options & kEtoOpaque)) {
    const TPoint p = Pixel(clipRect[0]), q = Pixel(clipRect[1]);
    const TRect box = NormalizedRect(TRect{p.X, p.Y, q.X, q.Y});
    if (!Spend(BoxCost(box))) return;
    canvas_.Brush.Color = dc_.bkColor;
    canvas_.Brush.Style = TBrushStyle::bsSolid;
    canvas_.FillRect(box);
  }
  (void)reference;
  (void)utf8;
}

}  // namespace pictor::metafile
