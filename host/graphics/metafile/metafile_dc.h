// The drawing state a metafile works with while it plays: mapping mode,
// window and viewport, world transform, the selected pen, brush and font,
// text and background settings, and the clip. Also the object table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/graphics/color.h"
#include "host/graphics/metafile/metafile_records.h"
#include "host/graphics/raster/spans.h"

namespace pictor::metafile {

struct PointD {
  double x = 0;
  double y = 0;
};

// x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
  PointD Apply(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
  // Only the linear part: for lengths and directions.
  PointD ApplyLinear(double x, double y) const { return {a * x + c * y, b * x + d * y}; }
  // This map followed by next.
  Affine Then(const Affine& next) const;
  bool AxisAligned() const { return b == 0 && c == 0; }
  double Determinant() const { return a * d - b * c; }
};

struct MetaPen {
  TPenStyle style = TPenStyle::psSolid;
  double width = 0;       // logical units; 0 is one pixel
  bool cosmetic = false;  // always one pixel wide
  TColor color = clBlack;
};

struct MetaBrush {
  bool null = false;
  TColor color = clWhite;
};

struct MetaFont {
  int height = 0;  // logical units; negative: character height, 0: the default size
  int escapement = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::string face;  // UTF-8; empty keeps the canvas's face
};

// Pen style from the low bits of a record's style value.
TPenStyle PenStyleFrom(std::uint32_t style);
// A colour record value without its flag byte.
inline TColor ColorFrom(std::uint32_t value) { return static_cast<TColor>(value & 0xFFFFFF); }

struct DcState {
  int mapMode = kMmText;
  PointD windowOrg{0, 0}, windowExt{1, 1};
  PointD viewportOrg{0, 0}, viewportExt{1, 1};
  Affine world;
  MetaPen pen;
  MetaBrush brush;
  MetaFont font;
  TColor textColor = clBlack;
  TColor bkColor = clWhite;
  int bkMode = OPAQUE;
  std::uint32_t textAlign = 0;
  int polyFillMode = ALTERNATE;
  bool arcClockwise = false;
  PointD position;  // current position, in target pixels
  // The clip the metafile set, in target pixels; null: none.
  std::shared_ptr<const SpanSet> clip;
};

// How logical coordinates reach the target: page space through the window
// and viewport into the reference device, then onto the target rectangle.
struct Mapping {
  double devicePxPerMmX = 96 / 25.4;
  double devicePxPerMmY = 96 / 25.4;
  Affine deviceToTarget;
};

// Logical coordinates to target pixels for the state.
Affine LogicalToTarget(const DcState& dc, const Mapping& mapping);

// One entry of the object table.
struct MetaObject {
  enum class Kind { Pen, Brush, Font, Other } kind = Kind::Other;
  MetaPen pen;
  MetaBrush brush;
  MetaFont font;
};

// The object table of a playing metafile; indices are checked.
class ObjectTable {
 public:
  explicit ObjectTable(int size) : slots_(static_cast<std::size_t>(size < 0 ? 0 : size)) {}
  // WMF metafiles: into the lowest free slot; false when the table is full.
  bool AddToFreeSlot(MetaObject object);
  // Enhanced metafiles: into the given slot (replacing what is there).
  bool Put(std::uint32_t index, MetaObject object);
  // The object at the index, or null.
  const MetaObject* Get(std::uint32_t index) const;
  bool Delete(std::uint32_t index);

 private:
  std::vector<std::shared_ptr<const MetaObject>> slots_;
};

// Makes the object the current one of its kind.
void SelectInto(const MetaObject& object, DcState& dc);

}  // namespace pictor::metafile
