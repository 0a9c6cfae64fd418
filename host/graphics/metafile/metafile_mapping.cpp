// Where a metafile's picture box lands on the target, and the state its
// records start from.
#include "host/graphics/metafile/metafile_player.h"

namespace pictor::metafile {
namespace {

// The map taking [from0, from1] onto [to0, to1] on one axis; the identity
// shifted to to0 when the source is empty.
void AxisMap(double from0, double from1, double to0, double to1, double& scale, double& offset) {
  if (from1 == from0) {
    scale = 1;
    offset = to0;
    return;
  }
  scale = (to1 - to0) / (from1 - from0);
  offset = to0 - from0 * scale;
}

}  // namespace

Mapping MappingFor(const MetafileInfo& info, const TRect& rect) {
  Mapping m;
  double x0, y0, x1, y1;
  if (info.enhanced) {
    m.devicePxPerMmX = info.devicePxPerMmX;
    m.devicePxPerMmY = info.devicePxPerMmY;
    // The frame in reference device pixels; its right and bottom are inclusive.
    x0 = info.frame.Left * m.devicePxPerMmX / 100;
    y0 = info.frame.Top * m.devicePxPerMmY / 100;
    x1 = (info.frame.Right + 1.0) * m.devicePxPerMmX / 100;
    y1 = (info.frame.Bottom + 1.0) * m.devicePxPerMmY / 100;
    if (info.width == 0) x1 = x0;
    if (info.height == 0) y1 = y0;
  } else {
    // The device space of a WMF metafile is that of its picture box.
    m.devicePxPerMmX = m.devicePxPerMmY = info.unitsPerInch / 25.4;
    x0 = info.box.Left;
    y0 = info.box.Top;
    x1 = info.box.Right;
    y1 = info.box.Bottom;
  }
  Affine& t = m.deviceToTarget;
  AxisMap(x0, x1, rect.Left, rect.Right, t.a, t.e);
  AxisMap(y0, y1, rect.Top, rect.Bottom, t.d, t.f);
  return m;
}

void InitialState(const MetafileInfo& info, DcState& dc) {
  if (info.enhanced) return;
  // The window and the viewport both start as the picture box, so that
  // records in the box's units draw 1:1 and a window set later maps onto it.
  const Box& b = info.box;
  const double w = b.Right - b.Left, h = b.Bottom - b.Top;
  dc.windowOrg = dc.viewportOrg = {double(b.Left), double(b.Top)};
  dc.windowExt = dc.viewportExt = {w == 0 ? 1 : w, h == 0 ? 1 : h};
}

}  // namespace pictor::metafile
