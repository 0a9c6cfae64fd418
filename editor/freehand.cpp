// The freehand tools, which paint into the working bitmap at once: the pen,
// the eraser and brush with their stamped tip, the spray, the flood fill and
// the pixel colour picker.
#include "editor/copy_bitmap.h"
#include "editor/dlg_pictor.h"
#include "editor/random.h"

namespace pictor {

// Marks the document changed and shows it.
void TdlgPictor::FinishStep() {
  FModified = true;
  Draw();
}

void TdlgPictor::StampTip(TMouseButton Button, TPoint P, TColor left, TColor right) {
  // Another button stamps in the colour last used.
  if (Button == mbLeft) FShapeColor = left;
  if (Button == mbRight) FShapeColor = right;
  SetColoredShape();
  if (FShape->Width() != 0) DrawColoredShape(P.X, P.Y);
  FinishStep();
}

void TdlgPictor::PenPress(TMouseButton Button, TPoint P) {
  if (Button == mbLeft) FBitmap->Canvas()->SetPixels(P.X, P.Y, FForeColor);
  if (Button == mbRight) FBitmap->Canvas()->SetPixels(P.X, P.Y, FBackColor);
  FinishStep();
}

void TdlgPictor::SprayPress(TMouseButton Button, TPoint P) {
  if (Button == mbLeft) Spray(P.X, P.Y, FForeColor);
  if (Button == mbRight) Spray(P.X, P.Y, FBackColor);
  FinishStep();
}

void TdlgPictor::FillPress(TMouseButton Button, TPoint P) {
  TCanvas* canvas = FBitmap->Canvas();
  // Another button fills with the colour last used.
  if (Button == mbLeft) canvas->Brush.Color = FForeColor;
  if (Button == mbRight) canvas->Brush.Color = FBackColor;
  canvas->Brush.Style = bsSolid;
  canvas->FloodFill(P.X, P.Y, canvas->Pixels(P.X, P.Y), fsSurface);
  FinishStep();
}

void TdlgPictor::PickColorPress(TMouseButton Button, TPoint P) {
  // A pixel outside the image has no colour to take.
  const TColor color = FBitmap->Canvas()->Pixels(P.X, P.Y);
  if (color < 0) return;
  if (Button == mbLeft) {
    FForeColor = color;
    pnlFColor->SetColor(color);
  } else if (Button == mbRight) {
    FBackColor = color;
    pnlBColor->SetColor(color);
  }
}

void TdlgPictor::ShowPixelColor(TPoint P) {
  // Outside the image the swatch keeps the last colour it showed.
  const TColor color = FBitmap->Canvas()->Pixels(P.X, P.Y);
  if (color >= 0) pnlGetPixelColor->SetColor(color);
}

void TdlgPictor::Spray(int X, int Y, TColor Color) {
  int r = 2;
  if (sbSpray1->Down()) r = 2;
  if (sbSpray2->Down()) r = 4;
  if (sbSpray3->Down()) r = 6;
  const int n = (4 * (r + 1) * (r + 1)) / 8;
  TCanvas* canvas = FBitmap->Canvas();
  for (int i = 0; i < n; ++i) {
    const int dy = Random(2 * r);
    const int dx = Random(2 * r);
    canvas->SetPixels(X - r + dx, Y - r + dy, Color);
  }
}

// The size button that is down on the active eraser or brush page, if any.
TSpeedButton* TdlgPictor::ChosenTipButton() const {
  TTabSheet* page = pcShapes->ActivePage();
  if (page == tsEraser) {
    for (TSpeedButton* size : {sbEraser1, sbEraser2, sbEraser3, sbEraser4})
      if (size->Down()) return size;
  } else if (page == tsBrush) {
    for (TSpeedButton* size : {sbBrush1, sbBrush2, sbBrush3, sbBrush4, sbBrush5, sbBrush6})
      if (size->Down()) return size;
  }
  return nullptr;
}

void TdlgPictor::SetShape() {
  FShape->SetIgnorePalette(true);
  if (TSpeedButton* size = ChosenTipButton()) CopyBitmap(&size->Glyph(), FShape.get());
  FShape->SetTransparentMode(TTransparentMode::tmFixed);
  FShape->SetTransparentColor(clWhite);
  FShape->SetTransparent(true);
}

void TdlgPictor::SetColoredShape() {
  if (FShape->Width() == 0) SetShape();
}

void TdlgPictor::DrawColoredShape(int X, int Y) {
  TSpeedButton* size = ChosenTipButton();
  if (!size) return;
  const TBitmap& glyph = size->Glyph();
  const int left = X - glyph.Width() / 2;
  const int top = Y - glyph.Height() / 2;
  TCanvas* canvas = FBitmap->Canvas();
  // Every glyph pixel that is not white belongs to the tip.
  for (int i = 0; i < glyph.Width(); ++i)
    for (int j = 0; j < glyph.Height(); ++j)
      if (glyph.PixelColor(i, j) != clWhite)
        canvas->SetPixels(left + i, top + j, FShapeColor);
}

}  // namespace pictor
