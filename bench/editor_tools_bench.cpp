// The tools' costs through the editor window's own handlers, with the view
// 1280 x 800: a pen drag step on a 4096 x 4096 image against the same on a
// 1024 x 1024 one (the step must not grow with the image), a rectangle drag
// step against a memcpy of the image (copying the image into the preview is
// the only work that may grow with it), and a flood fill of a one-colour
// image against a memset of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "bench/editor_window.h"

namespace pictor::bench {
namespace {

// One move of the pen with the left button held, between two neighbouring
// pixels in the middle of the view, and the repaint. The view is 1000 x 800,
// which both pictures fill, so that the two repaints draw as many pixels.
BenchFn PenDragStep(int side) {
  return [side](benchmark::State& state) {
    std::unique_ptr<TBitmap> own;
    TBitmap& photo = side == kSize ? SharedPhoto() : *(own = PhotoBitmap(side));
    const ViewSize view{1000, kViewHeight};
    auto window = ToolWindow(photo, &Ui::dlgPictor::sbPen, view);
    const int x = side / 2 + 100;
    const int y = side / 2 + 100;
    window->PaintBoxMouseDown(window->PaintBox, mbLeft, {}, x, y);
    TimeSteps(
        state, *window,
        [&](int i) { window->PaintBoxMouseMove(window->PaintBox, {ssLeft}, x + (i & 1), y); },
        view);
    window->PaintBoxMouseUp(window->PaintBox, mbLeft, {}, x, y);
  };
}

BenchFn RectangleDragStep() {
  return [](benchmark::State& state) {
    auto window = ToolWindow(SharedPhoto(), &Ui::dlgPictor::sbRectangle);
    const int x = kSize / 2;
    window->PaintBoxMouseDown(window->PaintBox, mbLeft, {}, x, x);
    TimeSteps(state, *window, [&](int i) {
      const int end = x + 200 + (i & 1);
      window->PaintBoxMouseMove(window->PaintBox, {ssLeft}, end, end);
    });
    window->PaintBoxMouseUp(window->PaintBox, mbLeft, {}, x, x);
  };
}

// Each press fills the whole image, in black and white by turns.
BenchFn FloodFillPress() {
  return [](benchmark::State& state) {
    std::unique_ptr<TBitmap> solid = SolidBitmap(pf24bit, kSize, clWhite);
    auto window = ToolWindow(*solid, &Ui::dlgPictor::sbFill);
    TimeSteps(state, *window, [&](int i) {
      window->PaintBoxMouseDown(window->PaintBox, (i & 1) ? mbLeft : mbRight, {}, 7, 7);
    });
    window->PaintBoxMouseUp(window->PaintBox, mbLeft, {}, 7, 7);
  };
}

[[maybe_unused]] const bool kRegistered = [] {
  const std::size_t viewBytes = std::size_t{1000} * kViewHeight * 4;
  const std::size_t imageBytes = ImageBytes(kSize, 24);
  RegisterPair("EditorPenDragStep4096vs1024", 1.5, viewBytes, PenDragStep(kSize),
               PenDragStep(1024));
  RegisterPair("EditorRectangleDragStep4096", 3.0, imageBytes, RectangleDragStep(),
               MemcpyReference(imageBytes));
  RegisterPair("EditorFloodFill4096", 12.0, imageBytes, FloodFillPress(),
               MemsetReference(imageBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
