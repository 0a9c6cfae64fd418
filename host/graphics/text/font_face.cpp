#include "host/graphics/text/font_face.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace pictor {
namespace {

// The widest sideways emboldening of a monochrome bitmap, in pixels.
constexpr int kMaxMonoSmear = 8;

FT_Fixed ToFixed(double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); }

// Collects the set bits of a 1-bit-per-pixel bitmap as runs, placed so that
// its top-left pixel lies at (left, -top) from the origin.
void AddRuns(const FT_Bitmap& bitmap, int left, int top, std::vector<GlyphRun>& runs) {
  const int pitch = std::abs(bitmap.pitch);
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * pitch;
    const int y = static_cast<int>(row) - top;
    int start = -1;
    for (unsigned col = 0; col <= bitmap.width; ++col) {
      const bool on = col < bitmap.width && (bits[col >> 3] & (0x80u >> (col & 7)));
      if (on && start < 0) start = static_cast<int>(col);
      if (!on && start >= 0) {
        runs.push_back(GlyphRun{y, left + start, left + static_cast<int>(col)});
        start = -1;
      }
    }
  }
}

}  // namespace

bool DrawsNothing(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
         (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF;
}

std::unique_ptr<FontFace> FontFace::Open(FT_Library library, const std::string& path, int index) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  return std::unique_ptr<FontFace>(new FontFace(face));
}

FontFace::~FontFace() { FT_Done_Face(face_); }

FaceDesignMetrics FontFace::DesignMetrics() const {
  FaceDesignMetrics m;
  m.unitsPerEm = face_->units_per_EM;
  m.ascent = face_->ascender;
  m.descent = -face_->descender;
  m.underlinePosition = face_->underline_position;
  m.underlineThickness = face_->underline_thickness;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  // The OS/2 clipping heights bound every glyph, so they make the cell.
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    m.ascent = os2->usWinAscent;
    m.descent = os2->usWinDescent;
  }
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    m.strikeOutPosition = os2->yStrikeoutPosition;
    m.strikeOutThickness = os2->yStrikeoutSize;
  } else {
    m.strikeOutPosition = m.unitsPerEm / 4;
    m.strikeOutThickness = std::max(m.underlineThickness, 1);
  }
  if (m.underlineThickness <= 0) m.underlineThickness = m.unitsPerEm / 20;
  if (m.underlinePosition == 0) m.underlinePosition = -m.unitsPerEm / 10;
  if (m.ascent + m.descent <= 0) {
    m.ascent = m.unitsPerEm * 4 / 5;
    m.descent = m.unitsPerEm / 5;
  }
  return m;
}

bool FontFace::SetEmPixels(double pixels) {
  const FT_F26Dot6 size = std::max<FT_F26Dot6>(64, std::lround(pixels * 64.0));
  return FT_Set_Char_Size(face_, 0, size, 72, 72) == 0;
}

bool FontFace::LoadOutline(char32_t c, const GlyphStyle& style, GlyphImage& image,
                           FT_Pos& strength) {
  const FT_UInt index = FT_Get_Char_Index(face_, c);
  // Outlines only: embedded bitmaps could be in colour and would not rotate.
  if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0) return false;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  FT_Pos advance = slot->advance.x;
  // Emboldening widens by whole pixels, sideways only: thinner strokes vanish
  // or blur in monochrome and vertical growth would push glyphs out of the cell.
  strength = style.embolden ? std::max<FT_Pos>(64, (face_->size->metrics.x_ppem / 16) * 64) : 0;
  const bool turned = style.orientation % 3600 != 0;
  advance += strength;
  if (strength && turned) {
    // A turned glyph grows its outline; both sides grow by half, so the left
    // edge is moved back to where it was.
    FT_Outline_EmboldenXY(&slot->outline, strength, 0);
    FT_Outline_Translate(&slot->outline, strength / 2, 0);
    strength = 0;
  }
  if (style.oblique) FT_GlyphSlot_Oblique(slot);
  image.advance = static_cast<int>((advance + 32) >> 6);
  if (turned) {
    const double angle = style.orientation * std::numbers::pi / 1800.0;
    const double cs = std::cos(angle), sn = std::sin(angle);
    FT_Matrix rotation{ToFixed(cs), ToFixed(-sn), ToFixed(sn), ToFixed(cs)};
    FT_Outline_Transform(&slot->outline, &rotation);
  }
  return true;
}

