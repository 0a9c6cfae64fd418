// Plays WMF metafile records. Parameters of these records come in the
// reverse order of the drawing call's arguments (y before x, bottom-right
// before top-left).
#include <cmath>
#include <string>
#include <vector>

#include "host/graphics/metafile/metafile_dib.h"
#include "host/graphics/metafile/metafile_player.h"
#include "host/graphics/metafile/metafile_reader.h"
#include "host/graphics/metafile/metafile_strings.h"

namespace pictor::metafile {
namespace {

class WmfPlayer {
 public:
  WmfPlayer(Device& device, int objectCount) : dev_(device), objects_(objectCount) {}

  void Play(ByteReader record, std::uint16_t function);

 private:
  // The i-th 16-bit parameter.
  double P(int i) { return rec_.I16(6 + 2 * static_cast<std::size_t>(i)); }
  PointD Pt(int yIndex) { return {P(yIndex + 1), P(yIndex)}; }
  DcState& Dc() { return dev_.Dc(); }

  bool ReadPoints(std::size_t offset, std::size_t count, std::vector<PointD>& out);
  void Poly(std::uint16_t function);
  void PolyPolygon();
  void Text(bool extended);
  void CreatePen();
  void CreateBrush();
  void CreateFont();
  void CreatePatternBrush(std::size_t dibOffset);
  void Blit(std::uint16_t function);
  std::span<const std::uint8_t> Rest(std::size_t offset) {
    return offset < rec_.Size() ? rec_.Bytes(offset, rec_.Size() - offset)
                                : std::span<const std::uint8_t>{};
  }

