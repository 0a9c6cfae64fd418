// Laying out text in a TFont: cell metrics, glyph images and where they go.
//
// All process-wide font state (the FreeType library, the fontconfig
// configuration, opened faces and rendered glyphs) belongs to one engine object
// that only font_engine.cpp reaches, through a single accessor. It is made on
// first use, guarded by a mutex so canvases on several threads may share it,
// and released at exit. It keeps the last few fonts used, each with the glyphs
// it has rendered, so redrawing a short line costs little more than copying
// its pixels. Laying text out measures glyphs without rendering them; only
// the glyphs that meet the area being painted are rendered, and a large one
// only where it meets that area.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/graphics/font.h"
#include "host/graphics/text/font_face.h"
#include "host/graphics/geometry.h"

namespace pictor {

struct PlacedGlyph {
  char32_t c;
  // The glyph's origin on the baseline, from the top-left of the text cell;
  // already rotated by the font's orientation.
  TPoint origin;
  // Where its pixels can lie, from the top-left of the text cell.
  TRect box;
};

struct TextLayout {
  FontCellMetrics metrics;
  // Sum of the advances along the baseline (no kerning).
  int width = 0;
  // Glyphs with pixels, in text order.
  std::vector<PlacedGlyph> glyphs;
};

// Receives a row piece [x0, x1) of glyph pixels on row y.
using GlyphSpanFn = std::function<void(int y, int x0, int x1)>;

FontCellMetrics MeasureFont(const TFont& font);
int MeasureText(const TFont& font, std::u32string_view text);
TextLayout LayOutText(const TFont& font, std::u32string_view text);
// Hands the pixels of the layout's glyphs that lie in area (from the top-left
// of the text cell) to span, in the same coordinates; pieces may reach
// beyond area. Glyphs outside area are not rendered.
void PaintGlyphs(const TFont& font, const TextLayout& layout, const TRect& area,
                 const GlyphSpanFn& span);
// The installed family the font's face name was matched to ("" when none).
std::string MatchedFamily(const TFont& font);

// Text is laid out up to this width; characters beyond it are dropped.
inline constexpr int kMaxTextWidth = 1 << 28;

}  // namespace pictor