GlyphMetrics FontFace::Measure(char32_t c, const GlyphStyle& style) {
  GlyphMetrics metrics;
  GlyphImage image;
  FT_Pos strength = 0;
  if (!LoadOutline(c, style, image, strength)) return metrics;
  metrics.advance = image.advance;
  const FT_Outline& outline = face_->glyph->outline;
  if (outline.n_points == 0) return metrics;
  FT_BBox cbox;
  FT_Outline_Get_CBox(&outline, &cbox);
  // Whole pixels around the outline, one more on each side for the pixels
  // that dropout control may add, and the emboldening's smear to the right.
  auto floorPx = [](FT_Pos v) { return static_cast<int>(v >> 6); };
  auto ceilPx = [](FT_Pos v) { return static_cast<int>((v + 63) >> 6); };
  metrics.box = TRect{floorPx(cbox.xMin) - 1, -ceilPx(cbox.yMax) - 1,
                      ceilPx(cbox.xMax) + 1 + static_cast<int>(strength >> 6),
                      -floorPx(cbox.yMin) + 1};
  return metrics;
}

GlyphImage FontFace::Render(char32_t c, const GlyphStyle& style) {
  GlyphImage image;
  FT_Pos strength = 0;
  if (!LoadOutline(c, style, image, strength)) return image;
  FT_GlyphSlot slot = face_->glyph;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return image;
  if (slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return image;
  if (strength) {
    // An upright glyph is smeared rightwards on its pixels: every stem gains
    // exactly the strength, whatever sub-pixel position its edges had.
    if (FT_GlyphSlot_Own_Bitmap(slot) != 0 ||
        FT_Bitmap_Embolden(slot->library, &slot->bitmap, strength, 0) != 0)
      return image;
  }
  AddRuns(slot->bitmap, slot->bitmap_left, slot->bitmap_top, image.runs);
  return image;
}

GlyphImage FontFace::RenderPart(char32_t c, const GlyphStyle& style, const TRect& window) {
  GlyphImage image;
  FT_Pos strength = 0;
  if (window.IsEmpty() || !LoadOutline(c, style, image, strength)) return image;
  // The smear of an upright bold glyph reaches the window from pixels to its
  // left (at most eight, as for a whole monochrome bitmap).
  const int smear = std::min(static_cast<int>(strength >> 6), kMaxMonoSmear);
  const TRect area{window.Left - smear, window.Top, window.Right, window.Bottom};
  FT_Bitmap bitmap;
  FT_Bitmap_Init(&bitmap);
  bitmap.width = static_cast<unsigned>(area.Width());
  bitmap.rows = static_cast<unsigned>(area.Height());
  bitmap.pitch = (area.Width() + 7) / 8;
  bitmap.pixel_mode = FT_PIXEL_MODE_MONO;
  bitmap.num_grays = 2;
  std::vector<unsigned char> buffer(static_cast<std::size_t>(bitmap.pitch) * bitmap.rows);
  bitmap.buffer = buffer.data();
  // The bitmap's bottom-left corner is the origin of the outline's y-up space.
  FT_Outline& outline = face_->glyph->outline;
  FT_Outline_Translate(&outline, -static_cast<FT_Pos>(area.Left) * 64,
                       static_cast<FT_Pos>(area.Bottom) * 64);
  if (FT_Outline_Get_Bitmap(face_->glyph->library, &outline, &bitmap) != 0) return image;
  std::vector<GlyphRun> runs;
  AddRuns(bitmap, area.Left, -area.Top, runs);
  if (smear == 0) {
    image.runs = std::move(runs);
    return image;
  }
  for (const GlyphRun& run : runs) {
    const GlyphRun grown{run.y, std::max(run.x0, window.Left), std::min(run.x1 + smear, window.Right)};
    if (grown.x0 >= grown.x1) continue;
    if (!image.runs.empty() && image.runs.back().y == grown.y && image.runs.back().x1 >= grown.x0) {
      image.runs.back().x1 = std::max(image.runs.back().x1, grown.x1);
    } else {
      image.runs.push_back(grown);
    }
  }
  return image;
}

}  // namespace pictor
