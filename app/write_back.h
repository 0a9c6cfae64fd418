// Writing an edited picture back to disk in the format of the file it came from.
#pragma once

#include <string>

#include "host/graphics/picture.h"

namespace pictor {

// The name of the file a changed sample picture is written to (or the first
// free one of "sample-1.bmp", ...), in the current folder.
inline constexpr char kChangedSampleName[] = "sample.bmp";

// Writes picture back for sourceFile (empty: the bundled sample). A bitmap or
// JPEG file is replaced safely; an icon or metafile is left as it is and the
// picture is written beside it as a new bitmap file; the sample goes to a new
// file in the current folder. Returns the line that says where it went.
// Throws (naming the file) when the picture cannot be encoded or written;
// nothing on disk has changed then.
std::string SaveEditedPicture(const TPicture& picture, const std::string& sourceFile);

}  // namespace pictor
