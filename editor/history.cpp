// Undo and redo: a linear history of exact snapshots of the working bitmap,
// taken after each change. At most kHistoryCapacity entries; the first, the
// image the history started with, is never dropped.
#include "editor/dlg_pictor.h"

namespace pictor {

void TdlgPictor::ClearHistory() { FHistory->Clear(); }

void TdlgPictor::InitializeHistory() {
  ClearHistory();
  FHistoryIndex = -1;
  if (FBitmap->Width() > 0 && FBitmap->Height() > 0) AddToHistory();
  UpdateHistoryButtons();
}

void TdlgPictor::AddToHistory() {
  // The redo entries go first.
  const int count = FHistory->Count();
  if (count - 1 > FHistoryIndex && count > 1)
    for (int i = count - 1; i > FHistoryIndex; --i) FHistory->Delete(i);
  while (FHistory->Count() >= kHistoryCapacity) FHistory->Delete(1);
  FHistory->Add(*FBitmap);
  FHistoryIndex = FHistory->Count() - 1;
  UpdateHistoryButtons();
}

void TdlgPictor::Undo() {
  // Typed text: only the text goes.
  if (sbText->Down() && !FText.empty()) {
    FText.clear();
    if (!FCaretShown) tiTextTimer(tiText.get());
    FShape->Assign(FBitmap.get());
    DrawText_(FShape.get());
    FTextPos.X = -1;
    return;
  }
  // An unfinished curve or polygon: only the figure goes.
  if ((sbCurve->Down() || sbPolygon->Down()) && FPointCount > 0) {
    FPointCount = 0;
    FShape->Assign(FBitmap.get());
    Draw();
    return;
  }
  if (FHistoryIndex > 0) {
    // The index moves once the image is restored, so a failed restore
    // leaves the two matching.
    FHistory->Restore(FHistoryIndex - 1, *FBitmap);
    --FHistoryIndex;
    if (PreviewToolDown()) {
      FText.clear();
      FTextPos.X = -1;
      FShapeRect = Rect(0, 0, FBitmap->Width() * FZoom, FBitmap->Height() * FZoom);
      FShape->Assign(FBitmap.get());
    }
    Draw();
  }
  UpdateHistoryButtons();
}

void TdlgPictor::Redo() {
  if (FHistoryIndex < FHistory->Count() - 1) {
    FHistory->Restore(FHistoryIndex + 1, *FBitmap);
    ++FHistoryIndex;
    // The typed text and its position stay: typing goes on where it was.
    if (PreviewToolDown()) {
      FShapeRect = Rect(0, 0, FBitmap->Width() * FZoom, FBitmap->Height() * FZoom);
      FShape->Assign(FBitmap.get());
    }
    Draw();
  }
  UpdateHistoryButtons();
}

bool TdlgPictor::CanUndo() const { return FHistoryIndex > 0; }

bool TdlgPictor::CanRedo() const { return FHistoryIndex < FHistory->Count() - 1; }

void TdlgPictor::UpdateHistoryButtons() {
  sbUndo->SetEnabled(CanUndo());
  sbRedo->SetEnabled(CanRedo());
}

void TdlgPictor::sbUndoClick(TObject*) { Undo(); }

void TdlgPictor::sbRedoClick(TObject*) { Redo(); }

}  // namespace pictor
