// The colour choice: the colour strip under the image shows the working
// bitmap's palette; a left press on an entry makes it the foreground colour,
// a right press the background colour, and the two swatches show them.
#include <string>

#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"

namespace pictor {

void TdlgPictor::SetColorPalette() {
  KPalette->SetColorPalette(FBitmap->Palette(), 0);
  // A colour the new palette lacks becomes its darkest or lightest entry.
  if (!KPalette->ColorExists(FForeColor)) FForeColor = KPalette->GetFColor();
  if (!KPalette->ColorExists(FBackColor)) FBackColor = KPalette->GetBColor();
  FTextFont->Color = FForeColor;
  pnlFColor->SetColor(FForeColor);
  pnlBColor->SetColor(FBackColor);
}

void TdlgPictor::KPaletteMouseMove(TObject*, TShiftState, int X, int Y) {
  int index = 0;
  int red = 0;
  int green = 0;
  int blue = 0;
  if (!KPalette->GetEntryAt(X, Y, index, red, green, blue)) {
    FStatusBar->SetSimpleText("");
    return;
  }
  FStatusBar->SetSimpleText("Index=" + std::to_string(index) + "   R:" + std::to_string(red) +
                            "  G:" + std::to_string(green) + "  B:" + std::to_string(blue));
}

void TdlgPictor::KPaletteMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  int index = 0;
  int red = 0;
  int green = 0;
  int blue = 0;
  const TTool& tool = CurrentTool();
  if (KPalette->GetEntryAt(X, Y, index, red, green, blue) && Button != mbMiddle) {
    const TColor color = RGB(red, green, blue);
    if (Button == mbLeft) {
      FForeColor = color;
      pnlFColor->SetColor(FForeColor);
      FShapeColor = FForeColor;
    } else {
      FBackColor = color;
      pnlBColor->SetColor(FBackColor);
      FShapeColor = FBackColor;
    }
    if (tool.shape == TToolShape::Tip) SetColoredShape();
    // The text being typed shows in the new colour before it is written.
    if (Button == mbLeft && tool.family == TToolFamily::Text) {
      FTextFont->Color = FForeColor;
      RedrawText();
    }
  }
  // Whatever was hit: the pending text or selection is finished and the
  // tool's options are applied again.
  sbMakeClick();
}

}  // namespace pictor
