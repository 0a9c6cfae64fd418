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

// Entry i is (i, 255 - i, 7): every entry differs from the others and from
// the strip's own colours.
HPALETTE MakePalette(int count) {
  LOGPALETTE lp;
  lp.palNumEntries = static_cast<std::uint16_t>(count);
  for (int i = 0; i < count; ++i)
    lp.palPalEntry.push_back(PALETTEENTRY{static_cast<std::uint8_t>(i),
                                          static_cast<std::uint8_t>(255 - i), 7, 0});
  return CreatePalette(lp);
}

TColor Entry(int i) { return RGB(i, 255 - i, 7); }

// The editor's strip: 392 x 34 pixels, shown.
struct Strip {
  TKPalette palette;
  Strip() {
    palette.resize(392, 34);
    palette.show();
  }
  // A pixel of a fresh paint (which also settles the buttons).
  TColor PixelAt(int x, int y) {
    const QRgb c = palette.grab().toImage().pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
  }
  // The colour in the middle of the cell at column, row.
  TColor CellAt(int column, int row) {
    PixelAt(0, 0);
    return PixelAt(CellsLeft() + 16 * column + 8, 16 * row + 8);
  }
  int CellsLeft() { return A::Left(palette).Visible() ? A::Left(palette).Width() : 0; }
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
  const HPALETTE h = MakePalette(16);
  Strip s;
  s.palette.SetColorPalette(h, 0);
  s.PixelAt(0, 0);  // a paint settles the buttons
  EXPECT_FALSE(A::Left(s.palette).Visible());
  EXPECT_FALSE(A::Right(s.palette).Visible());
  EXPECT_EQ(s.CellAt(0, 0), Entry(0));
  EXPECT_EQ(s.CellAt(0, 1), Entry(1));
  EXPECT_EQ(s.CellAt(1, 0), Entry(2));
  EXPECT_EQ(s.CellAt(7, 1), Entry(15));
  EXPECT_EQ(s.CellAt(8, 0), clBtnFace);
  // One cell: a 12 x 12 square inset 2 pixels in a sunken frame.
  const int x = 16, y = 16;
  EXPECT_EQ(s.PixelAt(x, y), clBtnFace);
  EXPECT_EQ(s.PixelAt(x + 1, y + 1), clBtnShadow);
  EXPECT_EQ(s.PixelAt(x + 14, y + 14), clBtnHighlight);
  EXPECT_EQ(s.PixelAt(x + 2, y + 2), Entry(3));
  EXPECT_EQ(s.PixelAt(x + 13, y + 13), Entry(3));
  EXPECT_EQ(s.PixelAt(x + 15, y + 15), clBtnFace);

  int index = -1, r = -1, g = -1, b = -1;
  // A point below the second row counts as the second row.
  EXPECT_TRUE(s.palette.GetEntryAt(x + 3, 33, index, r, g, b));
  EXPECT_EQ(index, 3);
  EXPECT_EQ(RGB(r, g, b), Entry(3));
  // Beyond the last entry: no entry, but the index that would lie there.
  EXPECT_FALSE(s.palette.GetEntryAt(16 * 8 + 1, 0, index, r, g, b));
  EXPECT_EQ(index, 16);
  EXPECT_EQ(RGB(r, g, b), Entry(3));

  // MaxCount 10 shows 5 columns; an odd count leaves the last column's lower cell empty.
  s.palette.SetColorPalette(h, 10);
  EXPECT_EQ(s.CellAt(4, 1), Entry(9));
  EXPECT_EQ(s.CellAt(5, 0), clBtnFace);
  EXPECT_FALSE(s.palette.ColorExists(Entry(10)));
  s.palette.SetColorPalette(h, 9);
  EXPECT_EQ(s.CellAt(4, 0), Entry(8));
  EXPECT_EQ(s.CellAt(4, 1), clBtnFace);
  EXPECT_FALSE(s.palette.GetEntryAt(16 * 4, 16, index, r, g, b));
  DeleteObject(h);
}

TEST(PaletteTest, NoPaletteOrAnUnknownHandleShowsNothingAndAnswersBlackAndWhite) {
  const HPALETTE h = MakePalette(16);
  Strip s;
  s.palette.SetColorPalette(h, 0);
  ASSERT_EQ(s.CellAt(0, 0), Entry(0));
  DeleteObject(h);
  // A handle the table no longer knows drops the old entries and their cells.
  for (HPALETTE none : {h, HPALETTE{}}) {
    s.palette.SetColorPalette(none, 0);
    EXPECT_EQ(s.CellAt(0, 0), clBtnFace);
    EXPECT_FALSE(A::Left(s.palette).Visible());
    int index = -1, r = 0, g = 0, b = 0;
    EXPECT_FALSE(s.palette.GetEntryAt(1, 1, index, r, g, b));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(s.palette.ColorExists(Entry(0)));
    EXPECT_FALSE(s.palette.ColorExists(clBlack));
    EXPECT_EQ(s.palette.GetFColor(), clBlack);
    EXPECT_EQ(s.palette.GetBColor(), clWhite);
  }
}

