// Text beyond ASCII: other scripts, characters the face lacks, and bytes that
// are not UTF-8.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include "host/graphics/canvas.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Count;
using testing::Dump;
using testing::WhiteBitmap;

// Whether any installed font has the character (asked of fontconfig directly).
bool InstalledFontHas(char32_t c) {
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* chars = FcCharSetCreate();
  FcCharSetAddChar(chars, c);
  FcPatternAddCharSet(pattern, FC_CHARSET, chars);
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  const bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcCharSetDestroy(chars);
  FcPatternDestroy(pattern);
  return found;
}

class TextUnicode : public ::testing::Test {
 protected:
  // Draws the text black on white and returns the pixels.
  std::vector<std::string> Draw(std::string_view text) {
    auto b = WhiteBitmap(pf24bit, 60, 30);
    TCanvas& c = *b->Canvas();
    c.Font = font;
    c.BkMode = TRANSPARENT;
    c.TextOut(2, 2, text);
    ink = Count(*b, clBlack);
    width = c.TextWidth(text);
    return Dump(*b);
  }

  TFont font;
  int ink = 0;
  int width = 0;
};

TEST_F(TextUnicode, CyrillicAndTheEuroSignDraw) {
  font.Height = -15;
  for (const char* text : {"\xD0\x96", "\xE2\x82\xAC", "\xD0\xAF\xD0\xB7"}) {
    Draw(text);
    EXPECT_GT(ink, 10) << text;
    EXPECT_GT(width, 4) << text;
  }
  const std::vector<std::string> zhe = Draw("\xD0\x96");
  EXPECT_NE(zhe, Draw("\xE2\x82\xAC"));
  EXPECT_NE(zhe, Draw("X"));
}

TEST_F(TextUnicode, ACharacterTheFaceLacksComesFromAnotherInstalledFont) {
  font.Name = "DejaVu Sans";
  font.Height = -16;
  // A private-use character no font draws shows the missing-glyph box.
  const std::vector<std::string> missing = Draw("\xF4\x8F\xBF\xBD");
  const char* han = "\xE4\xB8\xAD";  // U+4E2D
  const std::vector<std::string> pixels = Draw(han);
  EXPECT_GT(ink, 10);
  EXPECT_GT(width, 0);
  if (!InstalledFontHas(0x4E2D)) GTEST_SKIP() << "no installed font has U+4E2D";
  EXPECT_NE(pixels, missing);
  // A wide character: about an em across.
  EXPECT_GE(width, 14);
  EXPECT_LE(width, 18);
}

TEST_F(TextUnicode, MixedScriptsMeasureAsTheSumOfTheirCharacters) {
  const char* parts[] = {"A", "\xD0\x96", "\xE2\x82\xAC", "\xE4\xB8\xAD", "\xCE\xA9", "z"};
  std::string text;
  int sum = 0;
  for (const char* part : parts) {
    text += part;
    Draw(part);
    sum += width;
  }
  Draw(text);
  EXPECT_EQ(width, sum);
}

TEST_F(TextUnicode, InvalidBytesDrawTheReplacementCharacter) {
  const std::vector<std::string> replacement = Draw("\xEF\xBF\xBD");
  const int replacementWidth = width;
  EXPECT_GT(ink, 0);
  EXPECT_EQ(Draw("\xFF"), replacement);
  EXPECT_EQ(Draw("\xE2\x82"), replacement);
  EXPECT_EQ(Draw("\xC0"), replacement);
  EXPECT_EQ(width, replacementWidth);
  Draw("\xFF\xFE\x80\xED\xA0\x80");
  EXPECT_EQ(width, 6 * replacementWidth);
}

TEST_F(TextUnicode, ArbitraryBytesNeverBreakDrawing) {
  // Every byte value, alone and in runs, in several styles and turns.
  std::string all;
  for (int i = 255; i >= 0; --i) all += static_cast<char>(i);
  auto b = WhiteBitmap(pf8bit, 200, 100);
  TCanvas& c = *b->Canvas();
  for (int orientation : {0, 300, 2700}) {
    c.Font.Orientation = orientation;
    c.Font.Style = orientation ? TFontStyles{fsBold, fsItalic, fsUnderline} : TFontStyles{};
    for (std::size_t i = 0; i + 3 <= all.size(); i += 3) c.TextOut(50, 50, all.substr(i, 3));
    c.TextOut(-1000, 50, all);
    EXPECT_GT(c.TextWidth(all), 0);
  }
}

TEST_F(TextUnicode, CharactersOutsideTheBasicPlaneKeepTheirWholeValue) {
  const std::vector<std::string> bold = Draw("\xF0\x9D\x90\x80");  // U+1D400
  EXPECT_GT(width, 0);
  if (!InstalledFontHas(0x1D400)) GTEST_SKIP() << "no installed font has U+1D400";
  EXPECT_NE(bold, Draw("\xF4\x8F\xBF\xBD"));  // U+10FFFD, which no font has
  EXPECT_NE(bold, Draw("\xED\x90\x80"));  // U+D400: the value cut to 16 bits
}

}  // namespace
}  // namespace pictor
