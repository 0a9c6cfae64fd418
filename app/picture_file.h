// The picture files pictor reads, and the bytes it writes an edited picture back as.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/picture_file_types.h"
#include "host/graphics/picture.h"

namespace pictor {

// The format of a file by its extension, as the picture file table has it
// (any case); nullopt for any other, ".jpeg" included.
std::optional<TPictureFormat> FormatOfFile(const std::string& fileName);

// Loads bitmap file bytes into picture.
void LoadBitmapBytes(TPicture& picture, std::span<const std::uint8_t> bytes);

// The format an edited picture of a file of that format is written back as:
// its own when files of the format are written, else a bitmap (icons and
// metafiles come back as bitmaps).
TPictureFormat WriteBackFormat(TPictureFormat format);

// The picture's graphic as a file of format Bitmap or Jpeg, converted when it
// is of another class. Throws when it cannot be converted or encoded.
std::vector<std::uint8_t> EncodePicture(const TPicture& picture, TPictureFormat format);

// The picture as it is held now (its class and its own file bytes), to tell
// whether an edit changed it. Empty for a picture without graphic.
std::vector<std::uint8_t> PictureSnapshot(const TPicture& picture);

}  // namespace pictor
