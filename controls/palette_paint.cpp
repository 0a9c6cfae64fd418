// The strip's cells: 16 x 16 pixels, two rows, column by column from the
// first shown entry; each a 12 x 12 square of the entry's colour in a sunken
// frame. Only whole cells between the buttons are drawn.
#include "controls/palette.h"
#include "host/graphics/canvas.h"

namespace pictor {

void TKPalette::Paint() {
  // The buttons show only while the cells (with a column to spare) do not fit.
  const bool scrolls = ClientWidth() < kCellSize * ((FCount + 3) / FRows);
  if (FLeftButton->Visible() != scrolls) {
    FLeftButton->SetVisible(scrolls);
    FRightButton->SetVisible(scrolls);
  }
  if (!scrolls) {
    FFirst = 0;
    StopRepeat();
  }
  TPanel::Paint();
  TCanvas* canvas = Canvas();
  if (FCount == 0 || !canvas) return;
  const int left = CellsLeft();
  const int right = CellsRight();
  for (int column = 0; column < FColumns; ++column) {
    for (int row = 0; row < FRows; ++row) {
      const int index = FFirst + column * FRows + row;
      if (index >= FCount) return;
      TRect cell{left + kCellSize * column, kCellSize * row, 0, 0};
      cell.Right = cell.Left + kCellSize;
      cell.Bottom = cell.Top + kCellSize;
      if (cell.Right > right) return;
      canvas->Pen.Color = clBtnFace;
      canvas->Rectangle(cell);
      cell = TRect{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
      Frame3D(canvas, cell, clBtnShadow, clBtnHighlight, 1);
      const TColor color = EntryColor(FEntries[index]);
      canvas->Brush.Color = color;
      canvas->Pen.Color = color;
      canvas->Rectangle(cell);
    }
  }
}

}  // namespace pictor
