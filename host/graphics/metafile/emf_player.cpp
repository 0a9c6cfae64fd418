// Plays enhanced metafile records.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "host/graphics/metafile/metafile_dib.h"
#include "host/graphics/metafile/metafile_geometry.h"
#include "host/graphics/metafile/metafile_player.h"
#include "host/graphics/metafile/metafile_reader.h"
#include "host/graphics/metafile/metafile_strings.h"

namespace pictor::metafile {
namespace {

constexpr std::uint32_t kStockBase = 0x80000000u;

class EmfPlayer {
 public:
  EmfPlayer(Device& device, int objectCount) : dev_(device), objects_(objectCount) {}

  void Play(ByteReader record, std::uint32_t type);

 private:
  DcState& Dc() { return dev_.Dc(); }
  PointD Pt(std::size_t offset) { return {double(rec_.I32(offset)), double(rec_.I32(offset + 4))}; }
  // A point list: count at offset 24 (after the bounds), points after it.
  bool ReadPoints(std::size_t offset, std::size_t count, bool small, std::vector<PointD>& out);
  void Poly(std::uint32_t type, bool small);
  void PolyPoly(bool polygon, bool small);
  void PolyDraw(bool small);
  void Text(bool wide);
  void SelectObject(std::uint32_t index);
  void CreatePen(bool extended);
  void CreateBrush();
  void CreatePatternBrush();
  void CreateFont();
  void Blit(std::uint32_t type);
  void ClipRegion();
  void Transform(bool modify);
  void AngleArc();
  std::span<const std::uint8_t> Block(std::uint32_t offset, std::uint32_t size) {
    if (size == 0) return {};
    return rec_.Bytes(offset, size);
  }

