// The changed rectangle of a bitmap: every canvas drawing stays inside the
// box it marks, and writes that bypass the canvas mark what they may touch.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/handle_table.h"

namespace pictor {
namespace {

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

TEST(BitmapChanges, EveryCanvasDrawingStaysInsideTheRectangleItMarks) {
  std::mt19937 random(11);
  auto coord = [&](int size) { return static_cast<int>(random() % (size + 40)) - 20; };
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(20, 20);
  source.Canvas()->Brush.Color = clRed;
  source.Canvas()->Ellipse(0, 0, 20, 20);
  const HRGN region = CreateRectRgn(5, 6, 17, 30);
  using Op = std::function<void(TCanvas&, int, int)>;
  const std::vector<Op> ops = {
      [&](TCanvas& c, int w, int h) { c.SetPixels(coord(w), coord(h), clBlue); },
      [&](TCanvas& c, int w, int h) { c.MoveTo(coord(w), coord(h)); c.LineTo(coord(w), coord(h)); },
      [&](TCanvas& c, int w, int h) {
        const TPoint p[4] = {{coord(w), coord(h)}, {coord(w), coord(h)}, {coord(w), coord(h)},
                             {coord(w), coord(h)}};
        switch (random() % 3) {
          case 0: c.Polyline(p); break;
          case 1: c.Polygon(p); break;
          default: c.PolyBezier(p); break;
        }
      },
      [&](TCanvas& c, int w, int h) { c.Rectangle(coord(w), coord(h), coord(w), coord(h)); },
      [&](TCanvas& c, int w, int h) { c.RoundRect(coord(w), coord(h), coord(w), coord(h), 9, 7); },
      [&](TCanvas& c, int w, int h) { c.Ellipse(coord(w), coord(h), coord(w), coord(h)); },
      [&](TCanvas& c, int w, int h) {
        c.Pie(coord(w), coord(h), coord(w), coord(h), coord(w), coord(h), coord(w), coord(h));
      },
      [&](TCanvas& c, int w, int h) {
        c.Chord(coord(w), coord(h), coord(w), coord(h), coord(w), coord(h), coord(w), coord(h));
      },
      [&](TCanvas& c, int w, int h) { c.FillRect(Rect(coord(w), coord(h), coord(w), coord(h))); },
      [&](TCanvas& c, int w, int h) { c.FloodFill(coord(w), coord(h), clWhite, fsSurface); },
      [&](TCanvas& c, int w, int h) { c.TextOut(coord(w), coord(h), "Wg"); },
      [&](TCanvas& c, int w, int h) {
        c.CopyRect(Rect(coord(w), coord(h), coord(w), coord(h)), source.Canvas(), Rect(0, 0, 20, 20));
      },
      [&](TCanvas& c, int w, int h) { c.Draw(coord(w), coord(h), &source); },
      [&](TCanvas& c, int, int) { InvertRgn(&c, region); },
  };
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit}) {
    for (int round = 0; round < 15 * static_cast<int>(ops.size()); ++round) {
      const std::size_t op = static_cast<std::size_t>(round) % ops.size();
      TBitmap bitmap;
      bitmap.SetPixelFormat(format);
      bitmap.SetSize(64, 48);
      TCanvas& canvas = *bitmap.Canvas();
      canvas.Brush.Color = clGreen;
      canvas.Rectangle(10, 10, 40, 30);  // areas for the flood fill
      canvas.Pen = TPen{random() % 2 ? clBlack : clYellow, static_cast<int>(random() % 9) + 1,
                        random() % 2 ? psSolid : psDot, random() % 3 ? pmCopy : pmXor};
      canvas.Brush = TBrush{clFuchsia, random() % 2 ? bsSolid : bsClear};
      canvas.Font.Height = -static_cast<int>(random() % 30 + 8);
      canvas.Font.Orientation = random() % 2 ? 0 : 450;
      TBitmap before;
      before.Assign(&bitmap);
      bitmap.ClearChanged();
      ops[op](canvas, bitmap.Width(), bitmap.Height());
      const TRect changed = bitmap.ChangedRect();
      for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
          if (bitmap.PixelColor(x, y) != before.PixelColor(x, y)) {
            ASSERT_TRUE(Inside(changed, x, y)) << "operation " << op << " round " << round
                                               << " pixel " << x << "," << y;
          }
    }
  }
  DeleteObject(region);
}

TEST(BitmapChanges, WritesAroundTheCanvasMarkWhatTheyMayTouch) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.ChangedRect().IsEmpty());  // nothing to change yet
  bitmap.SetPixelFormat(pf8bit);
  bitmap.SetSize(30, 20);
  const TRect whole{0, 0, 30, 20};
  EXPECT_EQ(bitmap.ChangedRect(), whole);
  std::uint64_t count = bitmap.ChangeCount();
  bitmap.ClearChanged();
  EXPECT_TRUE(bitmap.ChangedRect().IsEmpty());
  EXPECT_EQ(bitmap.ChangeCount(), count);  // clearing is no change

  bitmap.ScanLine(7)[3] = 1;
  EXPECT_EQ(bitmap.ChangedRect(), Rect(0, 7, 30, 8));
  EXPECT_GT(bitmap.ChangeCount(), count);
  for (const std::function<void(TBitmap&)>& write : std::vector<std::function<void(TBitmap&)>>{
           [](TBitmap& b) { b.PixelBytes()[0] = 2; },
           [](TBitmap& b) { b.SetPixelFormat(pf24bit); },
           [](TBitmap& b) { b.SetPalette(HPALETTE{}); },
           [](TBitmap& b) {
             TBitmap other;
             other.SetSize(30, 20);
             b.Assign(&other);
           }}) {
    bitmap.ClearChanged();
    count = bitmap.ChangeCount();
    write(bitmap);
    EXPECT_EQ(bitmap.ChangedRect(), whole);
    EXPECT_GT(bitmap.ChangeCount(), count);
  }
}

}  // namespace
}  // namespace pictor
