// The editor's eight pointers: their names, the numbers they are registered
// under in the screen's cursor table, and a reader for their cursor files.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/geometry.h"

namespace pictor {

struct CursorResource {
  std::string_view name;  // "CRPEN"
  int id;                 // its number in the cursor table, -105
};

// In the order the editor registers them.
inline constexpr std::array<CursorResource, 8> kCursorResources{{
    {"CRNO", -100},
    {"CRMARQUEE", -101},
    {"CRLASSO", -102},
    {"CRZOOM", -103},
    {"CRPEN", -105},
    {"CRFILL", -109},
    {"CRSPRAY", -107},
    {"CRGETPIXELCOLOR", -110},
}};

// The resource path of a pointer's cursor file: ":/cursors/CRPEN.cur".
std::string CursorResourcePath(std::string_view name);

// A pointer picture: pf32bit pixels (bytes B, G, R, A; alpha 0 where the
// pointer is transparent) and the hot spot.
struct CursorPicture {
  BitmapImage image;
  TPoint hotSpot;
};

// Decodes a cursor (.cur) file: the image the file shows and the hot spot of
// its directory entry. Throws EInvalidGraphic for anything but a valid cursor
// file.
CursorPicture ReadCursorFile(std::span<const std::uint8_t> file);

}  // namespace pictor
