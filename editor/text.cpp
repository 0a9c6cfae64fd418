// The text tool: a click on the image, the text drawn onto a bitmap, and the
// caret.
#include "editor/dlg_pictor.h"

namespace pictor {

// A press with the text tool. It places no text: FText and FTextPos stay as
// they are.
void TdlgPictor::TextClick(TMouseButton, TPoint) {}

// Draws FText at FTextPos onto the bitmap. It draws nothing: the bitmap stays
// as it is.
void TdlgPictor::DrawText_(TBitmap*) {}

// The caret's tick. It draws no caret and leaves FCaretShown as it is.
void TdlgPictor::tiTextTimer(TObject*) {}

// Ends the text entry without writing it: no position, no text, no caret.
void TdlgPictor::ResetText() {
  FTextPos = Point(-1, -1);
  FText.clear();
  FCaretShown = false;
}

}  // namespace pictor
