// The selection's costs through the editor window's own handlers, with the
// view 1280 x 800, on a 24-bit photo beside a memcpy of the image: a marquee
// move drag step (the preview reset, the vacated fill, the rectangle copy,
// Draw and the repaint), a lasso move drag step with a 1000-point outline
// over most of the image, and the drop with its history entry. The marquee
// step on an 8192 x 8192 photo against the same on 4096 x 4096 shows that a
// step grows with the image no more than linearly.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "bench/editor_window.h"

namespace pictor::bench {
namespace {

// The points of the lasso outline.
constexpr int kOutlinePoints = 1000;

void Press(TdlgPictor& window, int x, int y) {
  window.PaintBoxMouseMove(window.PaintBox, {}, x, y);  // the hover decides the mode
  window.PaintBoxMouseDown(window.PaintBox, mbLeft, {}, x, y);
}
void DragTo(TdlgPictor& window, int x, int y) {
  window.PaintBoxMouseMove(window.PaintBox, {ssLeft}, x, y);
}
void Release(TdlgPictor& window, int x, int y) {
  window.PaintBoxMouseUp(window.PaintBox, mbLeft, {}, x, y);
}

// Steps of a selection dragged from the middle of the image by 40 pixels to
// the right and back, by turns.
void TimeMoveSteps(benchmark::State& state, TdlgPictor& window, int side) {
  const int middle = side / 2;
  Press(window, middle, middle);
  TimeSteps(state, window, [&](int i) { DragTo(window, middle + (i & 1) * 40, middle); });
  Release(window, middle, middle);
}

// A marquee over all of the image but a border of a sixteenth of its side.
BenchFn MarqueeMoveStep(int side) {
  return [side](benchmark::State& state) {
    std::unique_ptr<TBitmap> own;
    TBitmap& photo = side == kSize ? SharedPhoto() : *(own = PhotoBitmap(side));
    auto window = ToolWindow(photo, &Ui::dlgPictor::sbMarquee);
    const int margin = side / 16;
    Press(*window, margin, margin);
    DragTo(*window, side - margin, side - margin);
    Release(*window, side - margin, side - margin);
    TimeMoveSteps(state, *window, side);
  };
}

// The window with the lasso outline is drawn once (a thousand drag steps on
// the large image) and kept for the runs of its case; the reference run
// that follows them frees it.
TdlgPictor* lassoWindow = nullptr;

TdlgPictor& LassoWindow() {
  if (lassoWindow) return *lassoWindow;
  lassoWindow = ToolWindow(SharedPhoto(), &Ui::dlgPictor::sbLasso).release();
  // A hand-drawn loop around the middle: its radius wavers between 13/32
  // and 15/32 of the side.
  const double middle = kSize / 2.0;
  for (int i = 0; i < kOutlinePoints; ++i) {
    const double angle = 2 * std::numbers::pi * i / kOutlinePoints;
    const double radius = kSize * (14.0 + std::sin(5 * angle)) / 32;
    const int x = static_cast<int>(middle + radius * std::cos(angle));
    const int y = static_cast<int>(middle + radius * std::sin(angle));
    if (i == 0)
      Press(*lassoWindow, x, y);
    else
      DragTo(*lassoWindow, x, y);
    if (i == kOutlinePoints - 1) Release(*lassoWindow, x, y);
  }
  return *lassoWindow;
}

void LassoMoveStep(benchmark::State& state) { TimeMoveSteps(state, LassoWindow(), kSize); }

BenchFn AfterLasso(BenchFn reference) {
  return [reference = std::move(reference)](benchmark::State& state) {
    delete lassoWindow;
    lassoWindow = nullptr;
    reference(state);
  };
}

// Each drop commits the whole image moved by one pixel, left and right by
// turns, through the marquee page's leave step, and records it.
void DropWithHistoryEntry(benchmark::State& state) {
  auto window = ToolWindow(SharedPhoto(), &Ui::dlgPictor::sbMarquee);
  TPaintBox& view = *window->PaintBox;
  const long long paintsBefore = view.PaintCount();
  const long long pixelsBefore = view.PaintedPixels();
  const int middle = kSize / 2;
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window->SelectAll();
    Press(*window, middle, middle);
    DragTo(*window, middle + ((++i & 1) ? 1 : -1), middle);
    Release(*window, middle + ((i & 1) ? 1 : -1), middle);
    state.ResumeTiming();
    window->tsHide(window->tsMarquee);
    view.Repaint();
  }
  CheckRepaints(state, *window, paintsBefore, pixelsBefore, {});
  if (window->CanRedo() || !window->CanUndo()) state.SkipWithError("no history entry recorded");
}

[[maybe_unused]] const bool kRegistered = [] {
  const std::size_t imageBytes = ImageBytes(kSize, 24);
  RegisterPair("EditorMarqueeMoveStep4096", 3.0, imageBytes, MarqueeMoveStep(kSize),
               MemcpyReference(imageBytes));
  RegisterPair("EditorLassoMoveStep4096", 5.0, imageBytes, LassoMoveStep,
               AfterLasso(MemcpyReference(imageBytes)));
  RegisterPair("EditorSelectionDrop4096", 3.0, imageBytes, DropWithHistoryEntry,
               MemcpyReference(imageBytes));
  RegisterPair("EditorMarqueeMoveStep8192vs4096", 4.5, ImageBytes(8192, 24),
               MarqueeMoveStep(8192), MarqueeMoveStep(kSize));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
