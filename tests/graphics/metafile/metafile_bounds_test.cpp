// What a file declares beyond the target does not change what reaches it:
// boxes, paths and wide pens are cut to the target before they cost anything.
#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/metafile.h"
#include "tests/graphics/metafile/metafile_builder.h"
#include "tests/graphics/test_support.h"

namespace pictor {
namespace {

using testing::Count;
using testing::EmfBuilder;
using testing::LoadBytes;
using testing::WhiteBitmap;

constexpr int kOpaque = 2, kClipped = 4;

// One logical unit per target pixel, as in the other EMF tests.
std::unique_ptr<TBitmap> Play(const EmfBuilder& records, int w, int h) {
  TMetafile m;
  LoadBytes(m, records.Build(0, 0, w * 100 - 1, h * 100 - 1, 254, 254, 254, 254));
  auto b = WhiteBitmap(pf24bit, w, h);
  m.DrawInto(*b->Canvas(), TRect{0, 0, w, h});
  return b;
}

bool SamePixels(TBitmap& a, TBitmap& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y)) return false;
  return true;
}

TEST(MetafileBounds, AClippedTextBoxFarBeyondTheTargetDrawsAsTheBoxCutToIt) {
  auto text = [](int l, int t, int r, int b) {
    EmfBuilder e;
    e.Record(24, {clBlue}).Record(25, {clRed});  // text and background colours
    e.ExtTextOutW(4, 4, u"Hi there", kOpaque | kClipped, l, t, r, b);
    return e;
  };
  auto far = Play(text(-1000000000, -1000000000, 1000000000, 1000000000), 40, 30);
  auto cut = Play(text(0, 0, 40, 30), 40, 30);
  EXPECT_GT(Count(*far, clBlue), 10);
  EXPECT_EQ(Count(*far, clRed) + Count(*far, clBlue), 40 * 30);
  EXPECT_TRUE(SamePixels(*far, *cut));
}

TEST(MetafileBounds, PathPointsThatRepeatOrLeadNowhereChangeNothing) {
  auto path = [](bool padded, std::uint32_t finish) {
    EmfBuilder e;
    e.CreateBrush(1, 0, clRed).SelectObject(1).CreatePen(2, 0, 0, clBlue).SelectObject(2);
    e.Record(59, {});  // begin path
    if (padded)
      for (int i = 0; i < 50; ++i) e.MoveTo(i % 7, i % 5);  // figures of one point
    e.MoveTo(2, 2).LineTo(14, 3);
    if (padded)
      for (int i = 0; i < 50; ++i) e.LineTo(14, 3);
    e.LineTo(12, 12).LineTo(2, 12);
    e.Record(60, {});  // end path
    e.Record(finish, {0, 0, 20, 20});
    return e;
  };
  for (std::uint32_t finish : {62u, 63u, 64u}) {  // fill, stroke and fill, stroke
    auto plain = Play(path(false, finish), 20, 20);
    auto padded = Play(path(true, finish), 20, 20);
    EXPECT_GT(Count(*plain, clRed) + Count(*plain, clBlue), 20) << finish;
    EXPECT_TRUE(SamePixels(*plain, *padded)) << finish;
  }
}

TEST(MetafileBounds, AWidePenThroughAClipDrawsTheUnclippedLineCutToIt) {
  auto line = [](bool clipped) {
    EmfBuilder e;
    e.CreatePen(1, 0, 15, clBlue).SelectObject(1);
    if (clipped) e.IntersectClipRect(10, 8, 31, 21);
    e.MoveTo(-20, -20).LineTo(60, 60);  // 45 degrees: cut ends stay on whole pixels
    return e;
  };
  auto whole = Play(line(false), 40, 30);
  auto cut = Play(line(true), 40, 30);
  int inside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool in = x >= 10 && x < 31 && y >= 8 && y < 21;
      const TColor expected = in ? whole->Canvas()->Pixels(x, y) : clWhite;
      ASSERT_EQ(cut->Canvas()->Pixels(x, y), expected) << x << "," << y;
      inside += in && expected == clBlue;
    }
  EXPECT_GT(inside, 100);
}

}  // namespace
}  // namespace pictor
