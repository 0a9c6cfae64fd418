#include "host/graphics/text/sized_font.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace pictor {
namespace {

// Bytes of glyphs kept per font before the cache starts over; fallback faces
// opened, and fontconfig searches for characters no open face has.
constexpr std::size_t kMaxGlyphBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxFaces = 16;
constexpr int kMaxFallbackLookups = 64;
// Glyphs up to this many pixels a side are rendered whole and kept; larger
// ones are rendered where they are seen, each time.
constexpr int kMaxKeptGlyphSide = 256;
// What one cache entry costs beyond its pixels (the entry and its hash node).
constexpr std::size_t kGlyphEntryBytes = 96;

// How often lower-case letters and the space occur in English text, per
// thousand characters: the weights of the average character width.
constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int kSpaceWeight = 166;

int CeilPixels(double v) { return static_cast<int>(std::ceil(v - 1e-6)); }

}  // namespace

FontKey MakeFontKey(const TFont& font) {
  FontKey key;
  key.name = font.Name;
  key.height = font.Height;
  key.bold = font.Style.Contains(fsBold);
  key.italic = font.Style.Contains(fsItalic);
  key.orientation = ((font.Orientation % 3600) + 3600) % 3600;
  return key;
}

SizedFont::SizedFont(FT_Library library, const FontMatcher& matcher, FontKey key)
    : library_(library), matcher_(matcher), key_(std::move(key)) {
  std::optional<FontFile> file = matcher_.Match(key_.name, key_.bold, key_.italic);
  if (!file || !AddFace(*file)) file = matcher_.Match("sans-serif", key_.bold, key_.italic);
  if (faces_.empty() && file) AddFace(*file);
  FaceDesignMetrics design;
  if (!faces_.empty()) {
    family_ = faces_.front().file.family;
    design = faces_.front().face->DesignMetrics();
  } else {
    design.unitsPerEm = 1000;
    design.ascent = 800;
    design.descent = 200;
    design.strikeOutPosition = 250;
    design.underlinePosition = -100;
    design.underlineThickness = design.strikeOutThickness = 50;
  }
  ComputeMetrics(design);
  for (Face& face : faces_) face.face->SetEmPixels(emPixels_);
  double weighted = kSpaceWeight * Measure(U' ').advance;
  for (int i = 0; i < 26; ++i) weighted += kLetterWeights[i] * Measure(U'a' + i).advance;
  metrics_.aveCharWidth = static_cast<int>(std::lround(weighted / 1000.0));
}

void SizedFont::ComputeMetrics(const FaceDesignMetrics& d) {
  const int total = d.ascent + d.descent;
  const int height = std::clamp(std::abs(key_.height), 1, kMaxFontPixels);
  FontCellMetrics& m = metrics_;
  if (key_.height > 0) {
    // The cell is exactly Height rows; the em square is scaled to fit.
    emPixels_ = static_cast<double>(height) * d.unitsPerEm / total;
    m.ascent = static_cast<int>(std::lround(d.ascent * emPixels_ / d.unitsPerEm));
    m.ascent = std::clamp(m.ascent, 0, height);
    m.descent = height - m.ascent;
  } else {
    emPixels_ = key_.height < 0 ? height : kDefaultFontPixels;
    m.ascent = CeilPixels(d.ascent * emPixels_ / d.unitsPerEm);
    m.descent = CeilPixels(d.descent * emPixels_ / d.unitsPerEm);
  }
  const double scale = emPixels_ / d.unitsPerEm;
  m.internalLeading = std::max(0, m.Height() - static_cast<int>(std::lround(emPixels_)));
  const int cell = m.Height();
  auto place = [cell](int top, int thickness) { return std::clamp(top, 0, cell - thickness); };
  m.underlineThickness = std::max(1, static_cast<int>(std::lround(d.underlineThickness * scale)));
  m.underlineThickness = std::min(m.underlineThickness, std::max(cell, 1));
  m.underlineTop = place(m.ascent + static_cast<int>(std::lround(-d.underlinePosition * scale -
                                                                 m.underlineThickness / 2.0)),
                         m.underlineThickness);
  m.strikeOutThickness = std::max(1, static_cast<int>(std::lround(d.strikeOutThickness * scale)));
  m.strikeOutThickness = std::min(m.strikeOutThickness, std::max(cell, 1));
  m.strikeOutTop = place(m.ascent - static_cast<int>(std::lround(d.strikeOutPosition * scale +
                                                                 m.strikeOutThickness / 2.0)),
                         m.strikeOutThickness);
}

