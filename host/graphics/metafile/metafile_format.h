// The headers of WMF metafiles (optionally with a placeable header in
// front) and enhanced metafiles, and the walk over all records that checks
// their sizes before a metafile is accepted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictor::metafile {

// Files beyond this size are refused.
inline constexpr std::size_t kMaxMetafileBytes = std::size_t{1} << 30;
// The largest picture size (pixels a side) a metafile may declare.
inline constexpr int kMaxPictureSide = 65535;

// A box in the units of the format, Right and Bottom as the file gives them.
struct Box {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct MetafileInfo {
  bool enhanced = false;
  int width = 0;  // pixels at 96 dots per inch
  int height = 0;
  std::size_t firstRecord = 0;  // offset of the first record after the headers
  std::size_t recordCount = 0;  // records up to and including the end record
  int objectCount = 0;          // slots of the object table

  // WMF metafiles: the picture box in logical units and the units per inch
  // (from the placeable header, else from the first window origin and extent
  // records, taken as pixels: 96 units per inch).
  bool placeable = false;
  Box box;
  int unitsPerInch = 96;

  // Enhanced metafiles: the picture frame in 0.01 mm (inclusive) and the
  // reference device's pixels per millimetre.
  Box frame;
  double devicePxPerMmX = 96 / 25.4;
  double devicePxPerMmY = 96 / 25.4;
};

// Checks the headers and every record size; throws EInvalidGraphic with a
// message saying what is wrong.
MetafileInfo ParseMetafile(std::span<const std::uint8_t> data);

}  // namespace pictor::metafile
