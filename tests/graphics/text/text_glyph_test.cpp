// Glyphs of one face: matching a face file, monochrome rendering, and the
// emboldening, slanting and turning used when a face lacks a style.
#include <gtest/gtest.h>

#include <climits>

#include "host/graphics/text/font_face.h"
#include "host/graphics/text/font_match.h"

namespace pictor {
namespace {

struct Box {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

Box Bounds(const GlyphImage& glyph) {
  Box box;
  for (const GlyphRun& run : glyph.runs) {
    box.left = std::min(box.left, run.x0);
    box.right = std::max(box.right, run.x1);
    box.top = std::min(box.top, run.y);
    box.bottom = std::max(box.bottom, run.y + 1);
  }
  return box;
}

int Pixels(const GlyphImage& glyph) {
  int n = 0;
  for (const GlyphRun& run : glyph.runs) n += run.x1 - run.x0;
  return n;
}

class TextGlyph : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    FT_Init_FreeType(&library);
    matcher = new FontMatcher;
  }
  static void TearDownTestSuite() {
    delete matcher;
    FT_Done_FreeType(library);
  }
  // DejaVu Sans regular at the size, the face every installation has.
  std::unique_ptr<FontFace> OpenSans(double pixels) {
    std::optional<FontFile> file = matcher->Match("DejaVu Sans", false, false);
    if (!file) return nullptr;
    EXPECT_EQ(file->family, "DejaVu Sans");
    EXPECT_FALSE(file->bold);
    EXPECT_FALSE(file->italic);
    std::unique_ptr<FontFace> face = FontFace::Open(library, file->path, file->index);
    if (face) face->SetEmPixels(pixels);
    return face;
  }

  static FT_Library library;
  static FontMatcher* matcher;
};

FT_Library TextGlyph::library = nullptr;
FontMatcher* TextGlyph::matcher = nullptr;

TEST_F(TextGlyph, MatchingReportsRealStyles) {
  std::optional<FontFile> bold = matcher->Match("DejaVu Sans", true, false);
  ASSERT_TRUE(bold);
  EXPECT_TRUE(bold->bold);
  EXPECT_FALSE(bold->italic);
  std::optional<FontFile> italic = matcher->Match("DejaVu Sans", false, true);
  ASSERT_TRUE(italic);
  EXPECT_TRUE(italic->italic);
  EXPECT_NE(italic->path, bold->path);
}

TEST_F(TextGlyph, MatchingACharacterFindsAFontThatHasIt) {
  std::optional<FontFile> euro = matcher->MatchCovering("DejaVu Sans", false, false, 0x20AC);
  ASSERT_TRUE(euro);
  EXPECT_EQ(euro->family, "DejaVu Sans");  // the requested face has it
  EXPECT_FALSE(matcher->MatchCovering("DejaVu Sans", false, false, 0x10FFFD));
}

TEST_F(TextGlyph, RunsDescribeTheHOfAnElevenPixelFace) {
  std::unique_ptr<FontFace> face = OpenSans(11);
  ASSERT_TRUE(face);
  ASSERT_TRUE(face->HasGlyph(U'H'));
  const GlyphImage h = face->Render(U'H', GlyphStyle{});
  const Box box = Bounds(h);
  // Standing on the baseline (row 0 is the first row below it).
  EXPECT_EQ(box.bottom, 0);
  EXPECT_GE(box.Height(), 7);
  EXPECT_LE(box.Height(), 9);
  EXPECT_GT(h.advance, box.Width());
  // Two one-pixel stems on every row but the bar.
  int barRows = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    int pieces = 0, pixels = 0;
    for (const GlyphRun& run : h.runs) {
      if (run.y != y) continue;
      ++pieces;
      pixels += run.x1 - run.x0;
    }
    if (pieces == 1) {
      ++barRows;
      EXPECT_EQ(pixels, box.Width());
    } else {
      EXPECT_EQ(pieces, 2);
      EXPECT_EQ(pixels, 2);
    }
  }
  EXPECT_EQ(barRows, 1);
}

TEST_F(TextGlyph, EmboldeningWidensStemsByAWholePixel) {
  std::unique_ptr<FontFace> face = OpenSans(11);
  ASSERT_TRUE(face);
  const GlyphImage regular = face->Render(U'l', GlyphStyle{});
  const GlyphImage bold = face->Render(U'l', GlyphStyle{.embolden = true});
  EXPECT_EQ(bold.advance, regular.advance + 1);
  EXPECT_EQ(Bounds(bold).Width(), Bounds(regular).Width() + 1);
  EXPECT_EQ(Bounds(bold).left, Bounds(regular).left);
  EXPECT_EQ(Bounds(bold).Height(), Bounds(regular).Height());
  EXPECT_EQ(Pixels(bold), 2 * Pixels(regular));
}

