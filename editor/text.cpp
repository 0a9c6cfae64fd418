// The text tool: a click sets where the text goes (and writes the text typed
// at the last click into the image), the typed text is drawn on the preview
// with a blinking caret after it, and the font comes from the font dialog.
// Typing itself is text_keys.cpp's.
#include <cstdlib>

#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"

namespace pictor {

void TdlgPictor::TextClick(TMouseButton, TPoint P) {
  if (FTextPos.X > -1) {
    // The text typed at the last click goes into the image.
    DrawText_(FBitmap.get());
    AddToHistory();
  }
  ResetPreview();
  FModified = true;
  FTextPos = P;
  FText.clear();
  // The next caret tick shows the caret at the new place.
}

void TdlgPictor::DrawText_(TBitmap* Bitmap) {
  if (FTextPos.X <= -1) return;
  // The caret lies on the preview only, drawn before the text: committing
  // writes no caret into the image.
  if (!FCaretShown) tiTextTimer(nullptr);
  TCanvas* canvas = Bitmap->Canvas();
  canvas->Font = *FTextFont;
  canvas->Font.Color = FForeColor;
  SetBkMode(canvas, TRANSPARENT);
  canvas->TextOut(FTextPos.X, FTextPos.Y, FText);
  SetBkMode(canvas, OPAQUE);
  Draw();
}

// The caret: a line after the text over the character height, XORed onto
// the preview, so that the next tick removes it. Its colour is the
// foreground colour's complement, which shows as the foreground colour on
// white and never leaves the pixels as they were (an XOR in black would).
void TdlgPictor::tiTextTimer(TObject*) {
  if (CurrentTool().family != TToolFamily::Text || FTextPos.X <= -1) return;
  TCanvas* canvas = FShape->Canvas();
  canvas->Font = *FTextFont;
  const TColor complement = ColorToRGB(FForeColor) ^ clWhite;
  canvas->Pen.Color = complement != clBlack ? complement : clWhite;
  canvas->Pen.Mode = pmXor;
  // Whatever pen another tool left on the preview, the caret is one solid pixel wide.
  canvas->Pen.Width = 1;
  canvas->Pen.Style = psSolid;
  const int x = FTextPos.X + canvas->TextWidth(FText);
  canvas->MoveTo(x, FTextPos.Y);
  canvas->LineTo(x, FTextPos.Y + std::abs(canvas->Font.Height));
  canvas->Pen.Mode = pmCopy;
  Draw();
  FCaretShown = !FCaretShown;
}

void TdlgPictor::sbFontClick(TObject*) {
  FontDialog1->Font = *FTextFont;
  if (!FontDialog1->Execute()) return;
  *FTextFont = FontDialog1->Font;
  RedrawText();
}

void TdlgPictor::RedrawText() {
  if (FTextPos.X <= -1) return;
  ResetPreview();
  DrawText_(FShape.get());
}

// Ends the text entry without writing it: no position, no text, no caret.
void TdlgPictor::ResetText() {
  FTextPos = Point(-1, -1);
  FText.clear();
  FCaretShown = false;
}

}  // namespace pictor
