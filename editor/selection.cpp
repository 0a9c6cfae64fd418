// The selection shared by the marquee and the lasso (the pointer over it, the
// drop that commits it, forgetting it), and the marquee itself: pressing,
// dragging and releasing, the selection drawn lifted or moved, and its
// dotted border. The lasso's own steps are in lasso.cpp.
//
// Nothing reaches the working bitmap before the drop: every state is drawn on
// the preview FShape, which the view shows instead. A lifted selection is
// always redrawn from its lift rectangle (FStartPoint to FEndPoint) in the
// working bitmap, so the vacated area is where it was made and the moved
// pixels are the ones that were there.
#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"
#include "editor/tool_table.h"
#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"

namespace pictor {

bool TdlgPictor::OnSelection(TPoint P) const {
  return FSelected &&
         InRectangle(P.X, P.Y, FSelRect.Left, FSelRect.Top, FSelRect.Right, FSelRect.Bottom);
}

// The area a lifted selection leaves takes the background colour with the
// left button and the foreground colour with any other.
TColor TdlgPictor::VacatedColor(TMouseButton Button) const {
  return Button == mbLeft ? FBackColor : FForeColor;
}

// Over the selection a press moves it: the pointer there is crSizeAll, and
// elsewhere the tool's own pointer.
void TdlgPictor::SelectionHover(TPoint P, const TTool& tool) {
  FMoving = OnSelection(P);
  PaintBox->SetCursor(FMoving ? crSizeAll : tool.cursor);
}

// A press (Sender is the paint box) or a drag step (nullptr) of either tool.
void TdlgPictor::SelectionStep(TObject* Sender, TMouseButton Button, TPoint P) {
  // A press moves the selection exactly when it falls on it, also when no
  // hover came before it; anywhere else it starts a new one.
  if (Sender) FMoving = OnSelection(P);
  const bool lasso = CurrentTool().shape == TToolShape::Freeform;
  if (Sender && lasso)
    LassoPress(Button, P);
  else if (lasso)
    LassoDragStep(Button, P);
  else if (Sender)
    MarqueePress(Button, P);
  else
    MarqueeDragStep(Button, P);
}

void TdlgPictor::SelectionRelease(TMouseButton Button, TPoint P) {
  if (CurrentTool().shape == TToolShape::Freeform)
    LassoRelease(Button, P);
  else
    MarqueeRelease(Button, P);
}

void TdlgPictor::MarqueePress(TMouseButton Button, TPoint P) {
  if (FMoving) {
    // The selection is drawn lifted where it lies; the drag moves it.
    PaintBox->SetCursor(crSizeAll);
    FDragStart = P;
    MoveMarquee(Button, P);
    DrawSelectionBorder(P.X, P.Y);
  } else {
    if (FSelected) DropSelection(Button, TToolShape::Rectangle);
    FStartPoint = FEndPoint = P;
    FSelRect = FSourceRect = FDestRect = CornerRect(P, P);
    ResetPreview();
    FDragStart = P;
    DrawSelectionBorder(P.X, P.Y);
  }
  FinishStep();
}

void TdlgPictor::MarqueeDragStep(TMouseButton Button, TPoint P) {
  if (FMoving)
    MoveMarquee(Button, P);
  else
    StretchMarquee(P);
  FinishStep();
}

// The rubber band: the rectangle from the press to P, its dotted border on
// the image.
void TdlgPictor::StretchMarquee(TPoint P) {
  FEndPoint = P;
  FSelRect = FSourceRect = FDestRect = CornerRect(FStartPoint, FEndPoint);
  ResetPreview();
  FDragStart = P;
  DrawSelectionBorder(P.X, P.Y);
}

// The selection drawn moved by P - FDragStart.
void TdlgPictor::MoveMarquee(TMouseButton Button, TPoint P) {
  // A floating paste redraws the preview itself.
  if (FPasteBitmap->Empty()) ResetPreview();
  DrawSelection(Button, P.X, P.Y);
}

void TdlgPictor::MarqueeRelease(TMouseButton Button, TPoint P) {
  if (FMoving) {
    // Drawn once more at the release's own place, which is where the
    // selection now lies.
    MoveMarquee(Button, P);
    FSelRect = ShiftedRect(FSelRect, P.X - FDragStart.X, P.Y - FDragStart.Y);
    FDragStart = P;
    DrawSelectionBorder(P.X, P.Y);
  } else if (P == FDragStart && FSelRect == CornerRect(P, P)) {
    // A click without movement selects nothing (the press dropped what was
    // selected before).
    FShape->Assign(nullptr);
    Draw();
    return;
  } else {
    StretchMarquee(P);
  }
  PaintBox->SetCursor(crMarquee);
  FSelected = true;
  FMoving = false;
  Draw();
}

void TdlgPictor::DrawSelection(TMouseButton Button, int X, int Y) {
  if (X != kNoNewPosition) {
    FSourceRect = CornerRect(FStartPoint, FEndPoint);
    FDestRect = ShiftedRect(FSelRect, X - FDragStart.X, Y - FDragStart.Y);
  }
  TCanvas* canvas = FShape->Canvas();
  if (!FPasteBitmap->Empty()) {
    // A paste did not come from the image: nothing is vacated.
    ResetPreview();
    canvas->CopyRect(PixelRect(FDestRect), FPasteBitmap->Canvas(),
                     Rect(0, 0, FPasteBitmap->Width(), FPasteBitmap->Height()));
    return;
  }
  const TBrush brush = canvas->Brush;
  const TPen pen = canvas->Pen;
  canvas->Brush = TBrush{VacatedColor(Button), bsSolid};
  canvas->Pen.Mode = pmCopy;
  canvas->FillRect(PixelRect(FSourceRect));
  canvas->Brush = brush;
  canvas->Pen = pen;
  canvas->CopyRect(PixelRect(FDestRect), FBitmap->Canvas(), PixelRect(FSourceRect));
}

// Marching ants: white under black dots, so the border shows on any image.
void TdlgPictor::DrawSelectionBorder(int X, int Y) {
  TCanvas* canvas = FShape->Canvas();
  const TPen pen = canvas->Pen;
  const TBrush brush = canvas->Brush;
  const TRect border = PixelRect(ShiftedRect(FSelRect, X - FDragStart.X, Y - FDragStart.Y));
  canvas->Brush.Style = bsClear;
  canvas->Pen = TPen{clWhite, 1, psSolid, pmCopy};
  canvas->Rectangle(border);
  canvas->Pen.Color = clBlack;
  canvas->Pen.Style = psDot;
  canvas->Rectangle(border);
  canvas->Pen = pen;
  canvas->Brush = brush;
}

// Commits the selection as it was last drawn, in the form of its tool, and
// ends it. The dotted border lies inside the selection, so the redraw covers
// it and it never reaches the image.
void TdlgPictor::DropSelection(TMouseButton Button, TToolShape form) {
  if (form == TToolShape::Freeform)
    DrawSelectionLasso(Button, kNoNewPosition, kNoNewPosition);
  else
    DrawSelection(Button, kNoNewPosition, kNoNewPosition);
  // An empty preview holds nothing; copying it would empty the document.
  if (!FShape->Empty()) {
    AssignShape();
    AddToHistory();
  }
  FSelected = false;
  FMoving = false;
  FPasteBitmap->Assign(nullptr);
}

// Ends the selection without committing it: nothing selected, nothing
// floating, no outline, and the view shows the working bitmap.
void TdlgPictor::ForgetSelection() {
  FSelected = false;
  FMoving = false;
  FLassoInverted = false;
  FPointCount = 0;
  FShape->Assign(nullptr);
  FPasteBitmap->Assign(nullptr);
}

// Makes the marquee the current tool as a click on its button does: its
// pointer and page, and the page that was shown commits its pending work.
void TdlgPictor::SwitchToMarquee() {
  if (sbMarquee->Down()) return;
  sbMarquee->SetDown(true);
  sbMarquee->Click();
}

}  // namespace pictor
