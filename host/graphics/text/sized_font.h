// A font at one size and style: its matched face, the fallback faces found for
// characters that face lacks, its cell metrics, and the glyphs measured and
// rendered so far (kept up to a number of bytes, then started over).
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/graphics/font.h"
#include "host/graphics/text/font_face.h"
#include "host/graphics/text/font_match.h"

namespace pictor {

// What selects a SizedFont: everything of a TFont that changes glyph shapes.
struct FontKey {
  std::string name;
  int height = 0;
  bool bold = false;
  bool italic = false;
  int orientation = 0;  // tenths of a degree, 0..3599
  friend bool operator==(const FontKey&, const FontKey&) = default;
};

FontKey MakeFontKey(const TFont& font);

class SizedFont {
 public:
  // Matches and opens the face; a font with no face at all draws nothing.
  SizedFont(FT_Library library, const FontMatcher& matcher, FontKey key);

  const FontKey& Key() const { return key_; }
  const FontCellMetrics& Metrics() const { return metrics_; }
  const std::string& Family() const { return family_; }
  // The character's glyph measures, from the first face that has it, else
  // from a fallback face fontconfig finds for it, else the missing-glyph box.
  GlyphMetrics Measure(char32_t c);
  // The glyph's pixels: all of them for a glyph small enough to keep (kept),
  // else only those inside window (relative to the origin; not kept).
  std::shared_ptr<const std::vector<GlyphRun>> Pixels(char32_t c, const TRect& window);

 private:
  struct Face {
    FontFile file;
    std::unique_ptr<FontFace> face;
    GlyphStyle style;
  };
  struct Glyph {
    GlyphMetrics metrics;
    int face = -1;  // index into faces_; -1: draws nothing
    std::shared_ptr<const std::vector<GlyphRun>> runs;  // null until rendered
  };
  Face* AddFace(const FontFile& file);
  int FaceFor(char32_t c);
  const Glyph& Find(char32_t c);
  // Counts bytes into the glyph cache, emptying it first when they would not fit.
  void Charge(std::size_t bytes);
  void ComputeMetrics(const FaceDesignMetrics& design);

  FT_Library library_;
  const FontMatcher& matcher_;
  FontKey key_;
  double emPixels_ = kDefaultFontPixels;
  std::string family_;
  FontCellMetrics metrics_;
  std::vector<Face> faces_;  // the matched face first, then fallbacks
  int fallbackLookups_ = 0;
  std::unordered_map<char32_t, Glyph> glyphs_;
  std::size_t glyphBytes_ = 0;
};

}  // namespace pictor
