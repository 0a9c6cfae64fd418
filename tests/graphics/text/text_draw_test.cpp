// Drawing text: where the glyphs land, background modes, colours on every
// pixel format, clipping, and the underline and strike-out lines.
#include <climits>

#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Count;
using testing::Dump;
using testing::WhiteBitmap;

// The smallest rectangle holding every pixel of the colour (empty when none).
TRect InkBounds(TBitmap& b, TColor ink) {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Canvas()->Pixels(x, y) != ink) continue;
      r = TRect{std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                std::max(r.Bottom, y + 1)};
    }
  }
  return r.Right < r.Left ? TRect{} : r;
}

int CountInRect(TBitmap& b, TColor color, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += b.Canvas()->Pixels(x, y) == color;
  return n;
}

bool RowIsInk(TBitmap& b, int y, int x0, int x1, TColor ink) {
  for (int x = x0; x < x1; ++x)
    if (b.Canvas()->Pixels(x, y) != ink) return false;
  return true;
}

class TextOnFormat : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(TextOnFormat, TransparentTextPaintsOnlyGlyphPixelsInsideTheCell) {
  auto b = WhiteBitmap(GetParam(), 80, 24);
  TCanvas& c = *b->Canvas();
  c.BkMode = TRANSPARENT;
  c.Brush.Color = clBlack;  // must not be used
  c.TextOut(5, 4, "Hello");
  const TRect cell{5, 4, 5 + c.TextWidth("Hello"), 4 + c.TextHeight("Hello")};
  const int ink = Count(*b, clBlack);
  EXPECT_GT(ink, 20);
  EXPECT_EQ(CountInRect(*b, clBlack, cell), ink);
  EXPECT_EQ(Count(*b, clWhite) + ink, 80 * 24);  // no third colour anywhere
  EXPECT_GT(CountInRect(*b, clWhite, cell), ink);  // background between the strokes
}

TEST_P(TextOnFormat, GlyphsCoverTheSamePixelsOnEveryFormat) {
  auto reference = WhiteBitmap(pf24bit, 60, 20);
  auto b = WhiteBitmap(GetParam(), 60, 20);
  for (TBitmap* bitmap : {reference.get(), b.get()}) {
    TCanvas& c = *bitmap->Canvas();
    c.BkMode = TRANSPARENT;
    c.Font.Height = -15;
    c.TextOut(2, 1, "Ag\xE2\x82\xAC" "5");
  }
  EXPECT_EQ(Dump(*b), Dump(*reference));
}

TEST_P(TextOnFormat, EmptyTextAndControlCharactersDrawNothing) {
  auto b = WhiteBitmap(GetParam(), 30, 20);
  TCanvas& c = *b->Canvas();
  c.BkMode = OPAQUE;
  c.Brush.Color = clBlack;
  c.TextOut(2, 2, "");
  c.TextOut(2, 2, "\t\r\n\x01");
  EXPECT_EQ(Count(*b, clWhite), 30 * 20);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, TextOnFormat, ::testing::ValuesIn(testing::kAllFormats));

class TextOnColours : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(TextOnColours, OpaqueTextFillsExactlyTheCellWithTheBrushColour) {
  auto b = WhiteBitmap(GetParam(), 90, 30);
  TCanvas& c = *b->Canvas();
  c.BkMode = OPAQUE;
  c.Brush.Color = clRed;
  c.Brush.Style = bsClear;  // the cell is filled whatever the brush style
  c.Font.Color = clBlue;
  c.TextOut(7, 5, "Opaque");
  const TSize size = c.TextExtent("Opaque");
  const TRect cell{7, 5, 7 + size.cx, 5 + size.cy};
  EXPECT_EQ(InkBounds(*b, clRed), cell);
  const int red = Count(*b, clRed), blue = Count(*b, clBlue);
  EXPECT_GT(blue, 20);
  EXPECT_EQ(red + blue, size.cx * size.cy);
  EXPECT_EQ(CountInRect(*b, clRed, cell) + CountInRect(*b, clBlue, cell), size.cx * size.cy);
}

TEST_P(TextOnColours, TransparentTextKeepsTheBackground) {
  auto b = WhiteBitmap(GetParam(), 70, 24);
  TCanvas& c = *b->Canvas();
  c.Brush.Color = clBlue;
  c.FillRect(TRect{0, 0, 70, 24});
  c.BkMode = TRANSPARENT;
  c.Font.Color = clRed;
  c.TextOut(3, 3, "Keep");
  const int red = Count(*b, clRed);
  EXPECT_GT(red, 10);
  EXPECT_EQ(Count(*b, clBlue) + red, 70 * 24);
}

TEST_P(TextOnColours, AColourOffThePaletteBecomesTheNearestEntry) {
  auto b = WhiteBitmap(GetParam(), 40, 20);
  TCanvas& c = *b->Canvas();
  c.BkMode = TRANSPARENT;
  c.Font.Color = RGB(250, 6, 3);
  c.TextOut(1, 1, "Red");
  const TColor expected = GetParam() == pf24bit ? RGB(250, 6, 3) : clRed;
  EXPECT_GT(Count(*b, expected), 10);
  EXPECT_EQ(Count(*b, expected) + Count(*b, clWhite), 40 * 20);
}

