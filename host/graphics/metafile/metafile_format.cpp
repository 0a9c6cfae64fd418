#include "host/graphics/metafile/metafile_format.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "host/graphics/errors.h"
#include "host/graphics/metafile/metafile_reader.h"
#include "host/graphics/metafile/metafile_records.h"

namespace pictor::metafile {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kWmfHeaderSize = 18;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kEmfHeaderSize = 88;

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

int RoundedSide(double pixels, const char* what) {
  const double rounded = std::floor(std::fabs(pixels) + 0.5);
  if (rounded > kMaxPictureSide)
    Fail(std::string("Metafile picture is too large: ") + what + " of " +
         std::to_string(static_cast<long long>(rounded)) + " pixels (at most " +
         std::to_string(kMaxPictureSide) + ")");
  return static_cast<int>(rounded);
}

void ParseWmf(ByteReader& r, MetafileInfo& info) {
  std::size_t pos = 0;
  if (r.Size() >= 4 && r.U32(0) == kPlaceableKey) {
    if (!r.Has(0, kPlaceableSize)) Fail("Metafile is truncated: the placeable header is incomplete");
    info.placeable = true;
    info.box = {r.I16(6), r.I16(8), r.I16(10), r.I16(12)};
    info.unitsPerInch = r.U16(14);
    if (info.unitsPerInch == 0) Fail("Metafile's placeable header gives 0 units per inch");
    pos = kPlaceableSize;
  }
  if (!r.Has(pos, kWmfHeaderSize)) Fail("Metafile is truncated: the header is incomplete");
  const std::uint16_t type = r.U16(pos);
  const std::uint16_t headerWords = r.U16(pos + 2);
  const std::uint16_t version = r.U16(pos + 4);
  if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
    Fail("Not a metafile: the header is not that of a WMF or EMF metafile");
  info.objectCount = r.U16(pos + 10);
  pos += kWmfHeaderSize;
  info.firstRecord = pos;

  bool haveOrg = false, haveExt = false;
  Box window;
  for (;;) {
    const std::size_t left = r.Size() - pos;
    if (left == 0) break;  // the end record is missing; the data ends cleanly
    if (left < 6)
      Fail("Metafile is truncated: record " + std::to_string(info.recordCount + 1) +
           " is incomplete");
    const std::uint32_t words = r.U32(pos);
    const std::uint16_t function = r.U16(pos + 4);
    if (words < 3)
      Fail("Metafile record " + std::to_string(info.recordCount + 1) + " has an invalid size of " +
           std::to_string(words) + " words");
    if (words > left / 2)
      Fail("Metafile record " + std::to_string(info.recordCount + 1) +
           " extends past the end of the data");
    ++info.recordCount;
    if (function == wmf::kEof) break;
    if (!info.placeable && words >= 5) {
      if (function == wmf::kSetWindowOrg && !haveOrg) {
        haveOrg = true;
        window.Top = r.I16(pos + 6);
        window.Left = r.I16(pos + 8);
      } else if (function == wmf::kSetWindowExt && !haveExt) {
        haveExt = true;
        window.Bottom = r.I16(pos + 6);
        window.Right = r.I16(pos + 8);
      }
    }
    pos += std::size_t{words} * 2;
  }
  if (info.placeable) {
    const double scale = 96.0 / info.unitsPerInch;
    info.width = RoundedSide((double(info.box.Right) - info.box.Left) * scale, "width");
    info.height = RoundedSide((double(info.box.Bottom) - info.box.Top) * scale, "height");
  } else if (haveExt) {
    // Window extent given as (width, height): the box runs from the origin.
    info.box = {window.Left, window.Top, window.Left + window.Right, window.Top + window.Bottom};
    info.width = std::abs(window.Right);
    info.height = std::abs(window.Bottom);
  }
}

void ParseEmf(ByteReader& r, MetafileInfo& info) {
  info.enhanced = true;
  const std::uint32_t headerSize = r.U32(4);
  if (headerSize < kEmfHeaderSize || headerSize % 4 != 0)
    Fail("Enhanced metafile header has an invalid size of " + std::to_string(headerSize));
  if (!r.Has(0, headerSize)) Fail("Metafile is truncated: the header is incomplete");
  if (r.U32(40) != kEmfSignature) Fail("Not an enhanced metafile: the signature is missing");
  info.frame = {r.I32(24), r.I32(28), r.I32(32), r.I32(36)};
  info.objectCount = r.U16(56);
  const std::int32_t devW = r.I32(72), devH = r.I32(76);
  std::int32_t mmW = r.I32(80), mmH = r.I32(84);
  double umW = mmW * 1000.0, umH = mmH * 1000.0;
  if (headerSize >= 108 && r.I32(100) > 0 && r.I32(104) > 0) {
    umW = r.I32(100);
    umH = r.I32(104);
  }
  if (devW > 0 && devH > 0 && umW > 0 && umH > 0) {
    info.devicePxPerMmX = devW * 1000.0 / umW;
    info.devicePxPerMmY = devH * 1000.0 / umH;
  }
  // The frame is inclusive: it covers Right - Left + 1 hundredths of a millimetre.
  const double scale = 96.0 / 2540.0;
  info.width = RoundedSide((double(info.frame.Right) - info.frame.Left + 1) * scale, "width");
  info.height = RoundedSide((double(info.frame.Bottom) - info.frame.Top + 1) * scale, "height");

  std::size_t pos = headerSize;
  info.firstRecord = pos;
  info.recordCount = 1;
  for (;;) {
    const std::size_t left = r.Size() - pos;
    if (left == 0) break;
    if (left < 8)
      Fail("Metafile is truncated: record " + std::to_string(info.recordCount + 1) +
           " is incomplete");
    const std::uint32_t type = r.U32(pos);
    const std::uint32_t size = r.U32(pos + 4);
    if (size < 8 || size % 4 != 0)
      Fail("Metafile record " + std::to_string(info.recordCount + 1) + " has an invalid size of " +
           std::to_string(size) + " bytes");
    if (size > left)
      Fail("Metafile record " + std::to_string(info.recordCount + 1) +
           " extends past the end of the data");
    ++info.recordCount;
    if (type == emf::kEof) break;
    pos += size;
  }
}

}  // namespace

MetafileInfo ParseMetafile(std::span<const std::uint8_t> data) {
  if (data.size() > kMaxMetafileBytes)
    Fail("Metafile of " + std::to_string(data.size()) + " bytes is too large");
  ByteReader r(data);
  MetafileInfo info;
  if (data.size() >= 44 && r.U32(0) == emf::kHeader && r.U32(40) == kEmfSignature) {
    ParseEmf(r, info);
  } else {
    if (data.size() < 4) Fail("Metafile is truncated: the header is incomplete");
    ParseWmf(r, info);
  }
  return info;
}

}  // namespace pictor::metafile
