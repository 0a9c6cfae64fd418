// Text records of metafiles: where the text cell goes for each alignment,
// the text and background colours and modes, and the font scaled with the picture.
#include <gtest/gtest.h>

#include <climits>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/metafile.h"
#include "tests/graphics/metafile/metafile_builder.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Bytes;
using testing::Count;
using testing::LoadBytes;
using testing::WhiteBitmap;
using testing::WmfBuilder;

struct Ink {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
};

// Where the pixels of the colour lie.
Ink InkOf(TBitmap& b, TColor color) {
  Ink ink;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas()->Pixels(x, y) == color) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
        ++ink.count;
      }
  return ink;
}

std::unique_ptr<TBitmap> Play(const Bytes& file, int w, int h) {
  TMetafile m;
  LoadBytes(m, file);
  auto b = WhiteBitmap(pf24bit, w, h);
  m.DrawInto(*b->Canvas(), TRect{0, 0, w, h});
  return b;
}

// Black text "HH" in a 20-pixel sans font, with the alignment and background mode.
WmfBuilder Text(int align, int bkMode, int x = 10, int y = 30) {
  WmfBuilder w;
  w.CreateFont(-20, 400, "DejaVu Sans").SelectObject(0);
  w.Record(0x0209, {0x0000, 0x0000});  // text colour black
  w.Record(0x0201, {0x00FF, 0x0000});  // background colour red
  w.Record(0x0102, {bkMode});
  w.Record(0x012E, {align});
  w.TextOut(x, y, "HH");
  return w;
}

TEST(MetafileText, TransparentTextPaintsOnlyGlyphsBelowAndRightOfItsPoint) {
  auto b = Play(Text(0, 1).Build(96, 0, 0, 100, 80), 100, 80);
  const Ink ink = InkOf(*b, clBlack);
  EXPECT_GT(ink.count, 40);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 30);
  EXPECT_LE(ink.bottom, 30 + 30);
  EXPECT_EQ(Count(*b, clRed), 0);
  EXPECT_EQ(ink.count + Count(*b, clWhite), 100 * 80);
}

TEST(MetafileText, OpaqueTextFillsItsCellWithTheBackgroundColour) {
  auto b = Play(Text(0, 2).Build(96, 0, 0, 100, 80), 100, 80);
  const Ink cell = InkOf(*b, clRed);
  EXPECT_EQ(cell.left, 10);
  EXPECT_EQ(cell.top, 30);
  const Ink ink = InkOf(*b, clBlack);
  EXPECT_GE(ink.left, cell.left);
  EXPECT_LE(ink.right, cell.right);
  EXPECT_LE(ink.bottom, cell.bottom);
}

TEST(MetafileText, AlignmentMovesTheCell) {
  const Ink top = InkOf(*Play(Text(0, 1).Build(96, 0, 0, 100, 80), 100, 80), clBlack);
  const Ink baseline = InkOf(*Play(Text(24, 1).Build(96, 0, 0, 100, 80), 100, 80), clBlack);
  const Ink bottom = InkOf(*Play(Text(8, 1).Build(96, 0, 0, 100, 80), 100, 80), clBlack);
  const Ink right = InkOf(*Play(Text(2, 1, 90).Build(96, 0, 0, 100, 80), 100, 80), clBlack);
  const Ink centre = InkOf(*Play(Text(6, 1, 50).Build(96, 0, 0, 100, 80), 100, 80), clBlack);
  // Capital letters sit on the baseline: it is the reference point.
  EXPECT_EQ(baseline.bottom, 30);
  EXPECT_LT(bottom.bottom, 30);
  EXPECT_GT(bottom.bottom, baseline.bottom - 10);
  EXPECT_EQ(top.top - baseline.top, top.bottom - baseline.bottom);
  EXPECT_LE(right.right, 90);
  EXPECT_GE(right.right, 86);
  EXPECT_NEAR((centre.left + centre.right) / 2.0, 50, 2);
}

TEST(MetafileText, FontScalesWithThePicture) {
  const Bytes file = Text(0, 1, 0, 0).Build(96, 0, 0, 100, 80);
  TMetafile m;
  LoadBytes(m, file);
  auto full = WhiteBitmap(pf24bit, 100, 80);
  m.DrawInto(*full->Canvas(), TRect{0, 0, 100, 80});
  auto half = WhiteBitmap(pf24bit, 50, 40);
  m.DrawInto(*half->Canvas(), TRect{0, 0, 50, 40});
  const Ink a = InkOf(*full, clBlack), b = InkOf(*half, clBlack);
  EXPECT_NEAR(b.bottom - b.top, (a.bottom - a.top) / 2.0, 1.5);
  EXPECT_NEAR(b.right - b.left, (a.right - a.left) / 2.0, 2);
}

}  // namespace
}  // namespace pictor
