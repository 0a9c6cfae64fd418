// One font file opened with FreeType at one size, rendering monochrome glyphs;
// and the measures every part of the font code shares: the size bounds, the
// characters that draw nothing and the text cell.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "host/graphics/geometry.h"

namespace pictor {

// Em sizes beyond this many pixels are drawn at this size.
inline constexpr int kMaxFontPixels = 4096;
// The em size of a font whose Height is 0.
inline constexpr int kDefaultFontPixels = 13;

// Control characters and invisible format marks: no glyph and no width.
bool DrawsNothing(char32_t c);

// Measures of a font in whole pixels. The text cell is Height() rows: ascent
// rows above the baseline, descent rows below it.
struct FontCellMetrics {
  int ascent = 0;
  int descent = 0;
  // Rows of the cell above the em square: Height() minus the em size.
  int internalLeading = 0;
  // Mean advance of lower-case text (letters and spaces weighted by how
  // often they occur in English).
  int aveCharWidth = 0;
  // The lines drawn for underline and strike-out: first row from the top of
  // the cell, and thickness in rows.
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeOutTop = 0;
  int strikeOutThickness = 1;
  int Height() const { return ascent + descent; }
};

// A row piece [x0, x1) of glyph pixels at row y, relative to the glyph's
// origin on the baseline (x to the right, y downwards).
struct GlyphRun {
  int y;
  int x0;
  int x1;
};

struct GlyphImage {
  std::vector<GlyphRun> runs;
  // Whole pixels the pen moves along the baseline after this glyph.
  int advance = 0;
};

// What a glyph takes without rendering it: its advance and the box its pixels
// can lie in, relative to its origin (x to the right, y downwards).
struct GlyphMetrics {
  int advance = 0;
  TRect box;  // empty: the glyph has no pixels
};

// How a glyph is drawn beyond its outline.
struct GlyphStyle {
  bool embolden = false;  // thicken stems: the face has no bold of its own
  bool oblique = false;   // slant: the face has no italic of its own
  int orientation = 0;    // counter-clockwise rotation, tenths of a degree
};

// Vertical measures of the face in font units.
struct FaceDesignMetrics {
  int unitsPerEm = 0;
  int ascent = 0;             // above the baseline, positive
  int descent = 0;            // below the baseline, positive
  int underlinePosition = 0;  // centre of the line, negative below the baseline
  int underlineThickness = 0;
  int strikeOutPosition = 0;  // centre of the line above the baseline
  int strikeOutThickness = 0;
};

class FontFace {
 public:
  // nullptr when the file cannot be opened as a scalable face.
  static std::unique_ptr<FontFace> Open(FT_Library library, const std::string& path, int index);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  FaceDesignMetrics DesignMetrics() const;
  // Sets the em size in pixels (fractions allowed).
  bool SetEmPixels(double pixels);
  bool HasGlyph(char32_t c) const { return FT_Get_Char_Index(face_, c) != 0; }
  // The glyph's advance and pixel box, from its outline (nothing is rendered).
  GlyphMetrics Measure(char32_t c, const GlyphStyle& style);
  // The glyph of the character (the face's missing-glyph box when it has none),
  // hinted and rendered without anti-aliasing.
  GlyphImage Render(char32_t c, const GlyphStyle& style);
  // The same glyph's pixels inside window (relative to its origin) only: the
  // work and memory follow the window, not the size of the glyph.
  GlyphImage RenderPart(char32_t c, const GlyphStyle& style, const TRect& window);

 private:
  explicit FontFace(FT_Face face) : face_(face) {}
  // Loads the outline with the style applied; false when there is none. The
  // strength is the sideways emboldening still to apply to an upright bitmap.
  bool LoadOutline(char32_t c, const GlyphStyle& style, GlyphImage& image, FT_Pos& strength);
  FT_Face face_;
};

}  // namespace pictor
