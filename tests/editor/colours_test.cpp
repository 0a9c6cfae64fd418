// The colour strip in the editor: the working bitmap's palette in the strip,
// colours kept or replaced when the palette changes, the entry under the
// pointer in the status bar, and what the three buttons' presses choose.
#include <QApplication>
#include <QMouseEvent>

#include "attributes/standard_palettes.h"
#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

class ColoursTest : public ToolsTest {
 protected:
  // The middle of the cell of an entry, while all cells fit.
  static TPoint Cell(int index) { return Point(16 * (index / 2) + 8, 16 * (index % 2) + 8); }
  void PressEntry(int index, TMouseButton button) {
    dialog.KPaletteMouseDown(dialog.KPalette, button, {}, Cell(index).X, Cell(index).Y);
  }
  void ExpectColours(TColor fore, TColor back) {
    EXPECT_EQ(a.ForeColor(), fore);
    EXPECT_EQ(a.BackColor(), back);
    EXPECT_EQ(dialog.pnlFColor->Color(), fore);
    EXPECT_EQ(dialog.pnlBColor->Color(), back);
  }
};

TEST_F(ColoursTest, APaletteKeepsTheColoursItHoldsAndReplacesTheOthers) {
  Open16(60, 30);
  a.ForeColor() = clRed;
  a.BackColor() = RGB(1, 2, 3);
  dialog.SetColorPalette();
  ExpectColours(clRed, clWhite);
  EXPECT_EQ(a.TextFont().Color, clRed);

  // The 2-colour palette: its darkest and lightest entries.
  TBitmap mono;
  mono.SetPixelFormat(pf1bit);
  mono.SetPalette(MonochromePalette());
  mono.SetSize(8, 8);
  dialog.SetFrame(&mono);
  ExpectColours(clBlack, clWhite);

  // No palette: an empty strip, black and white, and no entry to press.
  a.ForeColor() = clRed;
  TBitmap plain;
  plain.SetSize(8, 8);
  dialog.SetFrame(&plain);
  ExpectColours(clBlack, clWhite);
  PressEntry(0, mbRight);
  ExpectColours(clBlack, clWhite);
}

TEST_F(ColoursTest, LeftAndRightPressesChooseTheColoursAndTheToolTakesThemUp) {
  Open16(60, 30);
  Choose(dialog.sbEraser);
  PressEntry(5, mbLeft);
  ExpectColours(clRed, clWhite);
  EXPECT_EQ(t.ShapeColor(), clWhite);  // the eraser's tip: the background colour again
  PressEntry(4, mbRight);
  ExpectColours(clRed, RGB(128, 0, 0));
  EXPECT_EQ(t.ShapeColor(), RGB(128, 0, 0));
}

TEST_F(ColoursTest, TheStripTakesRealPointerEventsInTheShownWindow) {
  Open16(60, 30);
  dialog.Show();
  QApplication::processEvents();
  // The strip fills the bottom panel right of the swatches.
  EXPECT_EQ(dialog.KPalette->Left(), dialog.pnlFBColors->Left() + dialog.pnlFBColors->Width());
  EXPECT_EQ(dialog.KPalette->Height(), 34);
  auto send = [&](QEvent::Type type, int index, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at(Cell(index).X, Cell(index).Y);
    QMouseEvent event(type, at, dialog.KPalette->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(dialog.KPalette, &event);
  };
  send(QEvent::MouseMove, 5, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(a.StatusBar()->SimpleText(), "Index=5   R:255  G:0  B:0");
  send(QEvent::MouseMove, 16, Qt::NoButton, Qt::NoButton);  // beyond the last entry
  EXPECT_EQ(a.StatusBar()->SimpleText(), "");
  send(QEvent::MouseButtonPress, 5, Qt::RightButton, Qt::RightButton);
  send(QEvent::MouseButtonRelease, 5, Qt::RightButton, Qt::NoButton);
  ExpectColours(clBlack, clRed);
  dialog.Close();
}

}  // namespace
}  // namespace pictor::edtest
