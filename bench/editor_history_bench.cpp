// AddToHistory then Undo in the editor window on a 4096 x 4096 24-bit photo,
// beside a memcpy of the image: a pen stroke's worth of change (the usual
// case, bounded) and a change of every pixel (the worst case, reported). The
// memory of 19 snapshots (packed) is reported as counters.
#include <benchmark/benchmark.h>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "editor/dlg_pictor.h"
#include "host/graphics/canvas.h"

namespace pictor::bench {
namespace {

constexpr std::size_t kBytes = ImageBytes(kSize, 24);

// The editor window on the shared photo with the pen tool current; returns
// the window's document.
TBitmap* OpenDocument(TdlgPictor& dialog) {
  dialog.SetFrame(&SharedPhoto());
  TBitmap* document = dialog.GetFrame();
  dialog.sbPen->SetDown(true);
  return document;
}

// A short pen stroke somewhere new each time.
void Stroke(TBitmap& document, int step) {
  const int x = (step * 97) % (kSize - 64);
  const int y = (step * 193) % (kSize - 64);
  TCanvas& canvas = *document.Canvas();
  canvas.Pen.Color = clRed;
  canvas.MoveTo(x, y);
  canvas.LineTo(x + 40, y + 30);
}

// Bytes that 19 snapshots (the start and 18 strokes) hold.
double NineteenSnapshotsMiB() {
  TBitmap document;
  document.Assign(&SharedPhoto());
  THistoryList history;
  history.Add(document);
  for (int i = 1; i < TdlgPictor::kHistoryCapacity; ++i) {
    // As the editor does: the document now equals the newest entry.
    document.ClearChanged();
    Stroke(document, i);
    history.Add(document);
  }
  history.PackAll();
  return static_cast<double>(history.MemoryUsed()) / (1 << 20);
}

void AddThenUndoAfterStroke(benchmark::State& state) {
  TdlgPictor dialog;
  TBitmap* document = OpenDocument(dialog);
  int step = 0;
  for (auto _ : state) {
    Stroke(*document, ++step);
    dialog.AddToHistory();
    dialog.Undo();
  }
  if (!SampledPixelsEqual(*document, SharedPhoto(), 7) || !dialog.CanRedo())
    state.SkipWithError("undo did not restore the image");
  state.counters["snapshots19_MiB"] = NineteenSnapshotsMiB();
  state.counters["image_MiB"] = static_cast<double>(kBytes) / (1 << 20);
}

void AddThenUndoAfterWholeChange(benchmark::State& state) {
  TdlgPictor dialog;
  TBitmap* document = OpenDocument(dialog);
  TColor color = clBlack;
  for (auto _ : state) {
    state.PauseTiming();
    color ^= 0xFFFFFF;
    document->Canvas()->Brush.Color = color;
    document->Canvas()->FillRect(Rect(0, 0, kSize, kSize));
    state.ResumeTiming();
    dialog.AddToHistory();
    dialog.Undo();
  }
  if (!SampledPixelsEqual(*document, SharedPhoto(), 7))
    state.SkipWithError("undo did not restore the image");
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("EditorAddToHistoryUndo/stroke", 2, kBytes, AddThenUndoAfterStroke,
               MemcpyReference(kBytes));
  RegisterPair("EditorAddToHistoryUndo/every_pixel", 0, kBytes, AddThenUndoAfterWholeChange,
               MemcpyReference(kBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
