// The freehand tools, which paint into the working bitmap at once: the pen,
// the eraser and brush with their stamped tip, the spray, the flood fill and
// the pixel colour picker.
#include "editor/copy_bitmap.h"
#include "editor/dlg_pictor.h"
#include "editor/random.h"
#include "editor/tool_options.h"
#include "editor/tool_table.h"

namespace pictor {

// Marks the document changed and shows it.
void TdlgPictor::FinishStep() {
  FModified = true;
  Draw();
}

// The left button paints in the foreground colour and the right one in the
// background colour, the other way round for a tool that swaps them (the
// eraser). Another button stamps the tip in the colour last used and paints
// nothing with the pen or the spray.
void TdlgPictor::FreehandPress(const TTool& tool, TMouseButton Button, TPoint P) {
  const bool swap = tool.Has(TToolFlag::SwapsColours);
  const TColor left = swap ? FBackColor : FForeColor;
  const TColor right = swap ? FForeColor : FBackColor;
  switch (tool.shape) {
    case TToolShape::Tip:
      StampTip(Button, P, left, right);
      break;
    case TToolShape::Dots:
      SprayPress(Button, P, left, right);
      break;
    case TToolShape::Pixel:
      PenPress(Button, P, left, right);
      break;
    default:
      break;
  }
}

void TdlgPictor::StampTip(TMouseButton Button, TPoint P, TColor left, TColor right) {
  if (Button == mbLeft) FShapeColor = left;
  if (Button == mbRight) FShapeColor = right;
  SetColoredShape();
  if (FShape->Width() != 0) DrawColoredShape(P.X, P.Y);
  FinishStep();
}

void TdlgPictor::PenPress(TMouseButton Button, TPoint P, TColor left, TColor right) {
  if (Button == mbLeft) FBitmap->Canvas()->SetPixels(P.X, P.Y, left);
  if (Button == mbRight) FBitmap->Canvas()->SetPixels(P.X, P.Y, right);
  FModified = true;
  // Only the pixel set is shown again, not the whole view: a stroke's steps
  // cost what they change.
  PaintBox->Canvas()->Refresh(FBitmap.get(),
                              Rect(P.X * FZoom, P.Y * FZoom, (P.X + 1) * FZoom, (P.Y + 1) * FZoom));
}

void TdlgPictor::SprayPress(TMouseButton Button, TPoint P, TColor left, TColor right) {
  if (Button == mbLeft) Spray(P.X, P.Y, left);
  if (Button == mbRight) Spray(P.X, P.Y, right);
  FinishStep();
}

// The eraser's or brush's tip preview, centred on the paint-box pixel (X, Y).
void TdlgPictor::ShowTipAt(int X, int Y) {
  const int w = FShape->Width() * FZoom;
  const int h = FShape->Height() * FZoom;
  FShapeRect = Rect(X - w / 2, Y - h / 2, X - w / 2 + w, Y - h / 2 + h);
  Draw();
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
  const TSprayOption* size = DownOption(*this, kSprayRadii);
  const int r = size ? size->radius : kDefaultSprayRadius;
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
  const TTipOption* tip = page == tsEraser  ? DownOption(*this, kEraserTips)
                          : page == tsBrush ? DownOption(*this, kBrushTips)
                                            : nullptr;
  return tip ? this->*tip->button : nullptr;
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