INSTANTIATE_TEST_SUITE_P(ColourFormats, TextOnColours,
                         ::testing::Values(pf4bit, pf8bit, pf24bit));

class TextDraw : public ::testing::Test {
 protected:
  std::unique_ptr<TBitmap> bitmap = WhiteBitmap(pf24bit, 120, 60);
  TCanvas& canvas = *bitmap->Canvas();
  TextDraw() { canvas.BkMode = TRANSPARENT; }
};

TEST_F(TextDraw, TheCellTopLeftLandsAtTheGivenPoint) {
  const int ascent = canvas.TextMetrics().tmAscent;
  for (TPoint at : {TPoint{0, 0}, TPoint{13, 7}, TPoint{40, 30}}) {
    auto b = WhiteBitmap(pf24bit, 80, 60);
    b->Canvas()->BkMode = TRANSPARENT;
    b->Canvas()->TextOut(at.X, at.Y, "H");
    const TRect ink = InkBounds(*b, clBlack);
    EXPECT_GE(ink.Top, at.Y);
    EXPECT_GE(ink.Left, at.X);
    EXPECT_LE(ink.Left, at.X + 2);
    // "H" stands on the baseline, ascent rows below the top of the cell.
    EXPECT_EQ(ink.Bottom, at.Y + ascent) << at.X << "," << at.Y;
  }
}

TEST_F(TextDraw, TheDialogFaceDrawsAnHOfTheExpectedSize) {
  canvas.Font.Name = "MS Sans Serif";
  canvas.Font.Height = -11;
  canvas.TextOut(10, 10, "H");
  const TRect ink = InkBounds(*bitmap, clBlack);
  // Measured 8 rows by 6 columns.
  EXPECT_GE(ink.Bottom - ink.Top, 7);
  EXPECT_LE(ink.Bottom - ink.Top, 9);
  EXPECT_GE(ink.Right - ink.Left, 4);
  EXPECT_LE(ink.Right - ink.Left, 8);
  // Two stems joined by a bar: the middle column has a single inked row.
  const int middle = (ink.Left + ink.Right) / 2;
  EXPECT_EQ(CountInRect(*bitmap, clBlack, TRect{middle, ink.Top, middle + 1, ink.Bottom}), 1);
}

TEST_F(TextDraw, LargeTextHasOnlyTwoColours) {
  canvas.Font.Height = -40;
  canvas.Font.Color = RGB(200, 30, 60);
  canvas.Font.Style = {fsItalic};
  canvas.TextOut(2, 2, "Sg&@");
  const int ink = Count(*bitmap, RGB(200, 30, 60));
  EXPECT_GT(ink, 300);
  EXPECT_EQ(ink + Count(*bitmap, clWhite), 120 * 60);
}

TEST_F(TextDraw, BoldInksMoreThanRegular) {
  canvas.TextOut(2, 2, "Bold text");
  const int regular = Count(*bitmap, clBlack);
  auto bold = WhiteBitmap(pf24bit, 120, 60);
  bold->Canvas()->BkMode = TRANSPARENT;
  bold->Canvas()->Font.Style = {fsBold};
  bold->Canvas()->TextOut(2, 2, "Bold text");
  EXPECT_GT(Count(*bold, clBlack), regular * 5 / 4);
}

TEST_F(TextDraw, ItalicLeansToTheRight) {
  canvas.Font.Height = -30;
  canvas.Font.Style = {fsItalic};
  canvas.TextOut(10, 5, "l");
  const TRect ink = InkBounds(*bitmap, clBlack);
  auto firstInk = [&](int y) {
    for (int x = 0; x < bitmap->Width(); ++x)
      if (canvas.Pixels(x, y) == clBlack) return x;
    return -1;
  };
  EXPECT_GT(firstInk(ink.Top), firstInk(ink.Bottom - 1) + 2);
}

TEST_F(TextDraw, AClippingRegionLimitsTheText) {
  auto unclipped = WhiteBitmap(pf24bit, 120, 60);
  for (TBitmap* b : {bitmap.get(), unclipped.get()}) {
    TCanvas& c = *b->Canvas();
    c.BkMode = OPAQUE;
    c.Brush.Color = clYellow;
    c.Font.Height = -20;
  }
  HRGN clip = CreateRectRgn(10, 8, 40, 20);
  ASSERT_TRUE(SelectClipRgn(canvas.Handle(), clip));
  canvas.TextOut(5, 5, "Clipped");
  unclipped->Canvas()->TextOut(5, 5, "Clipped");
  const TRect inside{10, 8, 40, 20};
  EXPECT_EQ(Count(*bitmap, clWhite), 120 * 60 - 30 * 12);
  EXPECT_GT(CountInRect(*bitmap, clBlack, inside), 10);
  for (int y = inside.Top; y < inside.Bottom; ++y)
    for (int x = inside.Left; x < inside.Right; ++x)
      ASSERT_EQ(canvas.Pixels(x, y), unclipped->Canvas()->Pixels(x, y)) << x << "," << y;
  DeleteObject(clip);
}

