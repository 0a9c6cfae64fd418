// Selecting the whole image: the Select all button, and the lighter Ctrl+A.
// Both make the marquee the current tool first, so the work pending on the
// page that was shown (a lasso selection, typed text) is committed, and a
// following drag moves the whole image.
#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"
#include "editor/tool_table.h"

namespace pictor {

void TdlgPictor::sbSelectAllClick(TObject*) { SelectAll(); }

void TdlgPictor::SelectAll() {
  SwitchToMarquee();
  if (FSelected) DropSelection(mbLeft, CurrentTool().shape);
  SelectWholeImage();
  // The border around the whole image, without offset.
  if (FSelected) DrawSelectionBorder(FDragStart.X, FDragStart.Y);
  Draw();
}

// Unlike Select all it shows no border, leaves FModified alone and drops a
// selection only when that changes the image: a moved selection or a
// floating paste is committed (one history entry), one still in place is
// simply replaced.
void TdlgPictor::SelectAllByKey() {
  SwitchToMarquee();
  if (FSelected && (!FPasteBitmap->Empty() || SelectionMoved()))
    DropSelection(mbLeft, CurrentTool().shape);
  SelectWholeImage();
  Draw();
}

// A selection lies elsewhere than the lift rectangle it was made from.
bool TdlgPictor::SelectionMoved() const {
  return TopLeft(FSelRect) != TopLeft(CornerRect(FStartPoint, FEndPoint));
}

// The whole image selected in place: lift rectangle, FSourceRect, FDestRect
// and FSelRect all cover it, and the preview shows it unchanged. An empty
// image leaves nothing selected.
void TdlgPictor::SelectWholeImage() {
  FPasteBitmap->Assign(nullptr);
  FMoving = false;
  FSelected = !FBitmap->Empty();
  FStartPoint = Point(0, 0);
  FEndPoint = Point(FBitmap->Width() - 1, FBitmap->Height() - 1);
  FSelRect = FSourceRect = FDestRect = CornerRect(FStartPoint, FEndPoint);
  ResetPreview();
}

}  // namespace pictor
