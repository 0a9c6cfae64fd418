// The editor's pointers: the cursor ids of the tools, the eight pointer
// resources with the ids they are registered under in the screen's cursor
// table, and where their cursor files lie (the graphics library's
// ReadCursorFile, icon.h, reads them).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pictor {

// The cursor ids of the tools, in the screen's cursor table. Every tool but
// the eraser and the brush (which show their tip and the standard arrow) has
// the id -(101 + its tool number). crNoPointer, a pointer without a visible
// pixel, belongs to no tool.
inline constexpr int crNoPointer = -100;
inline constexpr int crMarquee = -101;
inline constexpr int crLasso = -102;
inline constexpr int crZoom = -103;
inline constexpr int crPen = -105;
inline constexpr int crSpray = -107;
inline constexpr int crFill = -109;
inline constexpr int crGetPixelColor = -110;
// Ids without a pointer of their own: they show the standard arrow.
inline constexpr int crText = -108;
inline constexpr int crLine = -111;
inline constexpr int crCurve = -112;
inline constexpr int crRectangle = -113;
inline constexpr int crPolygon = -114;
inline constexpr int crRoundRectangle = -115;
inline constexpr int crEllipse = -116;

struct CursorResource {
  std::string_view name;  // "CRPEN"
  int id;                 // its number in the cursor table, crPen
};

// The pointers the editor registers, in the order it registers them.
inline constexpr std::array<CursorResource, 8> kCursorResources{{
    {"CRNO", crNoPointer},
    {"CRMARQUEE", crMarquee},
    {"CRLASSO", crLasso},
    {"CRZOOM", crZoom},
    {"CRPEN", crPen},
    {"CRFILL", crFill},
    {"CRSPRAY", crSpray},
    {"CRGETPIXELCOLOR", crGetPixelColor},
}};

// The resource path of a pointer's cursor file: ":/cursors/CRPEN.cur".
std::string CursorResourcePath(std::string_view name);

}  // namespace pictor
