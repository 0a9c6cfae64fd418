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
#include "editor/dlg_pictor.h"
#include "host/toolkit/application.h"

namespace pictor::bench {
namespace {

constexpr int kViewWidth = 1280;
constexpr int kViewHeight = 800;

// A shown editor window on a copy of the picture with the tool chosen, its
// scroll box kViewWidth x kViewHeight, scrolled to the image's middle.
std::unique_ptr<TdlgPictor> ToolWindow(TBitmap& picture, TSpeedButton* Ui::dlgPictor::*tool) {
  auto window = std::make_unique<TdlgPictor>();
  window->SetFrame(&picture);
  TSpeedButton* button = (*window).*tool;
  button->SetDown(true);
  button->Click();
  window->Show();
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int dw = kViewWidth - window->ScrollBox->ClientWidth();
    const int dh = kViewHeight - window->ScrollBox->ClientHeight();
    if (dw == 0 && dh == 0) break;
    window->SetClientWidth(window->ClientWidth() + dw);
    window->SetClientHeight(window->ClientHeight() + dh);
  }
  window->ScrollBox->SetHorzScrollPosition(picture.Width() / 2);
  window->ScrollBox->SetVertScrollPosition(picture.Height() / 2);
  // The window is exposed once its events are handled; only then does it paint.
  Application->ProcessMessages();
  return window;
}

// Times the step once per iteration and checks that each one repainted the
// view, and no more than the view.
template <typename Step>
void TimeSteps(benchmark::State& state, TdlgPictor& window, Step step) {
  TPaintBox& view = *window.PaintBox;
  const long long paintsBefore = view.PaintCount();
  const long long pixelsBefore = view.PaintedPixels();
  int i = 0;
  for (auto _ : state) {
    step(++i);
    view.Repaint();
  }
  const long long paints = view.PaintCount() - paintsBefore;
  const double perRepaint =
      paints ? static_cast<double>(view.PaintedPixels() - pixelsBefore) / paints : 0;
  state.counters["painted_px"] = perRepaint;
  if (window.ScrollBox->ClientWidth() != kViewWidth ||
      window.ScrollBox->ClientHeight() != kViewHeight)
    state.SkipWithError("the view is not 1280 x 800");
  else if (paints < static_cast<long long>(state.iterations()))
    state.SkipWithError("the view was not repainted at every step");
  else if (perRepaint > 1.05 * kViewWidth * kViewHeight)
    state.SkipWithError("a repaint rendered more than the visible view");
}

// One move of the pen with the left button held, between two neighbouring
// pixels in the middle of the view, and the repaint.
BenchFn PenDragStep(int side) {
  return [side](benchmark::State& state) {
    std::unique_ptr<TBitmap> own;
    TBitmap& photo = side == kSize ? SharedPhoto() : *(own = PhotoBitmap(side));
    auto window = ToolWindow(photo, &Ui::dlgPictor::sbPen);
    const int x = side / 2 + 100;
    const int y = side / 2 + 100;
    window->PaintBoxMouseDown(window->PaintBox, mbLeft, {}, x, y);
    TimeSteps(state, *window, [&](int i) {
      window->PaintBoxMouseMove(window->PaintBox, {ssLeft}, x + (i & 1), y);
    });
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
  const std::size_t viewBytes = std::size_t{kViewWidth} * kViewHeight * 4;
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