  Device& dev_;
  ObjectTable objects_;
  ByteReader rec_;
};

bool EmfPlayer::ReadPoints(std::size_t offset, std::size_t count, bool small,
                           std::vector<PointD>& out) {
  const std::size_t size = small ? 4 : 8;
  if (!rec_.HasItems(offset, count, size)) return false;
  out.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = offset + i * size;
    out[i] = small ? PointD{double(rec_.I16(at)), double(rec_.I16(at + 2))} : Pt(at);
  }
  return true;
}

void EmfPlayer::Poly(std::uint32_t type, bool small) {
  const std::uint32_t count = rec_.U32(24);
  std::vector<PointD> points;
  if (!rec_.Ok() || !ReadPoints(28, count, small, points)) return;
  switch (type) {
    case emf::kPolyBezier:
    case emf::kPolyBezier16: dev_.PolyBezier(points); break;
    case emf::kPolygon:
    case emf::kPolygon16: dev_.Polygon(points); break;
    case emf::kPolyline:
    case emf::kPolyline16: dev_.Polyline(points); break;
    case emf::kPolyBezierTo:
    case emf::kPolyBezierTo16: dev_.PolyBezierTo(points); break;
    default: dev_.PolylineTo(points); break;
  }
}

void EmfPlayer::PolyPoly(bool polygon, bool small) {
  const std::uint32_t polys = rec_.U32(24), total = rec_.U32(28);
  if (!rec_.Ok() || !rec_.HasItems(32, polys, 4)) return;
  std::vector<int> counts(polys);
  std::uint64_t sum = 0;
  for (std::uint32_t i = 0; i < polys; ++i) {
    const std::uint32_t c = rec_.U32(32 + 4 * std::size_t{i});
    if (c > total) return;
    counts[i] = static_cast<int>(c);
    sum += c;
  }
  std::vector<PointD> points;
  if (sum != total || !ReadPoints(32 + 4 * std::size_t{polys}, total, small, points)) return;
  if (polygon) {
    dev_.PolyPolygon(points, counts);
  } else {
    dev_.PolyPolyline(points, counts);
  }
}

void EmfPlayer::PolyDraw(bool small) {
  enum { kClose = 1, kLineTo = 2, kBezierTo = 4, kMoveTo = 6 };
  const std::uint32_t count = rec_.U32(24);
  std::vector<PointD> points;
  if (!rec_.Ok() || !ReadPoints(28, count, small, points)) return;
  const std::size_t typesAt = 28 + std::size_t{count} * (small ? 4 : 8);
  if (!rec_.Has(typesAt, count)) return;
  PointD figureStart = points.empty() ? PointD{} : points[0];
  for (std::size_t i = 0; i < count && !dev_.Stopped(); ++i) {
    const std::uint8_t t = rec_.U8(typesAt + i);
    if ((t & ~kClose) == kMoveTo) {
      dev_.MoveTo(points[i]);
      figureStart = points[i];
    } else if ((t & ~kClose) == kLineTo) {
      dev_.LineTo(points[i]);
    } else if ((t & ~kClose) == kBezierTo && i + 2 < count) {
      dev_.PolyBezierTo(std::span<const PointD>(points).subspan(i, 3));
      i += 2;
    } else {
      return;
    }
    if (t & kClose) dev_.LineTo(figureStart);
  }
}

void EmfPlayer::Text(bool wide) {
  const PointD at = Pt(36);
  const std::uint32_t chars = rec_.U32(44), offset = rec_.U32(48), options = rec_.U32(52);
  const PointD rect[2] = {Pt(56), Pt(64)};
  if (!rec_.Ok() || !rec_.HasItems(offset, chars, wide ? 2 : 1)) return;
  const auto bytes = rec_.Bytes(offset, std::size_t{chars} * (wide ? 2 : 1));
  const std::string text = wide ? Utf16ToUtf8(bytes) : Latin1ToUtf8(bytes);
  dev_.Text(at, text, options, (options & (kEtoOpaque | kEtoClipped)) ? rect : nullptr);
}

void EmfPlayer::SelectObject(std::uint32_t index) {
  DcState& dc = Dc();
  if (index < kStockBase) {
    if (const MetaObject* object = objects_.Get(index)) SelectInto(*object, dc);
    return;
  }
  switch (index - kStockBase) {
    case 0: dc.brush = {false, clWhite}; break;
    case 1: dc.brush = {false, clSilver}; break;
    case 2: dc.brush = {false, clGray}; break;
    case 3: dc.brush = {false, RGB(0x40, 0x40, 0x40)}; break;
    case 4: dc.brush = {false, clBlack}; break;
    case 5: dc.brush = {true, clWhite}; break;
    case 6: dc.pen = {TPenStyle::psSolid, 0, true, clWhite}; break;
    case 7: dc.pen = {TPenStyle::psSolid, 0, true, clBlack}; break;
    case 8: dc.pen = {TPenStyle::psClear, 0, true, clBlack}; break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 16:
    case 17: dc.font = MetaFont{0, 0, 400, false, false, false, dc.font.face}; break;
    case 18: dc.brush = {false, clWhite}; break;
    case 19: dc.pen = {TPenStyle::psSolid, 0, true, clBlack}; break;
    default: break;
  }
}

void EmfPlayer::CreatePen(bool extended) {
  MetaObject object;
  object.kind = MetaObject::Kind::Pen;
  const std::uint32_t index = rec_.U32(8);
  if (extended) {
    const std::uint32_t style = rec_.U32(28);
    object.pen.style = PenStyleFrom(style);
    object.pen.cosmetic = (style & 0x000F0000) == 0;
    object.pen.width = rec_.U32(32);
    if (rec_.U32(36) == 1) object.pen.style = TPenStyle::psClear;  // a null brush
    object.pen.color = ColorFrom(rec_.U32(40));
  } else {
    object.pen.style = PenStyleFrom(rec_.U32(12));
    object.pen.width = std::abs(rec_.I32(16));
    object.pen.color = ColorFrom(rec_.U32(24));
  }
  if (rec_.Ok() && index != 0) objects_.Put(index, std::move(object));
}

void EmfPlayer::CreateBrush() {
  MetaObject object;
  object.kind = MetaObject::Kind::Brush;
  const std::uint32_t index = rec_.U32(8), style = rec_.U32(12);
  object.brush.color = ColorFrom(rec_.U32(16));
  object.brush.null = style == 1;
  // Hatched brushes paint solid in their colour; bitmap patterns in grey.
  if (style == 3 || style == 5 || style == 6) object.brush.color = clGray;
  if (rec_.Ok() && index != 0) objects_.Put(index, std::move(object));
}

void EmfPlayer::CreatePatternBrush() {
  MetaObject object;
  object.kind = MetaObject::Kind::Brush;
  object.brush.color = clGray;
  const std::uint32_t index = rec_.U32(8);
  const auto info = Block(rec_.U32(16), rec_.U32(20));
  const auto bits = Block(rec_.U32(24), rec_.U32(28));
  bool bottomUp = true;
  if (rec_.Ok() && !info.empty())
    if (const auto image = DecodeDib(info, bits, bottomUp)) object.brush.color = AverageColor(*image);
  if (index != 0 && rec_.Has(8, 4)) objects_.Put(index, std::move(object));
}

void EmfPlayer::CreateFont() {
  MetaObject object;
  object.kind = MetaObject::Kind::Font;
  MetaFont& f = object.font;
  const std::uint32_t index = rec_.U32(8);
  f.height = rec_.I32(12);
  f.escapement = rec_.I32(20);
  f.weight = rec_.I32(28);
  f.italic = rec_.U8(32) != 0;
  f.underline = rec_.U8(33) != 0;
  f.strikeOut = rec_.U8(34) != 0;
  if (!rec_.Ok() || index == 0) return;
  const std::size_t faceBytes = rec_.Size() > 40 ? std::min<std::size_t>(64, rec_.Size() - 40) : 0;
  f.face = Utf16ToUtf8(rec_.Bytes(40, faceBytes & ~std::size_t{1}), /*stopAtNul=*/true);
  objects_.Put(index, std::move(object));
}

void EmfPlayer::Blit(std::uint32_t type) {
  const PointD dest = Pt(24);
  if (type == emf::kBitBlt || type == emf::kStretchBlt) {
    const PointD size = Pt(32);
    const std::uint32_t rop = rec_.U32(40);
    const int srcX = rec_.I32(44), srcY = rec_.I32(48);
    const std::uint32_t offBmi = rec_.U32(84), cbBmi = rec_.U32(88);
    const std::uint32_t offBits = rec_.U32(92), cbBits = rec_.U32(96);
    if (!rec_.Ok()) return;
    if (cbBmi == 0) {
      dev_.PatternBlt(dest, size, rop);
      return;
    }
    int srcW = static_cast<int>(size.x), srcH = static_cast<int>(size.y);
    if (type == emf::kStretchBlt) {
      srcW = rec_.I32(100);
      srcH = rec_.I32(104);
    }
    const auto info = Block(offBmi, cbBmi), bits = Block(offBits, cbBits);
    if (!rec_.Ok()) return;
    dev_.DrawDib(dest, size, info, bits,
                 TRect{srcX, srcY, RoundCoord(double(srcX) + srcW), RoundCoord(double(srcY) + srcH)},
                 false, rop);
    return;
  }
  // StretchDIBits and SetDIBitsToDevice: source rows counted from the bottom.
  const int srcX = rec_.I32(32), srcY = rec_.I32(36), srcW = rec_.I32(40), srcH = rec_.I32(44);
  const std::uint32_t offBmi = rec_.U32(48), cbBmi = rec_.U32(52);
  const std::uint32_t offBits = rec_.U32(56), cbBits = rec_.U32(60);
  std::uint32_t rop = kSrcCopy;
  PointD size{double(srcW), double(srcH)};
  if (type == emf::kStretchDiBits) {
    rop = rec_.U32(68);
    size = Pt(72);
  }
  const auto info = Block(offBmi, cbBmi), bits = Block(offBits, cbBits);
  if (!rec_.Ok() || info.empty()) return;
  dev_.DrawDib(dest, size, info, bits,
               TRect{srcX, srcY, RoundCoord(double(srcX) + srcW), RoundCoord(double(srcY) + srcH)},
               true, rop);
}

void EmfPlayer::ClipRegion() {
  const std::uint32_t size = rec_.U32(8);
  const int mode = static_cast<int>(rec_.U32(12));
  if (!rec_.Ok()) return;
  if (size == 0) {
    dev_.CombineClip(nullptr, mode);
    return;
  }
  const std::uint32_t count = rec_.U32(24);
  if (!rec_.Ok() || !rec_.HasItems(48, count, 16)) return;
  std::vector<TRect> rects(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = 48 + 16 * std::size_t{i};
    rects[i] = {rec_.I32(at), rec_.I32(at + 4), rec_.I32(at + 8), rec_.I32(at + 12)};
  }
  dev_.CombineClipDeviceRects(rects, mode);
}

// An arc of a circle given by centre, radius and angles in degrees
// (counter-clockwise from the x axis), continuing the current figure; the
// sweep's sign gives the direction, whatever the state's arc direction.
void EmfPlayer::AngleArc() {
  const PointD c = Pt(8);
  const double r = rec_.U32(16), start = rec_.F32(20), sweep = rec_.F32(24);
  if (!rec_.Ok() || !std::isfinite(start) || !std::isfinite(sweep)) return;
  const double a0 = start * std::numbers::pi / 180, a1 = (start + sweep) * std::numbers::pi / 180;
  const PointD from{c.x + r * std::cos(a0), c.y - r * std::sin(a0)};
  const PointD to{c.x + r * std::cos(a1), c.y - r * std::sin(a1)};
  DcState& dc = Dc();
  const bool clockwise = dc.arcClockwise;
  dc.arcClockwise = sweep < 0;
  // A sweep of a whole turn or more draws the whole circle.
  dev_.ArcTo({c.x - r, c.y - r}, {c.x + r, c.y + r}, from, std::fabs(sweep) >= 360 ? from : to);
  Dc().arcClockwise = clockwise;
}

void EmfPlayer::Transform(bool modify) {
  const Affine xf{rec_.F32(8), rec_.F32(12), rec_.F32(16), rec_.F32(20), rec_.F32(24), rec_.F32(28)};
  if (!rec_.Ok()) return;
  for (double v : {xf.a, xf.b, xf.c, xf.d, xf.e, xf.f})
    if (!std::isfinite(v)) return;
  DcState& dc = Dc();
  const std::uint32_t mode = modify ? rec_.U32(32) : 4;
  switch (mode) {
    case 1: dc.world = Affine{}; break;
    case 2: dc.world = xf.Then(dc.world); break;
    case 3: dc.world = dc.world.Then(xf); break;
    case 4: dc.world = xf; break;
    default: break;
  }
}

void EmfPlayer::Play(ByteReader record, std::uint32_t type) {
  rec_ = record;
  DcState& dc = Dc();
  switch (type) {
    case emf::kSetWindowExtEx: dc.windowExt = Pt(8); break;
    case emf::kSetWindowOrgEx: dc.windowOrg = Pt(8); break;
    case emf::kSetViewportExtEx: dc.viewportExt = Pt(8); break;
    case emf::kSetViewportOrgEx: dc.viewportOrg = Pt(8); break;
    case emf::kScaleViewportExtEx:
    case emf::kScaleWindowExtEx: {
      const double xNum = rec_.I32(8), xDen = rec_.I32(12), yNum = rec_.I32(16), yDen = rec_.I32(20);
      if (!rec_.Ok() || xDen == 0 || yDen == 0) break;
      PointD& ext = type == emf::kScaleWindowExtEx ? dc.windowExt : dc.viewportExt;
      ext = {ext.x * xNum / xDen, ext.y * yNum / yDen};
      break;
    }
    case emf::kSetMapMode: {
      const std::uint32_t mode = rec_.U32(8);
      if (mode >= kMmText && mode <= kMmAnisotropic) dc.mapMode = static_cast<int>(mode);
      break;
    }
    case emf::kSetBkMode: {
      const std::uint32_t mode = rec_.U32(8);
      if (mode == TRANSPARENT || mode == OPAQUE) dc.bkMode = static_cast<int>(mode);
      break;
    }
    case emf::kSetPolyFillMode: {
      const std::uint32_t mode = rec_.U32(8);
      if (mode == ALTERNATE || mode == WINDING) dc.polyFillMode = static_cast<int>(mode);
      break;
    }
    case emf::kSetTextAlign:
      if (rec_.Has(8, 4)) dc.textAlign = rec_.U32(8);
      break;
    case emf::kSetTextColor:
      if (rec_.Has(8, 4)) dc.textColor = ColorFrom(rec_.U32(8));
      break;
    case emf::kSetBkColor:
      if (rec_.Has(8, 4)) dc.bkColor = ColorFrom(rec_.U32(8));
      break;
    case emf::kSetArcDirection:
      if (rec_.Has(8, 4)) dc.arcClockwise = rec_.U32(8) == 2;
      break;
    case emf::kSaveDc: dev_.SaveDc(); break;
    case emf::kRestoreDc:
      if (rec_.Has(8, 4)) dev_.RestoreDc(rec_.I32(8));
      break;
    case emf::kSetWorldTransform: Transform(false); break;
    case emf::kModifyWorldTransform: Transform(true); break;
    case emf::kSelectObject:
      if (rec_.Has(8, 4)) SelectObject(rec_.U32(8));
      break;
    case emf::kDeleteObject:
      if (rec_.Has(8, 4)) objects_.Delete(rec_.U32(8));
      break;
    case emf::kCreatePen: CreatePen(false); break;
    case emf::kExtCreatePen: CreatePen(true); break;
    case emf::kCreateBrushIndirect: CreateBrush(); break;
    case emf::kCreateMonoBrush:
    case emf::kCreateDibPatternBrushPt: CreatePatternBrush(); break;
    case emf::kExtCreateFontIndirectW: CreateFont(); break;
    case emf::kMoveToEx:
      if (rec_.Has(8, 8)) dev_.MoveTo(Pt(8));
      break;
    case emf::kLineTo:
      if (rec_.Has(8, 8)) dev_.LineTo(Pt(8));
      break;
    case emf::kSetPixelV:
      if (rec_.Has(8, 12)) dev_.SetPixel(Pt(8), ColorFrom(rec_.U32(16)));
      break;
    case emf::kRectangle:
      if (rec_.Has(8, 16)) dev_.Rectangle(Pt(8), Pt(16));
      break;
    case emf::kEllipse:
      if (rec_.Has(8, 16)) dev_.Ellipse(Pt(8), Pt(16));
      break;
    case emf::kRoundRect:
      if (rec_.Has(8, 24)) dev_.RoundRect(Pt(8), Pt(16), Pt(24));
      break;
    case emf::kArc:
    case emf::kChord:
    case emf::kPie:
      if (rec_.Has(8, 32)) {
        const ArcKind kind = type == emf::kArc     ? ArcKind::Arc
                             : type == emf::kChord ? ArcKind::Chord
                                                   : ArcKind::Pie;
        dev_.ArcFigure(kind, Pt(8), Pt(16), Pt(24), Pt(32));
      }
      break;
    case emf::kArcTo:
      if (rec_.Has(8, 32)) dev_.ArcTo(Pt(8), Pt(16), Pt(24), Pt(32));
      break;
    case emf::kAngleArc: AngleArc(); break;
    case emf::kPolyBezier:
    case emf::kPolygon:
    case emf::kPolyline:
    case emf::kPolyBezierTo:
    case emf::kPolylineTo: Poly(type, false); break;
    case emf::kPolyBezier16:
    case emf::kPolygon16:
    case emf::kPolyline16:
    case emf::kPolyBezierTo16:
    case emf::kPolylineTo16: Poly(type, true); break;
    case emf::kPolyPolyline: PolyPoly(false, false); break;
    case emf::kPolyPolygon: PolyPoly(true, false); break;
    case emf::kPolyPolyline16: PolyPoly(false, true); break;
    case emf::kPolyPolygon16: PolyPoly(true, true); break;
    case emf::kPolyDraw: PolyDraw(false); break;
    case emf::kPolyDraw16: PolyDraw(true); break;
    case emf::kBeginPath: dev_.BeginPath(); break;
    case emf::kEndPath: dev_.EndPath(); break;
    case emf::kCloseFigure: dev_.CloseFigure(); break;
    case emf::kAbortPath: dev_.AbortPath(); break;
    case emf::kFillPath: dev_.FillPath(); break;
    case emf::kStrokePath: dev_.StrokePath(); break;
    case emf::kStrokeAndFillPath: dev_.StrokeAndFillPath(); break;
    case emf::kSelectClipPath:
      if (rec_.Has(8, 4)) dev_.SelectClipPath(static_cast<int>(rec_.U32(8)));
      break;
    case emf::kIntersectClipRect:
      if (rec_.Has(8, 16)) dev_.IntersectClipRect(Pt(8), Pt(16));
      break;
    case emf::kExcludeClipRect:
      if (rec_.Has(8, 16)) dev_.ExcludeClipRect(Pt(8), Pt(16));
      break;
    case emf::kOffsetClipRgn:
      if (rec_.Has(8, 8)) dev_.OffsetClip(Pt(8));
      break;
    case emf::kExtSelectClipRgn: ClipRegion(); break;
    case emf::kExtTextOutA: Text(false); break;
    case emf::kExtTextOutW: Text(true); break;
    case emf::kBitBlt:
    case emf::kStretchBlt:
    case emf::kSetDiBitsToDevice:
    case emf::kStretchDiBits: Blit(type); break;
    default: break;  // not drawn
  }
}

}  // namespace

void PlayEmf(std::span<const std::uint8_t> data, const MetafileInfo& info, Device& device) {
  ByteReader r(data);
  EmfPlayer player(device, info.objectCount);
  std::size_t pos = info.firstRecord;
  while (r.Has(pos, 8) && device.NextRecord()) {
    const std::uint32_t type = r.U32(pos), size = r.U32(pos + 4);
    if (size < 8 || !r.Has(pos, size) || type == emf::kEof) break;
    player.Play(r.Sub(pos, size), type);
    pos += size;
  }
}

}  // namespace pictor::metafile
