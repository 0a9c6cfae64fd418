// Playing WMF metafiles: figures, mapping, state, objects, bitmaps and clipping.
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
using testing::LoadBytes;
using testing::WhiteBitmap;
using testing::WmfBuilder;

constexpr int kNullPen = 5;

// Plays the metafile onto a white bitmap of the format and size, into (0, 0, w, h)
// unless a rectangle is given.
std::unique_ptr<TBitmap> Play(const Bytes& bytes, int w, int h,
                              TPixelFormat format = pf24bit, TRect rect = {}) {
  TMetafile m;
  LoadBytes(m, bytes);
  auto b = WhiteBitmap(format, w, h);
  if (rect.IsEmpty()) rect = TRect{0, 0, w, h};
  m.DrawInto(*b->Canvas(), rect);
  return b;
}

// A placeable file in pixels (96 units per inch) with a red brush selected.
WmfBuilder RedBrush(bool nullPen = false) {
  WmfBuilder w;
  w.CreateBrush(0, clRed).SelectObject(0);
  if (nullPen) w.CreatePen(kNullPen, 0, clBlack).SelectObject(1);
  return w;
}

class WmfFormats : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(WmfFormats, RectangleAtOneToOneIsTheCanvasRectangle) {
  auto b = Play(RedBrush().Rectangle(5, 5, 15, 10).Build(96, 0, 0, 40, 30), 40, 30, GetParam());
  TCanvas& c = *b->Canvas();
  EXPECT_EQ(c.Pixels(5, 5), clBlack);
  EXPECT_EQ(c.Pixels(14, 9), clBlack);
  EXPECT_EQ(c.Pixels(15, 9), clWhite);
  EXPECT_EQ(c.Pixels(14, 10), clWhite);
  EXPECT_EQ(c.Pixels(6, 6), clRed);
  EXPECT_EQ(c.Pixels(13, 8), clRed);
  EXPECT_EQ(Count(*b, clBlack), 2 * 10 + 2 * 3);
  EXPECT_EQ(Count(*b, clRed), 8 * 3);
}

TEST_P(WmfFormats, LinesLeaveOutTheirEndPixel) {
  auto b = Play(WmfBuilder().MoveTo(2, 2).LineTo(12, 2).LineTo(12, 7).Build(96, 0, 0, 20, 10),
                20, 10, GetParam());
  EXPECT_EQ(Count(*b, clBlack), 10 + 5);
  EXPECT_EQ(b->Canvas()->Pixels(2, 2), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(12, 6), clBlack);
  EXPECT_EQ(b->Canvas()->Pixels(12, 7), clWhite);
}

