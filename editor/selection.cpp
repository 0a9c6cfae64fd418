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
#include <array>

#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"
#include "editor/tool_table.h"
#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"

namespace pictor {
namespace {

// The one-pixel edges a rectangle's border is drawn on.
std::array<TRect, 4> BorderEdges(const TRect& r) {
  return {Rect(r.Left, r.Top, r.Right, r.Top + 1), Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom),
          Rect(r.Left, r.Top, r.Left + 1, r.Bottom), Rect(r.Right - 1, r.Top, r.Right, r.Bottom)};
}

}  // namespace

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
  // A floating paste redraws the preview itself. Otherwise the step fills the
  // vacated area and copies the selection over the preview, so only the rest
  // of what the last step drew needs the image's pixels back.
  if (FPasteBitmap->Empty()) {
    const TRect source = PixelRect(CornerRect(FStartPoint, FEndPoint));
    const TRect dest = PixelRect(ShiftedRect(FSelRect, P.X - FDragStart.X, P.Y - FDragStart.Y));
    ResetPreviewOutside(source, CopiedPart(source, dest, FBitmap->Width(), FBitmap->Height()));
  }
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
  // Drawn again where it was: the dotted border goes first, also where the
  // copy does not reach (a source outside the image). When the preview shows
  // the selection drawn just so, with its border, only the border's pixels
  // are drawn again.
  const TShownSelection& shown = FShownSelection;
  const bool mendBorder = X == kNoNewPosition && shown.count == FShape->ChangeCount() &&
                          shown.source == FSourceRect && shown.dest == FDestRect &&
                          shown.vacated == VacatedColor(Button) &&
                          shown.border == PixelRect(FSelRect);
  if (X == kNoNewPosition) EraseSelectionBorder();
  const TRect source = PixelRect(FSourceRect);
  const TRect dest = PixelRect(FDestRect);
  // The vacated fill leaves out what the copy writes, as it would cover it anyway.
  const TRect copied = CopiedPart(source, dest, FBitmap->Width(), FBitmap->Height());
  const TBrush brush = canvas->Brush;
  const TPen pen = canvas->Pen;
  canvas->Brush = TBrush{VacatedColor(Button), bsSolid};
  canvas->Pen.Mode = pmCopy;
  // Draws the part of the selection inside `within`.
  const auto draw = [&](const TRect& within) {
    ForEachOutside(source, copied, [&](const TRect& band) {
      const TRect part = IntersectRect(band, within);
      if (!part.IsEmpty()) canvas->FillRect(part);
    });
    const TRect to = IntersectRect(dest, within);
    if (!to.IsEmpty())
      canvas->CopyRect(to, FBitmap->Canvas(),
                       ShiftedRect(to, source.Left - dest.Left, source.Top - dest.Top));
  };
  if (mendBorder) {
    for (const TRect& edge : BorderEdges(shown.border)) draw(edge);
  } else {
    ForEachOutside(source, copied, [canvas](const TRect& band) { canvas->FillRect(band); });
    canvas->CopyRect(dest, FBitmap->Canvas(), source);
  }
  canvas->Brush = brush;
  canvas->Pen = pen;
  FShownSelection = {FSourceRect, FDestRect, TRect{}, VacatedColor(Button), FShape->ChangeCount()};
}

// Marching ants: white under black dots, so the border shows on any image.
void TdlgPictor::DrawSelectionBorder(int X, int Y) {
  TCanvas* canvas = FShape->Canvas();
  const TPen pen = canvas->Pen;
  const TBrush brush = canvas->Brush;
  const TRect border = PixelRect(ShiftedRect(FSelRect, X - FDragStart.X, Y - FDragStart.Y));
  // The first border over a freshly drawn selection keeps it mendable.
  TShownSelection& shown = FShownSelection;
  const bool onShown = shown.count == FShape->ChangeCount() && shown.border.IsEmpty();
  canvas->Brush.Style = bsClear;
  canvas->Pen = TPen{clWhite, 1, psSolid, pmCopy};
  canvas->Rectangle(border);
  canvas->Pen.Color = clBlack;
  canvas->Pen.Style = psDot;
  canvas->Rectangle(border);
  canvas->Pen = pen;
  canvas->Brush = brush;
  shown.border = border;
  shown.count = onShown ? FShape->ChangeCount() : ~std::uint64_t{0};
}

// The preview's pixels under the border of FSelRect become the image's again.
void TdlgPictor::EraseSelectionBorder() {
  for (const TRect& edge : BorderEdges(PixelRect(FSelRect)))
    FShape->Canvas()->CopyRect(edge, FBitmap->Canvas(), edge);
}

// Commits the selection as it was last drawn, in the form of its tool, and
// ends it. The redraw removes the dotted border, so it never reaches the
// image.
void TdlgPictor::DropSelection(TMouseButton Button, TToolShape form) {
  if (form == TToolShape::Freeform)
    DrawSelectionLasso(Button, kNoNewPosition, kNoNewPosition);
  else
    DrawSelection(Button, kNoNewPosition, kNoNewPosition);
  // An empty preview holds nothing; copying it would empty the document.
  if (!FShape->Empty()) {
    CommitSelectionArea();
    AddToHistory();
  }
  FSelected = false;
  FMoving = false;
  FPasteBitmap->Assign(nullptr);
}

// Makes the preview the document. The preview differs from the working
// bitmap only where the selection was lifted from and drawn to, so only
// those pixels are copied; a preview of another size or format, or of fewer
// than 8 bits a pixel (copied by colour, not by index), is copied whole.
void TdlgPictor::CommitSelectionArea() {
  const TPixelFormat format = FShape->PixelFormat();
  if (FShape->Width() != FBitmap->Width() || FShape->Height() != FBitmap->Height() ||
      format != FBitmap->PixelFormat() || format == pf1bit || format == pf4bit) {
    AssignShape();
    return;
  }
  const TRect source = PixelRect(FSourceRect);
  const TRect dest = PixelRect(FDestRect);
  // When all the preview changed lies in one of the two, the preview is what
  // the copies would make of the document: the two trade pixels instead, and
  // the preview, now the old image, differs from it where it changed.
  const TRect changed = FShape->ChangedRect();
  const auto within = [&](const TRect& outer) {
    return changed.Left >= outer.Left && changed.Top >= outer.Top &&
           changed.Right <= outer.Right && changed.Bottom <= outer.Bottom;
  };
  if (PreviewInStep() && (within(source) || within(dest)) && FBitmap->SwapPixels(*FShape, changed)) {
    FPreviewBasis = FBitmap->ChangeCount();
    return;
  }
  TCanvas* canvas = FBitmap->Canvas();
  const auto copy = [&](const TRect& area) { canvas->CopyRect(area, FShape->Canvas(), area); };
  copy(source);
  ForEachOutside(dest, source, copy);
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
