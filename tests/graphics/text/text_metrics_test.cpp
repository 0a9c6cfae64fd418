// Measuring text: face matching, cell metrics, the meaning of Font.Height and
// string widths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "host/graphics/text/font_engine.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class TextMetrics : public ::testing::Test {
 protected:
  std::unique_ptr<TBitmap> bitmap = testing::WhiteBitmap(pf24bit, 8, 8);
  TCanvas& canvas = *bitmap->Canvas();
};

TEST_F(TextMetrics, TheClassicDialogFaceMapsToAnInstalledSans) {
  canvas.Font.Name = "MS Sans Serif";
  canvas.Font.Height = -11;
  const std::string family = MatchedFamily(canvas.Font);
  EXPECT_THAT(family, HasSubstr("Sans"));
  EXPECT_THAT(family, Not(HasSubstr("Mono")));
  EXPECT_THAT(family, Not(HasSubstr("Serif")));
}

TEST_F(TextMetrics, AnUnknownFaceFallsBackToASans) {
  canvas.Font.Name = "No Such Face At All";
  const std::string family = MatchedFamily(canvas.Font);
  EXPECT_THAT(family, HasSubstr("Sans"));
  EXPECT_THAT(family, Not(HasSubstr("Mono")));
}

TEST_F(TextMetrics, TheClassicDialogFaceHasASmallCell) {
  // Measured: 14 rows, 11 above the baseline and 3 below.
  const TTextMetric m = canvas.TextMetrics();
  EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
  EXPECT_GE(m.tmHeight, 12);
  EXPECT_LE(m.tmHeight, 16);
  EXPECT_GE(m.tmAscent, 9);
  EXPECT_GE(m.tmDescent, 2);
  EXPECT_LT(m.tmDescent, m.tmAscent);
  EXPECT_EQ(m.tmInternalLeading, m.tmHeight - 11);
  EXPECT_GE(m.tmAveCharWidth, 4);
  EXPECT_LE(m.tmAveCharWidth, 7);
}

TEST_F(TextMetrics, NegativeHeightIsTheEmSizeAndPositiveHeightTheCell) {
  canvas.Font.Height = -20;
  const TTextMetric em = canvas.TextMetrics();
  EXPECT_GT(em.tmHeight, 20);
  EXPECT_EQ(em.tmInternalLeading, em.tmHeight - 20);
  canvas.Font.Height = 20;
  const TTextMetric cell = canvas.TextMetrics();
  EXPECT_EQ(cell.tmHeight, 20);
  EXPECT_EQ(cell.tmAscent + cell.tmDescent, 20);
  EXPECT_GT(cell.tmDescent, 0);
  // The same cell holds a smaller em square, so the text gets narrower.
  canvas.Font.Height = -20;
  const int emWidth = canvas.TextWidth("Measure");
  canvas.Font.Height = 20;
  EXPECT_LT(canvas.TextWidth("Measure"), emWidth);
}

TEST_F(TextMetrics, ZeroHeightIsTheDefaultSize) {
  canvas.Font.Height = -kDefaultFontPixels;
  const TTextMetric expected = canvas.TextMetrics();
  const int width = canvas.TextWidth("Default");
  canvas.Font.Height = 0;
  const TTextMetric m = canvas.TextMetrics();
  EXPECT_EQ(m.tmHeight, expected.tmHeight);
  EXPECT_EQ(m.tmAscent, expected.tmAscent);
  EXPECT_EQ(canvas.TextWidth("Default"), width);
}

TEST_F(TextMetrics, CellGrowsWithTheFont) {
  const TTextMetric small = canvas.TextMetrics();
  const int smallWidth = canvas.TextWidth("Proportion");
  canvas.Font.Height = -22;
  const TTextMetric large = canvas.TextMetrics();
  EXPECT_GE(large.tmHeight, 2 * small.tmHeight - 3);
  EXPECT_LE(large.tmHeight, 2 * small.tmHeight + 3);
  EXPECT_GT(large.tmAveCharWidth, small.tmAveCharWidth);
  const int largeWidth = canvas.TextWidth("Proportion");
  EXPECT_GT(largeWidth * 10, smallWidth * 16);
  EXPECT_LT(largeWidth * 10, smallWidth * 24);
}