TEST_P(WmfFormats, PolygonFillsThePixelsWhoseCentresAreInside) {
  auto b = Play(RedBrush(true).Polygon({20, 5, 30, 5, 30, 15, 20, 15}).Build(96, 0, 0, 40, 20),
                40, 20, GetParam());
  EXPECT_EQ(Count(*b, clRed), 100);
  EXPECT_EQ(b->Canvas()->Pixels(20, 5), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(29, 14), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(30, 14), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Formats, WmfFormats, ::testing::Values(pf24bit, pf4bit));

TEST(WmfDraw, PolylineAndPolyPolygon) {
  Bytes pp;
  testing::Put16(pp, 2);
  testing::Put16(pp, 4);
  testing::Put16(pp, 4);
  for (int v : {0, 0, 10, 0, 10, 10, 0, 10, 20, 0, 30, 0, 30, 5, 20, 5}) testing::Put16(pp, v);
  auto b = Play(RedBrush(true).Raw(0x0538, pp).Build(96, 0, 0, 40, 20), 40, 20);
  EXPECT_EQ(Count(*b, clRed), 100 + 50);
  auto l = Play(WmfBuilder().Polyline({0, 0, 5, 0, 5, 5}).Build(96, 0, 0, 10, 10), 10, 10);
  EXPECT_EQ(Count(*l, clBlack), 10);
}

TEST(WmfDraw, PlaceableBoxScalesByUnitsPerInch) {
  // 720 twips are half an inch: 48 pixels.
  const Bytes file = RedBrush(true).Rectangle(0, 0, 720, 720).Build(1440, 0, 0, 1440, 720);
  auto b = Play(file, 96, 48);
  EXPECT_EQ(Count(*b, clRed), 48 * 48);
  EXPECT_EQ(b->Canvas()->Pixels(47, 47), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(48, 47), clWhite);
  // Drawn into a rectangle twice the size.
  auto big = Play(file, 192, 96);
  EXPECT_EQ(Count(*big, clRed), 96 * 96);
}

TEST(WmfDraw, BoxOriginMapsToTheRectangleCorner) {
  const Bytes file = RedBrush(true).Rectangle(100, 200, 110, 205).Build(96, 100, 200, 120, 210);
  auto b = Play(file, 40, 30, pf24bit, TRect{5, 7, 25, 17});
  EXPECT_EQ(Count(*b, clRed), 50);
  EXPECT_EQ(b->Canvas()->Pixels(5, 7), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(14, 11), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(15, 11), clWhite);
}

TEST(WmfDraw, AnisotropicWindowMapsOntoThePicture) {
  const Bytes file = RedBrush(true)
                         .SetMapMode(8)
                         .SetWindowOrg(0, 0)
                         .SetWindowExt(1000, 1000)
                         .Rectangle(100, 100, 500, 300)
                         .Build(96, 0, 0, 100, 100);
  auto b = Play(file, 100, 100);
  EXPECT_EQ(Count(*b, clRed), 40 * 20);
  EXPECT_EQ(b->Canvas()->Pixels(10, 10), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(49, 29), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(50, 29), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(9, 10), clWhite);
}

TEST(WmfDraw, IsotropicKeepsTheAspect) {
  const Bytes file = RedBrush(true)
                         .SetMapMode(7)
                         .SetWindowExt(1000, 500)
                         .Rectangle(0, 0, 1000, 500)
                         .Build(96, 0, 0, 100, 100);
  auto b = Play(file, 100, 100);
  EXPECT_EQ(Count(*b, clRed), 100 * 50);
  EXPECT_EQ(b->Canvas()->Pixels(99, 49), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(99, 50), clWhite);
}

TEST(WmfDraw, ViewportExtentScales) {
  const Bytes file = RedBrush(true)
                         .SetMapMode(8)
                         .SetWindowExt(10, 10)
                         .SetViewportExt(50, 50)
                         .SetViewportOrg(10, 0)
                         .Rectangle(0, 0, 10, 10)
                         .Build(96, 0, 0, 100, 100);
  auto b = Play(file, 100, 100);
  EXPECT_EQ(Count(*b, clRed), 50 * 50);
  EXPECT_EQ(b->Canvas()->Pixels(10, 0), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(9, 0), clWhite);
}

TEST(WmfDraw, FixedMapModesUseTheBoxUnitsAndPointUp) {
  // Twips at 96 units per inch: 15 twips a pixel, y upwards from the window
  // origin, which sits at the top left; y = 0 is therefore the bottom edge.
  const Bytes file = RedBrush(true)
                         .SetMapMode(6)
                         .SetWindowOrg(0, 1500)
                         .Rectangle(0, 750, 1500, 0)
                         .Build(96, 0, 0, 100, 100);
  auto b = Play(file, 100, 100);
  EXPECT_EQ(Count(*b, clRed), 100 * 50);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(0, 99), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(0, 50), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(0, 49), clWhite);
}

TEST(WmfDraw, SaveAndRestoreState) {
  const Bytes file = WmfBuilder()
                         .CreatePen(kNullPen, 0, clBlack)
                         .SelectObject(0)
                         .CreateBrush(0, clRed)
                         .CreateBrush(0, clBlue)
                         .SelectObject(1)
                         .SaveDc()
                         .SelectObject(2)
                         .SaveDc()
                         .CreateBrush(0, clLime)
                         .SelectObject(3)
                         .Rectangle(0, 0, 10, 10)  // lime
                         .RestoreDc(-1)
                         .Rectangle(10, 0, 20, 10)  // blue
                         .RestoreDc(-1)
                         .Rectangle(20, 0, 30, 10)  // red
                         .RestoreDc(-1)             // nothing saved: ignored
                         .Rectangle(30, 0, 40, 10)  // still red
                         .Build(96, 0, 0, 40, 10);
  auto b = Play(file, 40, 10);
  EXPECT_EQ(b->Canvas()->Pixels(5, 5), clLime);
  EXPECT_EQ(b->Canvas()->Pixels(15, 5), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(25, 5), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(35, 5), clRed);
}

