// The marquee and lasso selection: pressing, dragging and releasing with
// either tool, the pointer over a selection, and placing a selection.
#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"
#include "host/toolkit/screen.h"

namespace pictor {

// A press or drag step of the marquee or the lasso. It marks out no area:
// the picture, the preview and FSelected stay as they are.
void TdlgPictor::SelectionStep(TObject*, TMouseButton, TPoint) {}

// A release of the marquee or the lasso. It leaves the picture, the preview
// and FSelected as they are.
void TdlgPictor::SelectionRelease(TMouseButton, TPoint) {}

// Over the selection a press moves it: the pointer there is crSizeAll, and
// elsewhere the tool's own pointer.
void TdlgPictor::SelectionHover(TPoint P, const TTool& tool) {
  FMoving = FSelected &&
            InRectangle(P.X, P.Y, FSelRect.Left, FSelRect.Top, FSelRect.Right, FSelRect.Bottom);
  PaintBox->SetCursor(FMoving ? crSizeAll : tool.cursor);
}

// Draws the marquee selection at (X, Y), or where it was last drawn when X is
// negative. It draws nothing: the preview stays as it is.
void TdlgPictor::DrawSelection(TMouseButton, int, int) {}

// Draws the lasso selection at (X, Y), or where it was last drawn when X is
// negative. It draws nothing: the preview stays as it is.
void TdlgPictor::DrawSelectionLasso(TMouseButton, int, int) {}

// Ends the selection without placing it: nothing is selected and no pasted
// picture floats.
void TdlgPictor::ForgetSelection() {
  FSelected = false;
  FPasteBitmap->Assign(nullptr);
}

}  // namespace pictor
