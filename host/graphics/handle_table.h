// The handle table: the palettes and regions that callers hold by handle. A
// handle names its object until DeleteObject; a zero handle names nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "host/graphics/color.h"
#include "host/graphics/geometry.h"
#include "host/graphics/raster/spans.h"

namespace pictor {

class NearestColorIndex;

enum class HPALETTE : std::uint32_t {};
enum class HRGN : std::uint32_t {};

// A logical palette as the caller fills it: palNumEntries entries of palPalEntry.
struct LOGPALETTE {
  std::uint16_t palVersion = 0x300;
  std::uint16_t palNumEntries = 0;
  std::vector<PALETTEENTRY> palPalEntry;
};

// Polygon fill modes of CreatePolygonRgn.
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

// Returns a new palette handle, or a zero handle when the record holds no
// entries or fewer entries than palNumEntries says.
HPALETTE CreatePalette(const LOGPALETTE& logPalette);
// A new handle with the same entries (the caller owns it).
HPALETTE CopyPalette(HPALETTE palette);
// Writes the palette's entry count to *entryCount when cbBuffer >= 2 and returns the
// number of bytes written (2); with no buffer returns the size needed. 0 on an unknown handle.
int GetObject(HPALETTE palette, int cbBuffer, std::uint16_t* entryCount);
// Copies up to count entries from start; returns how many were copied. With no
// buffer returns the palette's entry count. 0 on an unknown handle.
unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count, PALETTEENTRY* out);
bool DeleteObject(HPALETTE palette);

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
HRGN CreateRectRgn(int left, int top, int right, int bottom);
// Moves the region; returns false on an unknown handle.
bool OffsetRgn(HRGN region, int dx, int dy);
bool PtInRegion(HRGN region, int x, int y);
bool DeleteObject(HRGN region);

// The library's own view of the table.
namespace handles {

// The immutable entries behind a palette handle; shared by bitmaps that copy it.
struct PaletteData {
  std::vector<PALETTEENTRY> entries;
  // Nearest-colour lookups, built on first use: over the first 2, 16 and 256 entries.
  mutable std::shared_ptr<NearestColorIndex> nearest[3];
};
using PaletteRef = std::shared_ptr<const PaletteData>;

PaletteRef LookupPalette(HPALETTE palette);
HPALETTE AddPalette(PaletteRef data);
HPALETTE AddPalette(std::span<const PALETTEENTRY> entries);
// The pixels of a region; nullptr for an unknown handle.
const SpanSet* LookupRegion(HRGN region);
HRGN AddRegion(SpanSet pixels);
// Number of live objects (for leak checks in tests).
std::size_t LiveObjectCount();

}  // namespace handles
}  // namespace pictor