TEST(WmfDraw, RestoreToAnAbsoluteLevel) {
  const Bytes file = RedBrush(true)
                         .SaveDc()  // level 1: red
                         .CreateBrush(0, clBlue)
                         .SelectObject(2)
                         .SaveDc()  // level 2: blue
                         .SaveDc()  // level 3: blue
                         .RestoreDc(1)
                         .Rectangle(0, 0, 10, 10)
                         .Build(96, 0, 0, 10, 10);
  auto b = Play(file, 10, 10);
  EXPECT_EQ(Count(*b, clRed), 100);
}

TEST(WmfDraw, NewObjectsTakeTheLowestFreeSlot) {
  const Bytes file = WmfBuilder()
                         .CreatePen(kNullPen, 0, clBlack)  // 0
                         .CreateBrush(0, clRed)            // 1
                         .CreateBrush(0, clLime)           // 2
                         .SelectObject(0)
                         .DeleteObject(1)
                         .CreateBrush(0, clBlue)  // takes slot 1
                         .SelectObject(1)
                         .Rectangle(0, 0, 10, 10)
                         .SelectObject(5)    // empty slot: ignored
                         .SelectObject(999)  // beyond the table: ignored
                         .Rectangle(10, 0, 20, 10)
                         .DeleteObject(2)
                         .SelectObject(2)  // deleted: ignored
                         .Rectangle(20, 0, 30, 10)
                         .Build(96, 0, 0, 30, 10, 3);
  auto b = Play(file, 30, 10);
  EXPECT_EQ(Count(*b, clBlue), 300);
}

TEST(WmfDraw, FullObjectTableDropsNewObjects) {
  const Bytes file = WmfBuilder()
                         .CreatePen(kNullPen, 0, clBlack)
                         .CreateBrush(0, clRed)
                         .CreateBrush(0, clBlue)  // no slot left
                         .SelectObject(0)
                         .SelectObject(1)
                         .Rectangle(0, 0, 10, 10)
                         .Build(96, 0, 0, 10, 10, 2);
  auto b = Play(file, 10, 10);
  EXPECT_EQ(Count(*b, clRed), 100);
}

TEST(WmfDraw, PenWidthStyleAndColour) {
  const Bytes file = WmfBuilder()
                         .CreatePen(0, 3, clBlue)
                         .SelectObject(0)
                         .MoveTo(2, 10)
                         .LineTo(30, 10)
                         .Build(96, 0, 0, 40, 20);
  auto b = Play(file, 40, 20);
  EXPECT_EQ(b->Canvas()->Pixels(15, 9), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(15, 10), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(15, 11), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(15, 12), clWhite);
  // Scaled with the picture: drawn at twice the size the pen is 6 wide.
  auto big = Play(file, 80, 40);
  int rows = 0;
  for (int y = 0; y < 40; ++y) rows += big->Canvas()->Pixels(30, y) == clBlue;
  EXPECT_EQ(rows, 6);
  // A dotted pen leaves gaps.
  auto dots = Play(WmfBuilder().CreatePen(2, 0, clBlack).SelectObject(0).MoveTo(0, 1).LineTo(20, 1)
                       .Build(96, 0, 0, 20, 3),
                   20, 3);
  EXPECT_EQ(Count(*dots, clBlack), 10);
}

TEST(WmfDraw, NullBrushLeavesTheInside) {
  auto b = Play(WmfBuilder().CreateBrush(1, clRed).SelectObject(0).Rectangle(0, 0, 10, 10)
                    .Build(96, 0, 0, 10, 10),
                10, 10);
  EXPECT_EQ(Count(*b, clBlack), 36);
  EXPECT_EQ(Count(*b, clWhite), 64);
}

