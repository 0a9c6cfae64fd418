// The picture files pictor reads, and the bytes it writes an edited picture back as.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/graphics/picture.h"

namespace pictor {

enum class TPictureFormat { Bitmap, Jpeg, Icon, Metafile };

// The format of a file by its extension (".bmp", ".jpg", ".ico", ".wmf",
// ".emf", any case); nullopt for any other, ".jpeg" included.
std::optional<TPictureFormat> FormatOfFile(const std::string& fileName);

// Loads the file into picture as a graphic of that format. Throws (the
// graphics library's errors, naming the file) and leaves picture as it was
// when the file cannot be read or decoded.
void LoadPictureAs(TPicture& picture, const std::string& fileName, TPictureFormat format);
// Loads bitmap file bytes into picture.
void LoadBitmapBytes(TPicture& picture, std::span<const std::uint8_t> bytes);

// The format an edited picture of a file of that format is written back as:
// icons and metafiles come back as bitmaps.
TPictureFormat WriteBackFormat(TPictureFormat format);

// The picture's graphic as a file of format Bitmap or Jpeg, converted when it
// is of another class. Throws when it cannot be converted or encoded.
std::vector<std::uint8_t> EncodePicture(const TPicture& picture, TPictureFormat format);

// The picture as it is held now (its class and its own file bytes), to tell
// whether an edit changed it. Empty for a picture without graphic.
std::vector<std::uint8_t> PictureSnapshot(const TPicture& picture);

}  // namespace pictor
