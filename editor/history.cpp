// Undo and redo: a linear history of exact snapshots of the working bitmap,
// taken after each change. At most kHistoryCapacity entries within the memory
// budget; the first, the image the history started with, is never dropped.
// The working bitmap's changed rectangle is cleared whenever it equals the
// entry shown, so an entry costs what changed since the one before.
#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"

namespace pictor {

void TdlgPictor::ClearHistory() { FHistory->Clear(); }

void TdlgPictor::ForgetHistory() {
  ClearHistory();
  FHistoryIndex = -1;
}

void TdlgPictor::InitializeHistory() {
  ForgetHistory();
  FBitmap->MarkChanged(TBitmap::kEverywhere);
  if (FBitmap->Width() > 0 && FBitmap->Height() > 0) AddToHistory();
  UpdateHistoryButtons();
}

void TdlgPictor::AddToHistory() {
  FHistoryIndex = FHistory->Record(*FBitmap, FHistoryIndex);
  FBitmap->ClearChanged();
  UpdateHistoryButtons();
}

void TdlgPictor::Undo() {
  const TTool& tool = CurrentTool();
  // Typed text: only the text goes.
  if (tool.family == TToolFamily::Text && !FText.empty()) {
    FText.clear();
    if (!FCaretShown) tiTextTimer(tiText.get());
    FShape->Assign(FBitmap.get());
    DrawText_(FShape.get());
    FTextPos.X = -1;
    return;
  }
  // An unfinished curve or polygon: only the figure goes.
  if ((tool.family == TToolFamily::Curve || tool.family == TToolFamily::Polygon) &&
      FPointCount > 0) {
    FPointCount = 0;
    ResetPreview();
    Draw();
    return;
  }
  if (FHistoryIndex > 0) {
    // The index moves once the image is restored, so a failed restore
    // leaves the two matching.
    FHistory->Restore(FHistoryIndex - 1, *FBitmap, FHistoryIndex);
    FBitmap->ClearChanged();
    --FHistoryIndex;
    if (tool.Has(TToolFlag::UsesPreview)) {
      FText.clear();
      FTextPos.X = -1;
      ResetPreview();
    }
    Draw();
  }
  UpdateHistoryButtons();
}

void TdlgPictor::Redo() {
  if (FHistoryIndex < FHistory->Count() - 1) {
    FHistory->Restore(FHistoryIndex + 1, *FBitmap, FHistoryIndex);
    FBitmap->ClearChanged();
    ++FHistoryIndex;
    // The typed text and its position stay: typing goes on where it was.
    if (CurrentTool().Has(TToolFlag::UsesPreview)) ResetPreview();
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
