#include "host/graphics/metafile/metafile_dc.h"

#include <algorithm>
#include <cmath>

namespace pictor::metafile {

Affine Affine::Then(const Affine& n) const {
  return {n.a * a + n.c * b,     n.b * a + n.d * b,     n.a * c + n.c * d,
          n.b * c + n.d * d,     n.a * e + n.c * f + n.e, n.b * e + n.d * f + n.f};
}

TPenStyle PenStyleFrom(std::uint32_t style) {
  switch (style & 0x0F) {
    case 1: return TPenStyle::psDash;
    case 2: return TPenStyle::psDot;
    case 3: return TPenStyle::psDashDot;
    case 4: return TPenStyle::psDashDotDot;
    case 5: return TPenStyle::psClear;
    default: return TPenStyle::psSolid;  // solid, inside frame, user styles, alternate
  }
}

namespace {

// Millimetres per logical unit of the fixed mapping modes.
double MillimetresPerUnit(int mapMode) {
  switch (mapMode) {
    case kMmLoMetric: return 0.1;
    case kMmHiMetric: return 0.01;
    case kMmLoEnglish: return 0.254;
    case kMmHiEnglish: return 0.0254;
    case kMmTwips: return 25.4 / 1440;
    default: return 0;
  }
}

double NonZero(double v) { return v == 0 ? 1 : v; }

}  // namespace

Affine LogicalToTarget(const DcState& dc, const Mapping& mapping) {
  double sx = 1, sy = 1;
  switch (dc.mapMode) {
    case kMmIsotropic:
    case kMmAnisotropic: {
      sx = dc.viewportExt.x / NonZero(dc.windowExt.x);
      sy = dc.viewportExt.y / NonZero(dc.windowExt.y);
      if (dc.mapMode == kMmIsotropic) {
        // The same scale on both axes: the smaller one, each axis keeping its direction.
        const double s = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
      }
      break;
    }
    case kMmText:
      break;
    default: {
      const double mm = MillimetresPerUnit(dc.mapMode);
      if (mm == 0) break;
      sx = mm * mapping.devicePxPerMmX;
      sy = -mm * mapping.devicePxPerMmY;
    }
  }
  const Affine page{sx, 0, 0, sy, dc.viewportOrg.x - dc.windowOrg.x * sx,
                    dc.viewportOrg.y - dc.windowOrg.y * sy};
  return dc.world.Then(page).Then(mapping.deviceToTarget);
}

bool ObjectTable::AddToFreeSlot(MetaObject object) {
  for (auto& slot : slots_) {
    if (!slot) {
      slot = std::make_shared<const MetaObject>(std::move(object));
      return true;
    }
  }
  return false;
}

bool ObjectTable::Put(std::uint32_t index, MetaObject object) {
  if (index >= slots_.size()) return false;
  slots_[index] = std::make_shared<const MetaObject>(std::move(object));
  return true;
}

const MetaObject* ObjectTable::Get(std::uint32_t index) const {
  return index < slots_.size() ? slots_[index].get() : nullptr;
}

bool ObjectTable::Delete(std::uint32_t index) {
  if (index >= slots_.size() || !slots_[index]) return false;
  slots_[index].reset();
  return true;
}

void SelectInto(const MetaObject& object, DcState& dc) {
  switch (object.kind) {
    case MetaObject::Kind::Pen: dc.pen = object.pen; break;
    case MetaObject::Kind::Brush: dc.brush = object.brush; break;
    case MetaObject::Kind::Font: dc.font = object.font; break;
    case MetaObject::Kind::Other: break;
  }
}

}  // namespace pictor::metafile