SizedFont::Face* SizedFont::AddFace(const FontFile& file) {
  if (faces_.size() >= kMaxFaces) return nullptr;
  std::unique_ptr<FontFace> face = FontFace::Open(library_, file.path, file.index);
  if (!face) return nullptr;
  if (!faces_.empty()) face->SetEmPixels(emPixels_);
  GlyphStyle style;
  style.embolden = key_.bold && !file.bold;
  style.oblique = key_.italic && !file.italic;
  style.orientation = key_.orientation;
  faces_.push_back(Face{file, std::move(face), style});
  return &faces_.back();
}

int SizedFont::FaceFor(char32_t c) {
  for (std::size_t i = 0; i < faces_.size(); ++i)
    if (faces_[i].face->HasGlyph(c)) return static_cast<int>(i);
  if (faces_.empty()) return -1;
  if (fallbackLookups_ >= kMaxFallbackLookups) return 0;
  ++fallbackLookups_;
  std::optional<FontFile> file = matcher_.MatchCovering(key_.name, key_.bold, key_.italic, c);
  const bool known = file && std::any_of(faces_.begin(), faces_.end(),
                                         [&](const Face& f) { return f.file == *file; });
  if (file && !known) {
    Face* added = AddFace(*file);
    if (added && added->face->HasGlyph(c)) return static_cast<int>(faces_.size()) - 1;
  }
  return 0;
}

void SizedFont::Charge(std::size_t bytes) {
  if (glyphBytes_ + bytes > kMaxGlyphBytes) {
    glyphs_.clear();
    glyphBytes_ = 0;
  }
  glyphBytes_ += bytes;
}

const SizedFont::Glyph& SizedFont::Find(char32_t c) {
  auto found = glyphs_.find(c);
  if (found != glyphs_.end()) return found->second;
  Glyph glyph;
  glyph.face = DrawsNothing(c) ? -1 : FaceFor(c);
  if (glyph.face >= 0) {
    Face& face = faces_[static_cast<std::size_t>(glyph.face)];
    glyph.metrics = face.face->Measure(c, face.style);
  }
  Charge(kGlyphEntryBytes);
  return glyphs_.emplace(c, std::move(glyph)).first->second;
}

GlyphMetrics SizedFont::Measure(char32_t c) { return Find(c).metrics; }

std::shared_ptr<const std::vector<GlyphRun>> SizedFont::Pixels(char32_t c, const TRect& window) {
  const Glyph found = Find(c);
  if (found.runs) return found.runs;
  const TRect& box = found.metrics.box;
  if (found.face < 0 || box.IsEmpty()) return std::make_shared<const std::vector<GlyphRun>>();
  Face& face = faces_[static_cast<std::size_t>(found.face)];
  if (box.Width() > kMaxKeptGlyphSide || box.Height() > kMaxKeptGlyphSide) {
    return std::make_shared<const std::vector<GlyphRun>>(
        face.face->RenderPart(c, face.style, IntersectRect(box, window)).runs);
  }
  auto runs = std::make_shared<const std::vector<GlyphRun>>(face.face->Render(c, face.style).runs);
  Charge(runs->capacity() * sizeof(GlyphRun));
  auto [kept, added] = glyphs_.try_emplace(c, found);
  if (added) glyphBytes_ += kGlyphEntryBytes;
  kept->second.runs = runs;
  return runs;
}

}  // namespace pictor
