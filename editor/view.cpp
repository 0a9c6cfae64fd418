// The view: the working bitmap (or the preview FShape) enlarged by the zoom
// factor on the paint box, the zoom buttons and the zoom tool, and what
// happens when the pointer leaves the image.
#include "editor/dlg_pictor.h"
#include "editor/tool_options.h"
#include "editor/tool_table.h"

namespace pictor {

void TdlgPictor::Draw() {
  TPaintBoxCanvas* canvas = PaintBox->Canvas();
  // The preview copy already holds the whole image: nothing is resized.
  if (!FShape->Empty() && CurrentTool().Has(TToolFlag::UsesPreview)) {
    canvas->StretchDraw(FShapeRect, FShape.get());
    return;
  }
  const int width = FBitmap->Width() * FZoom;
  const int height = FBitmap->Height() * FZoom;
  pnlImage->SetClientWidth(width);
  pnlImage->SetClientHeight(height);
  PaintBox->SetWidth(width);
  PaintBox->SetHeight(height);
  canvas->StretchDraw(Rect(0, 0, width, height), FBitmap.get());
  // The eraser or brush tip under the pointer, white left out.
  if (FMouseOverImage && !FShape->Empty()) canvas->StretchDraw(FShapeRect, FShape.get());
}

void TdlgPictor::PaintBoxPaint(TObject*) { Draw(); }

// Paint-box pixels become image pixels by division by the zoom, truncated
// toward zero.
TPoint TdlgPictor::ImagePoint(int X, int Y) const { return Point(X / FZoom, Y / FZoom); }

void TdlgPictor::Zoom() {
  // A button without a factor of its own keeps the factor.
  if (const TZoomOption* zoom = DownOption(*this, kZoomOptions)) FZoom = zoom->factor;
  Draw();
}

void TdlgPictor::sbZoomScaleClick(TObject*) { Zoom(); }

// Puts down the zoom button of the current factor; another factor leaves
// the buttons as they are.
void TdlgPictor::ShowZoomFactor() {
  for (const TZoomOption& zoom : kZoomOptions)
    if (zoom.factor == FZoom) (this->*zoom.button)->SetDown(true);
}

void TdlgPictor::ToggleZoom() {
  const TZoomOption& next = FZoom == kZoomOptions[0].factor ? kZoomOptions[1] : kZoomOptions[0];
  FZoom = next.factor;
  (this->*next.button)->SetDown(true);
  Draw();
}

void TdlgPictor::ScrollBoxMouseMove(TObject*, TShiftState, int, int) {
  PaintBoxMouseLeave(nullptr);
}

// The pointer may leave the image straight onto any control (the tool
// panel's buttons, the colour strip): the tip and the position go with it.
void TdlgPictor::PaintBoxMouseLeave(TObject*) {
  if (FMouseOverImage) {
    FMouseOverImage = false;
    Draw();
  }
  FStatusBar->SetSimpleText("");
}

}  // namespace pictor
