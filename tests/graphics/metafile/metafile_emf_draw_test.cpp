// Playing enhanced metafiles: the frame onto the rectangle, figures, paths,
// the world transform, clipping, bitmaps and text.
#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/metafile.h"
#include "tests/graphics/metafile/metafile_builder.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Bytes;
using testing::Count;
using testing::EmfBuilder;
using testing::LoadBytes;
using testing::WhiteBitmap;

constexpr int kNullPen = 5;
constexpr int kNullPenStock = static_cast<int>(0x80000008);

// A reference device of one pixel per millimetre and a frame of w x h of
// those pixels, played into (0, 0, w, h): logical units land 1:1.
std::unique_ptr<TBitmap> Play(const EmfBuilder& records, int w, int h,
                              TPixelFormat format = pf24bit) {
  TMetafile m;
  LoadBytes(m, records.Build(0, 0, w * 100 - 1, h * 100 - 1, 254, 254, 254, 254));
  auto b = WhiteBitmap(format, w, h);
  m.DrawInto(*b->Canvas(), TRect{0, 0, w, h});
  return b;
}

EmfBuilder RedBrush() {
  EmfBuilder e;
  e.CreateBrush(1, 0, clRed).SelectObject(1).SelectObject(kNullPenStock);
  return e;
}

class EmfFormats : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(EmfFormats, RectangleWithPenAndBrush) {
  EmfBuilder e;
  e.CreateBrush(1, 0, clRed).SelectObject(1).Rectangle(5, 5, 15, 10);
  auto b = Play(e, 40, 30, GetParam());
  TCanvas& c = *b->Canvas();
  EXPECT_EQ(c.Pixels(5, 5), clBlack);
  EXPECT_EQ(c.Pixels(14, 9), clBlack);
  EXPECT_EQ(c.Pixels(15, 9), clWhite);
  EXPECT_EQ(Count(*b, clRed), 8 * 3);
  EXPECT_EQ(Count(*b, clBlack), 2 * 10 + 2 * 3);
}

TEST_P(EmfFormats, Polygon16AndLines) {
  EmfBuilder e = RedBrush();
  e.Poly16(86, {2, 2, 12, 2, 12, 12, 2, 12});  // polygon, 16-bit points
  e.CreatePen(2, 0, 0, clBlue).SelectObject(2).MoveTo(20, 1).LineTo(30, 1);
  auto b = Play(e, 40, 20, GetParam());
  EXPECT_EQ(Count(*b, clRed), 100);
  EXPECT_EQ(Count(*b, clBlue), 10);
  EXPECT_EQ(b->Canvas()->Pixels(30, 1), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Formats, EmfFormats, ::testing::Values(pf24bit, pf8bit));

TEST(EmfDraw, FrameMapsOntoTheRectangle) {
  EmfBuilder e = RedBrush();
  e.Rectangle(0, 0, 10, 10);
  TMetafile m;
  // A 20 x 20 pixel frame drawn into a 40 x 40 rectangle: twice the size.
  LoadBytes(m, e.Build(0, 0, 1999, 1999, 254, 254, 254, 254));
  auto b = WhiteBitmap(pf24bit, 50, 50);
  m.DrawInto(*b->Canvas(), TRect{5, 5, 45, 45});
  EXPECT_EQ(Count(*b, clRed), 20 * 20);
  EXPECT_EQ(b->Canvas()->Pixels(5, 5), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(24, 24), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(25, 25), clWhite);
}

TEST(EmfDraw, PathsFillStrokeAndBoth) {
  auto path = [](std::uint32_t finish) {
    EmfBuilder e = RedBrush();
    e.CreatePen(2, 0, 0, clBlue).SelectObject(2);
    e.Record(59, {});  // begin path
    e.MoveTo(2, 2).LineTo(12, 2).LineTo(12, 12).LineTo(2, 12);
    e.Record(61, {});  // close figure
    e.Record(60, {});  // end path
    e.Record(finish, {0, 0, 20, 20});
    return e;
  };
  auto filled = Play(path(62), 20, 20);
  EXPECT_EQ(Count(*filled, clRed), 100);
  EXPECT_EQ(Count(*filled, clBlue), 0);
  auto stroked = Play(path(64), 20, 20);
  EXPECT_EQ(Count(*stroked, clRed), 0);
  EXPECT_EQ(Count(*stroked, clBlue), 40);
  auto both = Play(path(63), 20, 20);
  EXPECT_EQ(Count(*both, clBlue), 40);
  EXPECT_GT(Count(*both, clRed), 0);
}

TEST(EmfDraw, WorldTransformMovesAndScales) {
  EmfBuilder e = RedBrush();
  e.SetWorldTransform(2, 0, 0, 2, 10, 5).Rectangle(0, 0, 5, 5);
  auto b = Play(e, 40, 30);
  EXPECT_EQ(Count(*b, clRed), 100);
  EXPECT_EQ(b->Canvas()->Pixels(10, 5), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(19, 14), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(20, 15), clWhite);
}

TEST(EmfDraw, ClipRectanglesAndSavedState) {
  EmfBuilder e = RedBrush();
  e.SaveDc().IntersectClipRect(0, 0, 5, 5).Rectangle(0, 0, 20, 20).RestoreDc(-1);
  e.ExcludeClipRect(0, 0, 10, 20).CreateBrush(3, 0, clBlue).SelectObject(3).Rectangle(0, 0, 20, 20);
  auto b = Play(e, 20, 20);
  EXPECT_EQ(Count(*b, clRed), 25);
  EXPECT_EQ(Count(*b, clBlue), 10 * 20);
  EXPECT_EQ(b->Canvas()->Pixels(9, 10), clWhite);
}

TEST(EmfDraw, StretchDiBitsScalesTheBitmap) {
  const Bytes dib = testing::Dib24(2, 2, {clRed, clLime, clBlue, clYellow});
  EmfBuilder e;
  e.StretchDiBits(4, 4, 8, 8, 2, 2, dib);
  auto b = Play(e, 20, 20);
  EXPECT_EQ(Count(*b, clRed) + Count(*b, clLime) + Count(*b, clBlue) + Count(*b, clYellow), 64);
  EXPECT_EQ(Count(*b, clRed), 16);
  EXPECT_EQ(b->Canvas()->Pixels(3, 4), clWhite);
}

TEST(EmfDraw, TextIsDrawnInTheTextColour) {
  EmfBuilder e;
  e.Record(24, {clBlue});  // text colour
  e.Record(18, {1});       // transparent background
  e.ExtTextOutW(4, 4, u"Hi");
  auto b = Play(e, 40, 30);
  EXPECT_GT(Count(*b, clBlue), 10);
  EXPECT_EQ(Count(*b, clBlue) + Count(*b, clWhite), 40 * 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (b->Canvas()->Pixels(x, y) == clBlue) {
        EXPECT_GE(x, 4);
        EXPECT_GE(y, 4);
      }
}

TEST(EmfDraw, UnknownRecordsAreSkippedAndNullPenOutlinesNothing) {
  EmfBuilder e;
  e.CreateBrush(1, 0, clRed).SelectObject(1).CreatePen(2, kNullPen, 0, clBlack).SelectObject(2);
  e.Record(999, {1, 2, 3}).Rectangle(0, 0, 10, 10);
  auto b = Play(e, 10, 10);
  EXPECT_EQ(Count(*b, clRed), 100);
}

}  // namespace
}  // namespace pictor
