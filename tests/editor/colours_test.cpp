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
  std::string StatusOver(int index) {
    dialog.KPaletteMouseMove(dialog.KPalette, {}, Cell(index).X, Cell(index).Y);
    return a.StatusBar()->SimpleText();
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
  EXPECT_EQ(StatusOver(5), "Index=5   R:255  G:0  B:0");
  EXPECT_EQ(StatusOver(16), "");  // beyond the last entry

  // The 2-colour palette: its darkest and lightest entries.
  TBitmap mono;
  mono.SetPixelFormat(pf1bit);
  mono.SetPalette(MonochromePalette());
  mono.SetSize(8, 8);
  dialog.SetFrame(&mono);
  ExpectColours(clBlack, clWhite);

  // No palette: an empty strip, black and white, and no entry anywhere.
  a.ForeColor() = clRed;
  TBitmap plain;
  plain.SetSize(8, 8);
  dialog.SetFrame(&plain);
  ExpectColours(clBlack, clWhite);
  EXPECT_EQ(StatusOver(0), "");
  PressEntry(0, mbRight);
  ExpectColours(clBlack, clWhite);
}

TEST_F(ColoursTest, LeftAndRightPressesChooseMiddleAndMissedPressesOnlyFinishPendingWork) {
  Open16(60, 30);
  Choose(dialog.sbEraser);
  PressEntry(5, mbLeft);
  ExpectColours(clRed, clWhite);
  // The eraser's tip colour is the background colour again.
  EXPECT_EQ(t.ShapeColor(), clWhite);
  PressEntry(4, mbRight);
  ExpectColours(clRed, RGB(128, 0, 0));
  EXPECT_EQ(t.ShapeColor(), RGB(128, 0, 0));

  // Text being typed is written into the image by every press on the strip.
  Choose(dialog.sbText);
  for (const auto& [button, index] : {std::pair{mbMiddle, 2}, std::pair{mbLeft, 40}}) {
    Press(3, 3);
    std::string key = "a";
    dialog.FormKeyPress(&dialog, key);
    const int entries = a.HistoryIndex();
    PressEntry(index, button);
    ExpectColours(clRed, RGB(128, 0, 0));
    EXPECT_EQ(a.TextPos().X, -1);
    EXPECT_EQ(a.HistoryIndex(), entries + 1);
    EXPECT_FALSE(Painted().empty());
  }
}

TEST_F(ColoursTest, TheStripTakesRealPointerEventsInTheShownWindow) {
  Open16(60, 30);
  dialog.Show();
  QApplication::processEvents();
  // The strip fills the bottom panel right of the swatches.
  EXPECT_EQ(dialog.KPalette->Left(), dialog.pnlFBColors->Left() + dialog.pnlFBColors->Width());
  EXPECT_EQ(dialog.KPalette->Height(), 34);
  const QPointF at(Cell(5).X, Cell(5).Y);
  QMouseEvent move(QEvent::MouseMove, at, dialog.KPalette->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(dialog.KPalette, &move);
  EXPECT_EQ(a.StatusBar()->SimpleText(), "Index=5   R:255  G:0  B:0");
  QMouseEvent press(QEvent::MouseButtonPress, at, dialog.KPalette->mapToGlobal(at),
                    Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(dialog.KPalette, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, dialog.KPalette->mapToGlobal(at),
                      Qt::RightButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(dialog.KPalette, &release);
  ExpectColours(clBlack, clRed);
  dialog.Close();
}

}  // namespace
}  // namespace pictor::edtest
