// The editor's eight pointers: their names, the numbers they are registered
// under in the screen's cursor table, and where their cursor files lie (the
// graphics library's ReadCursorFile, icon.h, reads them).
#pragma once

#include <array>
#include <string>
#include <string_view>

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

}  // namespace pictor
