// Button glyphs: loading them and showing them as Qt icons. Internal to the toolkit.
#pragma once

#include <string>

#include <QIcon>

#include "host/graphics/bitmap.h"

namespace pictor {

// Loads a glyph from a file or Qt resource path: BMP files through the
// graphics library (keeping format and palette), other images through Qt.
// Throws EFOpenError naming the path when it cannot be read.
void LoadGlyphBitmap(const std::string& path, TBitmap& glyph);

// The icon of a glyph of `count` pictures side by side (up, disabled, ...);
// the colour of the bottom-left pixel shows transparent.
QIcon GlyphIcon(const TBitmap& glyph, int count);
// Width of one picture of the glyph.
int GlyphWidth(const TBitmap& glyph, int count);

}  // namespace pictor
