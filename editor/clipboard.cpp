// Copy and Paste over the desktop's clipboard. Copy puts the marquee
// selection's pixels there as a bitmap in the working bitmap's pixel format
// and palette (other programs get it as PNG and the like); Paste takes a
// picture from there and lets it float over the image at its top-left corner
// as a rectangular selection until it is dropped.
#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"
#include "editor/tool_table.h"
#include "host/graphics/handle_table.h"
#include "host/toolkit/clipboard.h"

namespace pictor {

// Only a marquee selection is copied. The copy takes what the selection
// shows: a floating paste, or the pixels lifted from the image, whether the
// selection still lies where it was made or has been moved.
void TdlgPictor::btCopyClick(TObject*) {
  if (!sbMarquee->Down() || !FSelected) return;
  const TRect at = PixelRect(FSelRect);
  TBitmap copied;
  copied.SetPixelFormat(FBitmap->PixelFormat());
  copied.SetPalette(CopyPalette(FBitmap->Palette()));
  copied.SetSize(at.Width(), at.Height());
  const TRect whole = Rect(0, 0, at.Width(), at.Height());
  if (!FPasteBitmap->Empty())
    copied.Canvas()->CopyRect(whole, FPasteBitmap->Canvas(),
                              Rect(0, 0, FPasteBitmap->Width(), FPasteBitmap->Height()));
  else
    copied.Canvas()->CopyRect(whole, FBitmap->Canvas(),
                              PixelRect(CornerRect(FStartPoint, FEndPoint)));
  Clipboard()->Assign(copied);
}

void TdlgPictor::btPasteClick(TObject*) {
  if (!Clipboard()->HasFormat(CF_PICTURE)) return;
  // The picture is read before anything changes: one that cannot be read
  // (a metafile alone, damaged data) raises its error and leaves the
  // selection, the history and the image as they were.
  auto picture = std::make_unique<TBitmap>();
  Clipboard()->AssignTo(*picture);
  if (picture->Empty()) return;
  SwitchToMarquee();
  if (FSelected) DropSelection(mbLeft, CurrentTool().shape);
  FSelected = true;
  FMoving = false;
  FPasteBitmap = std::move(picture);
  FStartPoint = Point(0, 0);
  FEndPoint = Point(FPasteBitmap->Width() - 1, FPasteBitmap->Height() - 1);
  FSelRect = FSourceRect = FDestRect = CornerRect(FStartPoint, FEndPoint);
  // The paste over the image, converted to its pixel format and palette,
  // with the border around it.
  DrawSelection(mbLeft, kNoNewPosition, kNoNewPosition);
  DrawSelectionBorder(FDragStart.X, FDragStart.Y);
  Draw();
}

}  // namespace pictor
