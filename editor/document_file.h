// A picture file read as the editor's document: decoded into a new bitmap
// that carries its standard palette, so the document changes only once the
// whole file has been read.
#pragma once

#include <memory>
#include <string>

#include "editor/picture_file_types.h"
#include "host/graphics/bitmap.h"

namespace pictor {

// The file, of the given format, as a new bitmap:
// - a bitmap file with its own size, pixel format and pixels, and the
//   standard palette of its format (an empty one becomes 4-bit);
// - a JPEG file decoded into a 24-bit bitmap with the web palette;
// - an icon or metafile drawn at (0, 0) over white, at its own size, with the
//   web palette, in the document's pixel format `documentFormat`, or in the
//   display's own format when that is 1 or 4 bits (they cannot hold the web
//   palette's colours).
// Throws an error naming the file and the reason when the file cannot be
// opened, read or decoded.
std::unique_ptr<TBitmap> ReadDocumentFile(const std::string& fileName, TPictureFormat format,
                                          TPixelFormat documentFormat);

}  // namespace pictor