TEST_F(TextDraw, UnderlineRunsTheWidthOfTheTextBelowTheBaseline) {
  const TTextMetric m = canvas.TextMetrics();
  const int width = canvas.TextWidth("under line");
  canvas.TextOut(4, 4, "under line");
  for (int y = 4; y < 4 + m.tmHeight; ++y) EXPECT_FALSE(RowIsInk(*bitmap, y, 4, 4 + width, clBlack));
  canvas.Font.Style = {fsUnderline};
  canvas.TextOut(4, 4, "under line");
  int rows = 0;
  for (int y = 4; y < 4 + m.tmHeight; ++y) {
    if (!RowIsInk(*bitmap, y, 4, 4 + width, clBlack)) continue;
    ++rows;
    EXPECT_GE(y, 4 + m.tmAscent);
    // No further than the text.
    EXPECT_EQ(canvas.Pixels(3, y), clWhite);
    EXPECT_EQ(canvas.Pixels(4 + width, y), clWhite);
  }
  EXPECT_GE(rows, 1);
}

TEST_F(TextDraw, StrikeOutCrossesTheLowerCaseLetters) {
  const TTextMetric m = canvas.TextMetrics();
  const int width = canvas.TextWidth("struck out");
  canvas.Font.Style = {fsStrikeOut};
  canvas.TextOut(4, 4, "struck out");
  int rows = 0;
  for (int y = 4; y < 4 + m.tmHeight; ++y) {
    if (!RowIsInk(*bitmap, y, 4, 4 + width, clBlack)) continue;
    ++rows;
    // Above the baseline, in the lower half of the ascent.
    EXPECT_LT(y, 4 + m.tmAscent);
    EXPECT_GT(y, 4 + m.tmAscent / 3);
  }
  EXPECT_GE(rows, 1);
}

TEST_F(TextDraw, TextOutLeavesThePenWhereItWas) {
  canvas.MoveTo(3, 9);
  canvas.TextOut(20, 20, "pen");
  EXPECT_EQ(canvas.PenPos, (TPoint{3, 9}));
}

TEST_F(TextDraw, AQuarterTurnRunsTheTextUpwardsFromThePoint) {
  canvas.BkMode = OPAQUE;
  canvas.Brush.Color = clYellow;
  canvas.Font.Orientation = 900;
  const TSize size = canvas.TextExtent("Up");
  canvas.TextOut(30, 50, "Up");
  // The cell turns about its top-left corner: it now lies above the point,
  // the top of the letters to the left.
  const TRect cell{30, 50 - size.cx, 30 + size.cy, 50};
  EXPECT_EQ(CountInRect(*bitmap, clYellow, cell) + CountInRect(*bitmap, clBlack, cell),
            size.cx * size.cy);
  EXPECT_EQ(Count(*bitmap, clWhite), 120 * 60 - size.cx * size.cy);
  EXPECT_GT(Count(*bitmap, clBlack), 10);
}

TEST_F(TextDraw, AHalfTurnPutsTheTextUpsideDownLeftOfThePoint) {
  canvas.Font.Orientation = 1800;
  const TSize size = canvas.TextExtent("Down");
  canvas.TextOut(80, 40, "Down");
  const TRect ink = InkBounds(*bitmap, clBlack);
  EXPECT_GE(ink.Left, 80 - size.cx - 1);
  EXPECT_LE(ink.Right, 81);
  EXPECT_GE(ink.Top, 40 - size.cy - 1);
  EXPECT_LE(ink.Bottom, 41);
  EXPECT_GT(Count(*bitmap, clBlack), 10);
}

TEST_F(TextDraw, TextFarOffTheBitmapDrawsNothing) {
  canvas.BkMode = OPAQUE;
  canvas.Brush.Color = clBlack;
  for (TPoint at : {TPoint{INT_MAX, 0}, TPoint{INT_MIN, 0}, TPoint{0, INT_MAX},
                    TPoint{INT_MIN, INT_MIN}, TPoint{-500, 10}, TPoint{10, 1000}}) {
    canvas.TextOut(at.X, at.Y, "Far away");
    canvas.Font.Orientation = 450;
    canvas.TextOut(at.X, at.Y, "Far away");
    canvas.Font.Orientation = 0;
  }
  EXPECT_EQ(Count(*bitmap, clWhite), 120 * 60);
}

TEST_F(TextDraw, AHugeFontIsDrawnAtTheLargestSize) {
  canvas.Font.Height = -1000000;
  // The middle of a full block thousands of pixels high covers the bitmap.
  canvas.TextOut(-100, -2000, "\u2588");
  EXPECT_EQ(Count(*bitmap, clBlack), 120 * 60);
}

}  // namespace
}  // namespace pictor