TEST(PaletteTest, NearestToBlackAndWhiteKeepTheLowerIndexOfATie) {
  LOGPALETTE lp;
  lp.palNumEntries = 5;
  lp.palPalEntry = {{200, 200, 200, 0}, {0, 30, 0, 0}, {10, 0, 20, 0},
                    {255, 235, 255, 0}, {20, 10, 0, 0}};
  const HPALETTE h = CreatePalette(lp);
  Strip s;
  s.palette.SetColorPalette(h, 0);
  EXPECT_EQ(s.palette.GetFColor(), RGB(0, 30, 0));
  EXPECT_EQ(s.palette.GetBColor(), RGB(255, 235, 255));
  EXPECT_TRUE(s.palette.ColorExists(RGB(10, 0, 20)));
  EXPECT_FALSE(s.palette.ColorExists(RGB(10, 0, 21)));
  DeleteObject(h);
}

TEST(PaletteTest, TwoHundredFiftySixEntriesScrollByColumnPageAndEnd) {
  const HPALETTE h = MakePalette(256);
  Strip s;
  TSpeedButton& left = A::Left(s.palette);
  TSpeedButton& right = A::Right(s.palette);
  s.palette.SetColorPalette(h, 0);
  s.PixelAt(0, 0);
  ASSERT_TRUE(left.Visible() && right.Visible());
  EXPECT_FALSE(left.Enabled());
  EXPECT_TRUE(right.Enabled());
  // 22 whole columns fit between the buttons; no part of a 23rd is drawn.
  EXPECT_EQ(s.CellAt(0, 0), Entry(0));
  EXPECT_EQ(s.CellAt(21, 1), Entry(43));
  EXPECT_EQ(s.PixelAt(20 + 16 * 22 + 2, 8), clBtnFace);
  int index = -1, r, g, b;
  EXPECT_TRUE(s.palette.GetEntryAt(20, 17, index, r, g, b));
  EXPECT_EQ(index, 1);

  s.Click(left);  // nothing on the left
  EXPECT_EQ(A::First(s.palette), 0);
  s.Click(right);
  EXPECT_EQ(A::First(s.palette), 2);
  EXPECT_EQ(s.CellAt(0, 0), Entry(2));
  EXPECT_TRUE(left.Enabled());
  s.Click(right, Qt::ShiftModifier);
  EXPECT_EQ(A::First(s.palette), 46);
  EXPECT_TRUE(s.palette.GetEntryAt(21, 0, index, r, g, b));
  EXPECT_EQ(index, 46);
  s.Click(right, Qt::ControlModifier);
  EXPECT_EQ(A::First(s.palette), 256 - 44);
  EXPECT_EQ(s.CellAt(21, 1), Entry(255));
  EXPECT_FALSE(right.Enabled());
  EXPECT_FALSE(s.palette.TailExits());
  s.Click(left, Qt::ShiftModifier);
  EXPECT_EQ(A::First(s.palette), 212 - 44);
  s.Click(left, Qt::ControlModifier);
  EXPECT_EQ(A::First(s.palette), 0);
  EXPECT_FALSE(left.Enabled());

  // Widened until everything fits: the buttons go and the strip starts again at 0.
  s.Click(right);
  s.palette.resize(16 * 131, 34);
  s.PixelAt(0, 0);
  EXPECT_FALSE(right.Visible());
  EXPECT_EQ(A::First(s.palette), 0);
  EXPECT_EQ(s.CellAt(127, 1), Entry(255));
  DeleteObject(h);
}

TEST(PaletteTest, AHeldButtonStepsAfter500MsThenEvery100MsAndOnceMoreAtTheRelease) {
  const HPALETTE h = MakePalette(256);
  Strip s;
  TSpeedButton& right = A::Right(s.palette);
  TTimer& timer = A::Timer(s.palette);
  s.palette.SetColorPalette(h, 0);
  s.PixelAt(0, 0);
  QTest::mousePress(&right, Qt::LeftButton);
  EXPECT_EQ(A::First(s.palette), 0);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 500);
  s.Tick();
  EXPECT_EQ(timer.Interval(), 100);
  s.Tick();
  EXPECT_EQ(A::First(s.palette), 4);
  EXPECT_EQ(s.CellAt(0, 0), Entry(4));
  QTest::mouseRelease(&right, Qt::LeftButton);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(A::First(s.palette), 6);

  // The right button repeats too, but its release adds no step; the press
  // stays the button's.
  int stripPresses = 0;
  s.palette.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++stripPresses; };
  QTest::mousePress(&right, Qt::RightButton);
  EXPECT_EQ(stripPresses, 0);
  s.Tick();
  QTest::mouseRelease(&right, Qt::RightButton);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(A::First(s.palette), 8);

  // Held with Ctrl to the end: the button goes disabled and never sees its
  // release, so the repeat ends with the step.
  QTest::mousePress(&right, Qt::LeftButton, Qt::ControlModifier);
  s.Tick();
  EXPECT_EQ(A::First(s.palette), 212);
  QTest::mouseRelease(&right, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_FALSE(timer.Enabled());
  DeleteObject(h);
}

}  // namespace
}  // namespace pictor