TEST(WmfDraw, HatchedBrushPaintsSolidInItsColour) {
  auto b = Play(RedBrush(true).CreateBrush(2, clBlue, 3).SelectObject(2).Rectangle(0, 0, 10, 10)
                    .Build(96, 0, 0, 10, 10),
                10, 10);
  EXPECT_EQ(Count(*b, clBlue), 100);
}

TEST(WmfDraw, EllipseArcAndPixel) {
  auto b = Play(RedBrush(true)
                    .Ellipse(0, 0, 20, 20)
                    .SetPixel(30, 5, clBlue)
                    .Record(0x081A, {0, 50, 20, 50, 20, 60, 0, 40})  // pie, bottom round to top: right half
                    .Build(96, 0, 0, 60, 20),
                60, 20);
  EXPECT_EQ(b->Canvas()->Pixels(10, 10), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
  EXPECT_EQ(b->Canvas()->Pixels(30, 5), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(55, 10), clRed);  // inside the pie
  EXPECT_EQ(b->Canvas()->Pixels(42, 10), clWhite);
}

TEST(WmfDraw, StretchDibCopiesTheBitmap) {
  const Bytes dib = testing::Dib24(2, 2, {clRed, clLime, clBlue, clYellow});
  auto b = Play(WmfBuilder().StretchDib(10, 10, 20, 20, 2, 2, dib).Build(96, 0, 0, 40, 40), 40, 40);
  EXPECT_EQ(b->Canvas()->Pixels(10, 10), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(19, 19), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(20, 10), clLime);
  EXPECT_EQ(b->Canvas()->Pixels(10, 20), clBlue);
  EXPECT_EQ(b->Canvas()->Pixels(29, 29), clYellow);
  EXPECT_EQ(b->Canvas()->Pixels(30, 29), clWhite);
  EXPECT_EQ(Count(*b, clRed), 100);
  // Other raster operations with a source are skipped.
  auto skipped = Play(WmfBuilder().StretchDib(10, 10, 20, 20, 2, 2, dib, 0x008800C6)
                          .Build(96, 0, 0, 40, 40),
                      40, 40);
  EXPECT_EQ(Count(*skipped, clWhite), 1600);
}

TEST(WmfDraw, DibBitBltWithAndWithoutBitmap) {
  const Bytes dib = testing::Dib24(2, 1, {clRed, clBlue});
  Bytes p;
  testing::Put32(p, 0x00CC0020);
  for (int v : {0, 0, 1, 2, 5, 3}) testing::Put16(p, v);  // srcY srcX h w y x
  p.insert(p.end(), dib.begin(), dib.end());
  auto b = Play(WmfBuilder().Raw(0x0940, p).Build(96, 0, 0, 10, 10), 10, 10);
  EXPECT_EQ(b->Canvas()->Pixels(3, 5), clRed);
  EXPECT_EQ(b->Canvas()->Pixels(4, 5), clBlue);
  EXPECT_EQ(Count(*b, clWhite), 98);
  // Without a bitmap: PATCOPY fills with the brush.
  auto fill = Play(RedBrush().Record(0x0940, {0x0021, 0x00F0, 0, 0, 0, 3, 4, 1, 2})
                       .Build(96, 0, 0, 10, 10),
                   10, 10);
  EXPECT_EQ(Count(*fill, clRed), 12);
  EXPECT_EQ(fill->Canvas()->Pixels(2, 1), clRed);
}

TEST(WmfDraw, ClipRectangles) {
  auto in = Play(RedBrush(true).IntersectClipRect(10, 10, 20, 20).Rectangle(0, 0, 40, 40)
                     .Build(96, 0, 0, 40, 40),
                 40, 40);
  EXPECT_EQ(Count(*in, clRed), 100);
  EXPECT_EQ(in->Canvas()->Pixels(10, 10), clRed);
  EXPECT_EQ(in->Canvas()->Pixels(20, 20), clWhite);
  auto out = Play(RedBrush(true).ExcludeClipRect(10, 10, 20, 20).Rectangle(0, 0, 30, 30)
                      .Build(96, 0, 0, 40, 40),
                  40, 40);
  EXPECT_EQ(Count(*out, clRed), 800);
  // Restoring the state restores the clip.
  auto restored = Play(RedBrush(true)
                           .SaveDc()
                           .IntersectClipRect(0, 0, 5, 5)
                           .RestoreDc(-1)
                           .Rectangle(0, 0, 10, 10)
                           .Build(96, 0, 0, 10, 10),
                       10, 10);
  EXPECT_EQ(Count(*restored, clRed), 100);
}

TEST(WmfDraw, ClipMeetsTheCanvasClipAndTheCanvasGetsItsStateBack) {
  TMetafile m;
  LoadBytes(m, RedBrush(true).IntersectClipRect(10, 10, 20, 20).Rectangle(0, 0, 40, 40)
                   .CreatePen(0, 4, clBlue).SelectObject(2).SetMapMode(8)
                   .Build(96, 0, 0, 40, 40));
  auto b = WhiteBitmap(pf24bit, 40, 40);
  TCanvas& c = *b->Canvas();
  SpanSet clip;
  clip.AddRect(TRect{0, 0, 15, 15});
  c.SetClipRegion(&clip);
  c.Pen.Color = clLime;
  c.Pen.Width = 2;
  c.Brush.Color = clYellow;
  c.Brush.Style = bsClear;
  c.Font.Height = -20;
  c.BkMode = TRANSPARENT;
  c.PolyFillMode = WINDING;
  c.PenPos = TPoint{3, 4};
  const TPen pen = c.Pen;
  const TBrush brush = c.Brush;
  const TFont font = c.Font;
  m.DrawInto(c, TRect{0, 0, 40, 40});
  EXPECT_EQ(Count(*b, clRed), 25);
  ASSERT_NE(c.ClipRegion(), nullptr);
  EXPECT_EQ(*c.ClipRegion(), clip);
  EXPECT_EQ(c.Pen.Color, pen.Color);
  EXPECT_EQ(c.Pen.Width, pen.Width);
  EXPECT_EQ(c.Pen.Style, pen.Style);
  EXPECT_EQ(c.Brush.Color, brush.Color);
  EXPECT_EQ(c.Brush.Style, brush.Style);
  EXPECT_EQ(c.Font, font);
  EXPECT_EQ(c.BkMode, TRANSPARENT);
  EXPECT_EQ(c.PolyFillMode, WINDING);
  EXPECT_EQ(c.PenPos, (TPoint{3, 4}));
}

TEST(WmfDraw, DrawingStaysInsideTheRectangle) {
  const Bytes file = RedBrush(true).Rectangle(-50, -50, 200, 200).Build(96, 0, 0, 10, 10);
  auto b = Play(file, 30, 30, pf24bit, TRect{10, 10, 20, 20});
  EXPECT_EQ(Count(*b, clRed), 100);
  EXPECT_EQ(b->Canvas()->Pixels(9, 10), clWhite);
}

TEST(WmfDraw, UnknownRecordsAreSkipped) {
  auto b = Play(RedBrush(true)
                    .Record(0x0999, {1, 2, 3})
                    .Record(0x0626, {15, 0})  // an escape
                    .Rectangle(0, 0, 10, 10)
                    .Build(96, 0, 0, 10, 10),
                10, 10);
  EXPECT_EQ(Count(*b, clRed), 100);
}

TEST(WmfDraw, PlainMetafileDrawsItsUnitsAsPixels) {
  // No placeable header, no window: drawn 1:1 from the rectangle's corner.
  TMetafile m;
  LoadBytes(m, RedBrush(true).Rectangle(2, 3, 6, 8).Build());
  auto b = WhiteBitmap(pf24bit, 20, 20);
  m.DrawInto(*b->Canvas(), TRect{10, 10, 10, 10});
  EXPECT_EQ(Count(*b, clRed), 20);
  EXPECT_EQ(b->Canvas()->Pixels(12, 13), clRed);
}

TEST(WmfDraw, PlainMetafileWithWindowScalesItsWindowToTheRectangle) {
  auto b = Play(RedBrush(true).SetMapMode(8).SetWindowOrg(0, 0).SetWindowExt(100, 50)
                    .Rectangle(0, 0, 50, 50).Build(),
                20, 10);
  EXPECT_EQ(Count(*b, clRed), 100);
  EXPECT_EQ(b->Canvas()->Pixels(9, 9), clRed);
}

}  // namespace
}  // namespace pictor