TEST_F(TextMetrics, WidthIsTheSumOfTheAdvances) {
  EXPECT_EQ(canvas.TextWidth(""), 0);
  const int h = canvas.TextWidth("H");
  EXPECT_GT(h, 3);
  EXPECT_LT(h, 12);
  EXPECT_EQ(canvas.TextWidth("HH"), 2 * h);
  int sum = 0;
  for (const char* c : {"H", "e", "l", "l", "o", ",", " ", "W", "i", "d", "e"})
    sum += canvas.TextWidth(c);
  EXPECT_EQ(canvas.TextWidth("Hello, Wide"), sum);
  EXPECT_GT(canvas.TextWidth(" "), 0);
  EXPECT_GT(canvas.TextWidth("W"), canvas.TextWidth("i"));
}

TEST_F(TextMetrics, HeightDoesNotDependOnTheText) {
  const int height = canvas.TextMetrics().tmHeight;
  EXPECT_EQ(canvas.TextHeight(""), height);
  EXPECT_EQ(canvas.TextHeight("x"), height);
  EXPECT_EQ(canvas.TextHeight("Hgjq|"), height);
  EXPECT_EQ(canvas.TextExtent("Extent"), (TSize{canvas.TextWidth("Extent"), height}));
}

TEST_F(TextMetrics, GetTextMetricsReportsTheCanvasFont) {
  canvas.Font.Height = -17;
  TTextMetric m;
  ASSERT_TRUE(GetTextMetrics(canvas.Handle(), m));
  const TTextMetric expected = canvas.TextMetrics();
  EXPECT_EQ(m.tmHeight, expected.tmHeight);
  EXPECT_EQ(m.tmAscent, expected.tmAscent);
  EXPECT_EQ(m.tmDescent, expected.tmDescent);
  EXPECT_EQ(m.tmInternalLeading, expected.tmInternalLeading);
  EXPECT_EQ(m.tmAveCharWidth, expected.tmAveCharWidth);
  EXPECT_EQ(m.tmInternalLeading, m.tmHeight - 17);
  EXPECT_FALSE(GetTextMetrics(nullptr, m));
}

TEST_F(TextMetrics, BoldIsWiderThanRegular) {
  const std::string_view text = "Hello World";
  const int regular = canvas.TextWidth(text);
  canvas.Font.Style = {fsBold};
  EXPECT_GT(canvas.TextWidth(text), regular);
  // Underline and strike-out change no measure.
  canvas.Font.Style = {fsUnderline, fsStrikeOut};
  EXPECT_EQ(canvas.TextWidth(text), regular);
}

TEST_F(TextMetrics, ControlCharactersTakeNoWidth) {
  EXPECT_EQ(canvas.TextWidth("\t\r\n\x01\x7F"), 0);
  EXPECT_EQ(canvas.TextWidth("a\tb\nc"), canvas.TextWidth("abc"));
  // Zero-width space, byte order mark and a soft hyphen.
  EXPECT_EQ(canvas.TextWidth("a\u200Bb\uFEFFc\u00AD"), canvas.TextWidth("abc"));
}

TEST_F(TextMetrics, ManyFontsInTurnKeepTheirOwnMeasures) {
  // More fonts than are kept ready: each must come back with the same widths.
  std::vector<int> widths;
  for (int round = 0; round < 2; ++round) {
    for (int size = 8; size < 28; size += 2) {
      canvas.Font.Height = -size;
      canvas.Font.Style = size % 4 == 0 ? TFontStyles{fsBold} : TFontStyles{};
      const int width = canvas.TextWidth("Cache me");
      if (round == 0) {
        widths.push_back(width);
      } else {
        EXPECT_EQ(width, widths[static_cast<std::size_t>(size - 8) / 2]) << size;
      }
    }
  }
  for (std::size_t i = 2; i < widths.size(); i += 2) EXPECT_GT(widths[i], widths[i - 2]);
}

TEST_F(TextMetrics, HugeAndTinyHeightsAreClamped) {
  canvas.Font.Height = -1;
  EXPECT_GE(canvas.TextHeight("x"), 1);
  canvas.Font.Height = -1000000;
  const TTextMetric m = canvas.TextMetrics();
  EXPECT_GE(m.tmHeight, kMaxFontPixels);
  EXPECT_LE(m.tmHeight, 2 * kMaxFontPixels);
  canvas.Font.Height = 1000000;
  EXPECT_LE(canvas.TextHeight("x"), kMaxFontPixels);
}

}  // namespace
}  // namespace pictor