TEST_F(TextGlyph, SlantingShiftsTheTopToTheRight) {
  std::unique_ptr<FontFace> face = OpenSans(30);
  ASSERT_TRUE(face);
  const GlyphImage upright = face->Render(U'l', GlyphStyle{});
  const GlyphImage slanted = face->Render(U'l', GlyphStyle{.oblique = true});
  EXPECT_EQ(slanted.advance, upright.advance);
  auto leftOfRow = [](const GlyphImage& g, int y) {
    int left = INT_MAX;
    for (const GlyphRun& run : g.runs)
      if (run.y == y) left = std::min(left, run.x0);
    return left;
  };
  const Box box = Bounds(slanted);
  EXPECT_GE(leftOfRow(slanted, box.top) - leftOfRow(slanted, box.bottom - 1), 3);
  const Box straight = Bounds(upright);
  EXPECT_EQ(leftOfRow(upright, straight.top), leftOfRow(upright, straight.bottom - 1));
}

TEST_F(TextGlyph, TurningAQuarterSwapsTheGlyphsSides) {
  std::unique_ptr<FontFace> face = OpenSans(20);
  ASSERT_TRUE(face);
  const GlyphImage flat = face->Render(U'L', GlyphStyle{});
  const GlyphImage turned = face->Render(U'L', GlyphStyle{.orientation = 900});
  const Box a = Bounds(flat), b = Bounds(turned);
  EXPECT_EQ(turned.advance, flat.advance);  // along the baseline, whatever its angle
  EXPECT_EQ(b.Width(), a.Height());
  EXPECT_EQ(b.Height(), a.Width());
  EXPECT_EQ(Pixels(turned), Pixels(flat));
  // Turned counter-clockwise the baseline points up: the glyph rises above its
  // origin, and its ascent lies left of the baseline, which its foot touches.
  EXPECT_EQ(b.right, 0);
  EXPECT_LE(b.bottom, 0);
}

TEST_F(TextGlyph, AMissingCharacterDrawsTheMissingGlyphBox) {
  std::unique_ptr<FontFace> face = OpenSans(16);
  ASSERT_TRUE(face);
  EXPECT_FALSE(face->HasGlyph(0x10FFFD));
  const GlyphImage box = face->Render(0x10FFFD, GlyphStyle{});
  EXPECT_GT(box.advance, 0);
  EXPECT_GT(Pixels(box), 10);
}

TEST_F(TextGlyph, APartOfAGlyphIsTheWholeGlyphCutToTheWindow) {
  std::unique_ptr<FontFace> face = OpenSans(300);
  ASSERT_TRUE(face);
  // Emboldening at this size smears wider than a monochrome bitmap allows.
  for (const GlyphStyle style : {GlyphStyle{}, GlyphStyle{.embolden = true},
                                 GlyphStyle{.oblique = true}, GlyphStyle{.orientation = 300}}) {
    const GlyphImage whole = face->Render(U'W', style);
    const GlyphMetrics metrics = face->Measure(U'W', style);
    EXPECT_EQ(metrics.advance, whole.advance);
    const Box box = Bounds(whole);
    EXPECT_LE(metrics.box.Left, box.left);
    EXPECT_LE(metrics.box.Top, box.top);
    EXPECT_GE(metrics.box.Right, box.right);
    EXPECT_GE(metrics.box.Bottom, box.bottom);
    // A window in the middle and one over the top-left corner.
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    std::size_t seen = 0;
    for (const TRect window : {TRect{cx - 40, cy - 25, cx + 40, cy + 25},
                               TRect{box.left - 5, box.top - 5, box.left + 40, box.top + 30}}) {
      std::vector<GlyphRun> expected;
      for (const GlyphRun& run : whole.runs) {
        if (run.y < window.Top || run.y >= window.Bottom) continue;
        const GlyphRun cut{run.y, std::max(run.x0, window.Left), std::min(run.x1, window.Right)};
        if (cut.x0 < cut.x1) expected.push_back(cut);
      }
      const GlyphImage part = face->RenderPart(U'W', style, window);
      seen += expected.size();
      ASSERT_EQ(part.runs.size(), expected.size());
      for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(part.runs[i].y, expected[i].y);
        EXPECT_EQ(part.runs[i].x0, expected[i].x0);
        EXPECT_EQ(part.runs[i].x1, expected[i].x1);
      }
    }
    EXPECT_GT(seen, 20u);
  }
}

}  // namespace
}  // namespace pictor
