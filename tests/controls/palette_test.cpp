// The palette strip: its cells, hit tests and colour questions, scrolling by
// real clicks with Shift and Ctrl, and the auto-repeat of a held button.
#include <gtest/gtest.h>

#include <QTest>

#include "controls/palette.h"

namespace pictor {

struct TKPaletteAccess {
  static int First(const TKPalette& p) { return p.FFirst; }
  static TSpeedButton& Left(TKPalette& p) { return *p.FLeftButton; }
  static TSpeedButton& Right(TKPalette& p) { return *p.FRightButton; }
  static TTimer& Timer(TKPalette& p) { return *p.FTimer; }
};

namespace {

using A = TKPaletteAccess;

// Entry i is (i, 255 - i, 7): unlike the others and the strip's own colours.
TColor Entry(int i) { return RGB(i, 255 - i, 7); }

HPALETTE MakePalette(std::vector<PALETTEENTRY> entries) {
  LOGPALETTE lp;
  lp.palNumEntries = static_cast<std::uint16_t>(entries.size());
  lp.palPalEntry = std::move(entries);
  return CreatePalette(lp);
}

// The editor's strip, 392 x 34 pixels, shown with `count` entries it owns.
struct Strip {
  HPALETTE handle;
  TKPalette palette;
  TSpeedButton& left = A::Left(palette);
  TSpeedButton& right = A::Right(palette);
  explicit Strip(int count) {
    std::vector<PALETTEENTRY> entries;
    for (int i = 0; i < count; ++i)
      entries.push_back({std::uint8_t(i), std::uint8_t(255 - i), 7, 0});
    handle = MakePalette(entries);
    palette.resize(392, 34);
    palette.show();
    palette.SetColorPalette(handle, 0);
  }
  ~Strip() { DeleteObject(handle); }
  // A pixel of a fresh paint (which also settles the buttons).
  TColor PixelAt(int x, int y) {
    const QRgb c = palette.grab().toImage().pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
  }
  TColor CellAt(int column, int row) {
    PixelAt(0, 0);
    return PixelAt((left.Visible() ? left.Width() : 0) + 16 * column + 8, 16 * row + 8);
  }
  int IndexAt(int x, int y) {
    int index = -1, r = -1, g = -1, b = -1;
    const bool hit = palette.GetEntryAt(x, y, index, r, g, b);
    EXPECT_EQ(hit, r != -1);
    if (hit) {
      EXPECT_EQ(RGB(r, g, b), Entry(index));
    }
    return hit ? index : -100 - index;  // a miss still reports the index
  }
  void Click(TSpeedButton& button, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mouseClick(&button, Qt::LeftButton, keys);
  }
  void Tick() {
    TTimer& t = A::Timer(palette);
    ASSERT_TRUE(t.Enabled());
    t.OnTimer(&t);
  }
};

TEST(PaletteTest, SixteenEntriesFillEightColumnsTopToBottomWithoutButtons) {
  Strip s(16);
  EXPECT_EQ(s.CellAt(0, 1), Entry(1));
  EXPECT_EQ(s.CellAt(7, 1), Entry(15));
  EXPECT_EQ(s.CellAt(8, 0), clBtnFace);
  EXPECT_FALSE(s.left.Visible() || s.right.Visible());
  // Each cell: a 12 x 12 square inset 2 pixels in a sunken frame.
  EXPECT_EQ(s.PixelAt(16, 16), clBtnFace);
  EXPECT_EQ(s.PixelAt(17, 17), clBtnShadow);
  EXPECT_EQ(s.PixelAt(30, 30), clBtnHighlight);
  EXPECT_EQ(s.PixelAt(18, 18), Entry(3));
  EXPECT_EQ(s.PixelAt(29, 29), Entry(3));
  // Below the second row counts as the second row; past the last entry is a miss.
  EXPECT_EQ(s.IndexAt(19, 33), 3);
  EXPECT_EQ(s.IndexAt(16 * 8 + 1, 0), -100 - 16);

  // MaxCount 10 shows 5 columns; an odd count leaves the last lower cell empty.
  s.palette.SetColorPalette(s.handle, 10);
  EXPECT_EQ(s.CellAt(4, 1), Entry(9));
  EXPECT_EQ(s.CellAt(5, 0), clBtnFace);
  EXPECT_FALSE(s.palette.ColorExists(Entry(10)));
  s.palette.SetColorPalette(s.handle, 9);
  EXPECT_EQ(s.CellAt(4, 0), Entry(8));
  EXPECT_EQ(s.CellAt(4, 1), clBtnFace);
  EXPECT_EQ(s.IndexAt(16 * 4, 16), -100 - 9);
}

TEST(PaletteTest, ColourQuestionsWithoutEntriesAndWithTies) {
  Strip s(16);
  // Neither a handle the table no longer knows nor none keeps the old cells.
  const HPALETTE deleted = MakePalette({{1, 2, 3, 0}});
  DeleteObject(deleted);
  for (HPALETTE none : {deleted, HPALETTE{}}) {
    s.palette.SetColorPalette(none, 0);
    EXPECT_EQ(s.CellAt(0, 0), clBtnFace);
    EXPECT_EQ(s.IndexAt(1, 1), -100);
    EXPECT_FALSE(s.palette.ColorExists(Entry(0)) || s.palette.ColorExists(clBlack));
    EXPECT_EQ(s.palette.GetFColor(), clBlack);
    EXPECT_EQ(s.palette.GetBColor(), clWhite);
  }
  const HPALETTE h = MakePalette(
      {{200, 200, 200, 0}, {0, 30, 0, 0}, {10, 0, 20, 0}, {255, 235, 255, 0}, {20, 10, 0, 0}});
  s.palette.SetColorPalette(h, 0);
  EXPECT_EQ(s.palette.GetFColor(), RGB(0, 30, 0));
  EXPECT_EQ(s.palette.GetBColor(), RGB(255, 235, 255));
  EXPECT_TRUE(s.palette.ColorExists(RGB(10, 0, 20)));
  EXPECT_FALSE(s.palette.ColorExists(RGB(10, 0, 21)));
  DeleteObject(h);
}

TEST(PaletteTest, TwoHundredFiftySixEntriesScrollByColumnPageAndEnd) {
  Strip s(256);
  // 22 whole columns fit between the buttons; no part of a 23rd is drawn.
  EXPECT_EQ(s.CellAt(21, 1), Entry(43));
  EXPECT_EQ(s.PixelAt(20 + 16 * 22 + 2, 8), clBtnFace);
  EXPECT_TRUE(s.left.Visible() && s.right.Visible());
  EXPECT_FALSE(s.left.Enabled());
  s.Click(s.left);  // nothing on the left
  EXPECT_EQ(A::First(s.palette), 0);
  s.Click(s.right);
  EXPECT_EQ(s.CellAt(0, 0), Entry(2));
  EXPECT_TRUE(s.left.Enabled());
  s.Click(s.right, Qt::ShiftModifier);
  EXPECT_EQ(s.IndexAt(20, 0), 46);
  s.Click(s.right, Qt::ControlModifier);
  EXPECT_EQ(A::First(s.palette), 256 - 44);
  EXPECT_EQ(s.CellAt(21, 1), Entry(255));
  EXPECT_FALSE(s.right.Enabled() || s.palette.TailExits());
  s.Click(s.left, Qt::ShiftModifier);
  EXPECT_EQ(A::First(s.palette), 212 - 44);
  s.Click(s.left, Qt::ControlModifier);
  EXPECT_EQ(A::First(s.palette), 0);

  // Widened until everything fits: the buttons go and the strip starts again at 0.
  s.Click(s.right);
  s.palette.resize(16 * 131, 34);
  EXPECT_EQ(s.CellAt(0, 0), Entry(0));
  EXPECT_FALSE(s.right.Visible());
}

TEST(PaletteTest, AHeldButtonStepsAfter500MsThenEvery100MsAndOnceMoreAtTheRelease) {
  Strip s(256);
  TTimer& timer = A::Timer(s.palette);
  QTest::mousePress(&s.right, Qt::LeftButton);
  EXPECT_EQ(timer.Interval(), 500);
  s.Tick();
  EXPECT_EQ(timer.Interval(), 100);
  s.Tick();
  EXPECT_EQ(s.CellAt(0, 0), Entry(4));
  QTest::mouseRelease(&s.right, Qt::LeftButton);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(A::First(s.palette), 6);

  // The right mouse button repeats too, but its release adds no step, and
  // its press stays the button's.
  int stripPresses = 0;
  s.palette.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++stripPresses; };
  QTest::mousePress(&s.right, Qt::RightButton);
  s.Tick();
  QTest::mouseRelease(&s.right, Qt::RightButton);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(A::First(s.palette), 8);
  EXPECT_EQ(stripPresses, 0);

  // Held with Ctrl to the end: the button goes disabled and never sees its
  // release, so the repeat ends with the step.
  QTest::mousePress(&s.right, Qt::LeftButton, Qt::ControlModifier);
  s.Tick();
  EXPECT_EQ(A::First(s.palette), 212);
  QTest::mouseRelease(&s.right, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_FALSE(timer.Enabled());
}

}  // namespace
}  // namespace pictor
