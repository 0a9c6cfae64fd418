// Reading icon (.ico) and cursor (.cur) files: the directory, the choice of
// the image to show and its decoding.
//
// A file is a 6-byte directory header (reserved 0, type 1 for icons or 2 for
// cursors, image count) and 16-byte entries (width and height, 0 meaning 256;
// colour count; reserved; planes and bit count, or a cursor's hot spot; the
// image's size and offset). Each image is an icon bitmap (icon_bitmap.h) or a PNG.
// A file that is a PNG itself (as many web icons are) is an icon of that one image.
//
// Decisions:
// - Every entry is checked: it must lie in the file after the directory, and
//   its image header must be valid. The entry's size, colour count, planes and
//   bit count are ignored: many writers fill them wrongly; the image header
//   decides, within the size limits.
// - The image shown is the largest by area, the deepest of those on a tie and
//   the first of those on a further tie. Only that image is decoded.
// - Sizes beyond the limits are refused before anything is allocated.
// - A cursor's hot spot is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "host/graphics/pixels/bitmap_image.h"
#include "host/graphics/limits.h"

namespace pictor {

struct IconImageInfo {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // from the image's own header
  bool png = false;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

struct IconDirectory {
  int type = 0;  // 1 icon, 2 cursor
  std::vector<IconImageInfo> images;
  std::size_t chosen = 0;  // the image to show
};

// Checks the directory and the header of every image, and picks the image to
// show. Throws EInvalidGraphic with a message naming the fault.
IconDirectory ReadIconDirectory(std::span<const std::uint8_t> file, const ImageLimits& limits);

// Decodes one image of the file to pf32bit, bytes B, G, R, A with straight
// alpha. Throws EInvalidGraphic.
BitmapImage DecodeIconImage(std::span<const std::uint8_t> file, const IconImageInfo& image,
                            const ImageLimits& limits);

}  // namespace pictor
