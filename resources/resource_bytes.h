// The resource files (glyphs, pointers, pictures, the sample picture) as plain
// bytes, for code that does not use Qt. The paths are the Qt resource paths the
// form descriptions name, such as ":/glyphs/eraser1.bmp".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "host/graphics/bitmap.h"
#include "resources/embedded_table.h"

namespace pictor {

// Every compiled-in file, sorted by path.
std::span<const EmbeddedFile> ResourceFiles();

// The bytes of the file at path; an empty span when there is none.
std::span<const std::uint8_t> ResourceBytes(std::string_view path);

// Loads the bitmap file at path into bitmap. Throws EInvalidGraphic naming the
// path when there is no such resource; loading is all or nothing.
void LoadResourceBitmap(std::string_view path, TBitmap& bitmap);

// The resource path of the sample picture the stand-alone program opens.
inline constexpr std::string_view kSamplePicturePath = ":/sample/sample.bmp";

}  // namespace pictor