  Device& dev_;
  ObjectTable objects_;
  ByteReader rec_;
};

bool WmfPlayer::ReadPoints(std::size_t offset, std::size_t count, std::vector<PointD>& out) {
  if (!rec_.HasItems(offset, count, 4)) return false;
  out.resize(count);
  for (std::size_t i = 0; i < count; ++i)
    out[i] = {double(rec_.I16(offset + 4 * i)), double(rec_.I16(offset + 4 * i + 2))};
  return true;
}

void WmfPlayer::Poly(std::uint16_t function) {
  const int count = rec_.I16(6);
  std::vector<PointD> points;
  if (count <= 0 || !ReadPoints(8, static_cast<std::size_t>(count), points)) return;
  if (function == wmf::kPolygon) {
    dev_.Polygon(points);
  } else {
    dev_.Polyline(points);
  }
}

void WmfPlayer::PolyPolygon() {
  const std::size_t polys = rec_.U16(6);
  if (!rec_.HasItems(8, polys, 2)) return;
  std::vector<int> counts(polys);
  std::size_t total = 0;
  for (std::size_t i = 0; i < polys; ++i) {
    counts[i] = rec_.U16(8 + 2 * i);
    total += static_cast<std::size_t>(counts[i]);
  }
  std::vector<PointD> points;
  if (!ReadPoints(8 + 2 * polys, total, points)) return;
  dev_.PolyPolygon(points, counts);
}

void WmfPlayer::Text(bool extended) {
  PointD at, rect[2];
  std::uint32_t options = 0;
  std::size_t length, stringOffset;
  if (extended) {
    at = Pt(0);
    length = rec_.U16(10);
    options = rec_.U16(12);
    stringOffset = 14;
    if (options & (kEtoOpaque | kEtoClipped)) {
      rect[0] = {double(rec_.I16(14)), double(rec_.I16(16))};
      rect[1] = {double(rec_.I16(18)), double(rec_.I16(20))};
      stringOffset = 22;
    }
  } else {
    length = rec_.U16(6);
    stringOffset = 8;
    const std::size_t after = 8 + (length + 1) / 2 * 2;
    at = {double(rec_.I16(after + 2)), double(rec_.I16(after))};
  }
  if (!rec_.Ok() || !rec_.Has(stringOffset, length)) return;
  const std::string text = Latin1ToUtf8(rec_.Bytes(stringOffset, length));
  dev_.Text(at, text, options, (options & (kEtoOpaque | kEtoClipped)) ? rect : nullptr);
}

void WmfPlayer::CreatePen() {
  MetaObject object;
  object.kind = MetaObject::Kind::Pen;
  object.pen.style = PenStyleFrom(rec_.U16(6));
  object.pen.width = std::abs(rec_.I16(8));
  object.pen.color = ColorFrom(rec_.U32(12));
  if (rec_.Ok()) objects_.AddToFreeSlot(std::move(object));
}

void WmfPlayer::CreateBrush() {
  MetaObject object;
  object.kind = MetaObject::Kind::Brush;
  const std::uint16_t style = rec_.U16(6);
  object.brush.color = ColorFrom(rec_.U32(8));
  object.brush.null = style == 1;
  // Hatched brushes paint solid in their colour; bitmap patterns in grey.
  if (style == 3 || style == 5) object.brush.color = clGray;
  if (rec_.Ok()) objects_.AddToFreeSlot(std::move(object));
}

void WmfPlayer::CreateFont() {
  MetaObject object;
  object.kind = MetaObject::Kind::Font;
  MetaFont& f = object.font;
  f.height = rec_.I16(6);
  f.escapement = rec_.I16(10);
  f.weight = rec_.I16(14);
  f.italic = rec_.U8(16) != 0;
  f.underline = rec_.U8(17) != 0;
  f.strikeOut = rec_.U8(18) != 0;
  if (!rec_.Ok()) return;
  const std::size_t faceLength = std::min<std::size_t>(32, rec_.Size() > 24 ? rec_.Size() - 24 : 0);
  f.face = Latin1ToUtf8(rec_.Bytes(24, faceLength), /*stopAtNul=*/true);
  objects_.AddToFreeSlot(std::move(object));
}

void WmfPlayer::CreatePatternBrush(std::size_t dibOffset) {
  MetaObject object;
  object.kind = MetaObject::Kind::Brush;
  object.brush.color = clGray;
  bool bottomUp = true;
  if (dibOffset != 0) {
    if (const auto image = DecodeDib(Rest(dibOffset), {}, bottomUp))
      object.brush.color = AverageColor(*image);
  }
  objects_.AddToFreeSlot(std::move(object));
}

void WmfPlayer::Blit(std::uint16_t function) {
  const std::uint32_t rop = rec_.U32(6);
  // Without a bitmap the record is three words longer than its function's size byte says.
  const bool noBitmap = rec_.Size() == 2 * ((function >> 8) + 3u);
  if (function == wmf::kDibBitBlt) {
    if (noBitmap) {
      dev_.PatternBlt(Pt(7), {P(6), P(5)}, rop);
      return;
    }
    const int srcY = rec_.I16(10), srcX = rec_.I16(12), h = rec_.I16(14), w = rec_.I16(16);
    const PointD dest = Pt(6);
    if (!rec_.Ok()) return;
    dev_.DrawDib(dest, {double(w), double(h)}, Rest(22), {}, TRect{srcX, srcY, srcX + w, srcY + h},
                 false, rop);
    return;
  }
  if (function == wmf::kDibStretchBlt) {
    if (noBitmap) {
      dev_.PatternBlt(Pt(9), {P(8), P(7)}, rop);
      return;
    }
    const int srcH = rec_.I16(10), srcW = rec_.I16(12), srcY = rec_.I16(14), srcX = rec_.I16(16);
    const PointD size{P(7), P(6)}, dest = Pt(8);
    if (!rec_.Ok()) return;
    dev_.DrawDib(dest, size, Rest(26), {}, TRect{srcX, srcY, srcX + srcW, srcY + srcH}, false, rop);
    return;
  }
  if (function == wmf::kStretchDib) {
    const int srcH = rec_.I16(12), srcW = rec_.I16(14), srcY = rec_.I16(16), srcX = rec_.I16(18);
    const PointD size{P(8), P(7)}, dest = Pt(9);
    if (!rec_.Ok()) return;
    dev_.DrawDib(dest, size, Rest(28), {}, TRect{srcX, srcY, srcX + srcW, srcY + srcH}, true, rop);
    return;
  }
  // SetDibToDev: unscaled, its size taken as logical units.
  const int srcY = rec_.I16(12), srcX = rec_.I16(14), h = rec_.I16(16), w = rec_.I16(18);
  const PointD dest = Pt(7);
  if (!rec_.Ok()) return;
  dev_.DrawDib(dest, {double(w), double(h)}, Rest(24), {}, TRect{srcX, srcY, srcX + w, srcY + h},
               true, kSrcCopy);
}

void WmfPlayer::Play(ByteReader record, std::uint16_t function) {
  rec_ = record;
  DcState& dc = Dc();
  switch (function) {
    case wmf::kSetWindowOrg: dc.windowOrg = Pt(0); break;
    case wmf::kSetWindowExt: dc.windowExt = Pt(0); break;
    case wmf::kSetViewportOrg: dc.viewportOrg = Pt(0); break;
    case wmf::kSetViewportExt: dc.viewportExt = Pt(0); break;
    case wmf::kOffsetWindowOrg: {
      const PointD d = Pt(0);
      dc.windowOrg = {dc.windowOrg.x + d.x, dc.windowOrg.y + d.y};
      break;
    }
    case wmf::kOffsetViewportOrg: {
      const PointD d = Pt(0);
      dc.viewportOrg = {dc.viewportOrg.x + d.x, dc.viewportOrg.y + d.y};
      break;
    }
    case wmf::kScaleWindowExt:
    case wmf::kScaleViewportExt: {
      const double yDen = P(0), yNum = P(1), xDen = P(2), xNum = P(3);
      if (!rec_.Ok() || xDen == 0 || yDen == 0) break;
      PointD& ext = function == wmf::kScaleWindowExt ? dc.windowExt : dc.viewportExt;
      ext = {ext.x * xNum / xDen, ext.y * yNum / yDen};
      break;
    }
    case wmf::kSetMapMode: {
      const int mode = rec_.U16(6);
      if (mode >= kMmText && mode <= kMmAnisotropic) dc.mapMode = mode;
      break;
    }
    case wmf::kSetBkMode: {
      const int mode = rec_.U16(6);
      if (mode == TRANSPARENT || mode == OPAQUE) dc.bkMode = mode;
      break;
    }
    case wmf::kSetPolyFillMode: {
      const int mode = rec_.U16(6);
      if (mode == ALTERNATE || mode == WINDING) dc.polyFillMode = mode;
      break;
    }
    case wmf::kSetTextAlign: dc.textAlign = rec_.U16(6); break;
    case wmf::kSetBkColor:
      if (rec_.Has(6, 4)) dc.bkColor = ColorFrom(rec_.U32(6));
      break;
    case wmf::kSetTextColor:
      if (rec_.Has(6, 4)) dc.textColor = ColorFrom(rec_.U32(6));
      break;
    case wmf::kSaveDc: dev_.SaveDc(); break;
    case wmf::kRestoreDc: dev_.RestoreDc(rec_.I16(6)); break;
    case wmf::kCreatePenIndirect: CreatePen(); break;
    case wmf::kCreateBrushIndirect: CreateBrush(); break;
    case wmf::kCreateFontIndirect: CreateFont(); break;
    case wmf::kDibCreatePatternBrush: CreatePatternBrush(10); break;
    case wmf::kCreatePatternBrush: CreatePatternBrush(0); break;
    case wmf::kCreatePalette:
    case wmf::kCreateRegion: objects_.AddToFreeSlot(MetaObject{}); break;
    case wmf::kSelectObject:
      if (const MetaObject* object = objects_.Get(rec_.U16(6)); object && rec_.Ok())
        SelectInto(*object, dc);
      break;
    case wmf::kDeleteObject:
      if (rec_.Has(6, 2)) objects_.Delete(rec_.U16(6));
      break;
    case wmf::kSelectClipRegion:
      // Regions are not kept: selecting one removes the clip.
      dev_.CombineClip(nullptr, kRgnCopy);
      break;
    case wmf::kIntersectClipRect:
      if (rec_.Has(6, 8)) dev_.IntersectClipRect(Pt(2), Pt(0));
      break;
    case wmf::kExcludeClipRect:
      if (rec_.Has(6, 8)) dev_.ExcludeClipRect(Pt(2), Pt(0));
      break;
    case wmf::kOffsetClipRgn:
      if (rec_.Has(6, 4)) dev_.OffsetClip(Pt(0));
      break;
    case wmf::kMoveTo:
      if (rec_.Has(6, 4)) dev_.MoveTo(Pt(0));
      break;
    case wmf::kLineTo:
      if (rec_.Has(6, 4)) dev_.LineTo(Pt(0));
      break;
    case wmf::kRectangle:
      if (rec_.Has(6, 8)) dev_.Rectangle(Pt(2), Pt(0));
      break;
    case wmf::kEllipse:
      if (rec_.Has(6, 8)) dev_.Ellipse(Pt(2), Pt(0));
      break;
    case wmf::kRoundRect:
      if (rec_.Has(6, 12)) dev_.RoundRect(Pt(4), Pt(2), {P(1), P(0)});
      break;
    case wmf::kArc:
    case wmf::kChord:
    case wmf::kPie:
      if (rec_.Has(6, 16)) {
        const ArcKind kind = function == wmf::kArc     ? ArcKind::Arc
                             : function == wmf::kChord ? ArcKind::Chord
                                                       : ArcKind::Pie;
        dev_.ArcFigure(kind, Pt(6), Pt(4), Pt(2), Pt(0));
      }
      break;
    case wmf::kSetPixel:
      if (rec_.Has(6, 8)) dev_.SetPixel(Pt(2), ColorFrom(rec_.U32(6)));
      break;
    case wmf::kPolygon:
    case wmf::kPolyline: Poly(function); break;
    case wmf::kPolyPolygon: PolyPolygon(); break;
    case wmf::kTextOut: Text(false); break;
    case wmf::kExtTextOut: Text(true); break;
    case wmf::kPatBlt:
      if (rec_.Has(6, 12)) dev_.PatternBlt(Pt(4), {P(3), P(2)}, rec_.U32(6));
      break;
    case wmf::kDibBitBlt:
    case wmf::kDibStretchBlt:
    case wmf::kStretchDib:
    case wmf::kSetDibToDev: Blit(function); break;
    default: break;  // not drawn
  }
}

}  // namespace

void PlayWmf(std::span<const std::uint8_t> data, const MetafileInfo& info, Device& device) {
  ByteReader r(data);
  WmfPlayer player(device, info.objectCount);
  std::size_t pos = info.firstRecord;
  while (r.Has(pos, 6) && device.NextRecord()) {
    const std::size_t bytes = std::size_t{r.U32(pos)} * 2;
    const std::uint16_t function = r.U16(pos + 4);
    if (bytes < 6 || !r.Has(pos, bytes) || function == wmf::kEof) break;
    player.Play(r.Sub(pos, bytes), function);
    pos += bytes;
  }
}

}  // namespace pictor::metafile
