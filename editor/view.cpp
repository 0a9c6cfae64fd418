// The view: the working bitmap (or the preview FShape) enlarged by the zoom
// factor on the paint box, the zoom buttons and the zoom tool, and what
// happens when the pointer leaves the image.
#include "editor/dlg_pictor.h"

namespace pictor {

bool TdlgPictor::PreviewToolDown() const {
  return sbMarquee->Down() || sbLasso->Down() || sbLine->Down() || sbCurve->Down() ||
         sbText->Down() || sbRectangle->Down() || sbRoundRectangle->Down() || sbEllipse->Down() ||
         sbPolygon->Down();
}

void TdlgPictor::Draw() {
  TPaintBoxCanvas* canvas = PaintBox->Canvas();
  // The preview copy already holds the whole image: nothing is resized.
  if (!FShape->Empty() && PreviewToolDown()) {
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

void TdlgPictor::Zoom() {
  if (sbZoom1->Down())
    FZoom = 1;
  else if (sbZoom2->Down())
    FZoom = 5;
  else if (sbZoom3->Down())
    FZoom = 9;
  Draw();
}

void TdlgPictor::sbZoomScaleClick(TObject*) { Zoom(); }

void TdlgPictor::ToggleZoom() {
  if (FZoom == 1) {
    FZoom = 5;
    sbZoom2->SetDown(true);
  } else {
    FZoom = 1;
    sbZoom1->SetDown(true);
  }
  Draw();
}

void TdlgPictor::ScrollBoxMouseMove(TObject*, TShiftState, int, int) {
  if (FMouseOverImage) {
    FMouseOverImage = false;
    Draw();
  }
  FStatusBar->SetSimpleText("");
}

}  // namespace pictor
