// One Draw plus the repaint of a 1000 x 800 view of the editor window, for an
// 8192 x 8192 image against a 1024 x 1024 one, at zoom 1 and 5: the view
// renders only what is visible, so the image's size hardly counts. Both
// pictures fill the view, so both repaints draw as many pixels.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "editor/dlg_pictor.h"
#include "host/toolkit/application.h"

namespace pictor::bench {
namespace {

constexpr int kViewWidth = 1000;
constexpr int kViewHeight = 800;

// An editor window on a photo of side x side pixels at the zoom, its view
// kViewWidth x kViewHeight and scrolled to the middle of the image.
std::unique_ptr<TdlgPictor> OpenView(int side, int zoom) {
  auto dialog = std::make_unique<TdlgPictor>();
  dialog->SetFrame(PhotoBitmap(side).get());
  dialog->sbPen->SetDown(true);
  if (zoom == 5) {
    dialog->sbZoom2->SetDown(true);
    dialog->Zoom();
  }
  dialog->Show();
  // Grow the window until the scroll box shows the whole view.
  for (int i = 0; i < 3; ++i) {
    dialog->SetClientWidth(dialog->ClientWidth() + kViewWidth - dialog->ScrollBox->ClientWidth());
    dialog->SetClientHeight(dialog->ClientHeight() + kViewHeight -
                            dialog->ScrollBox->ClientHeight());
  }
  dialog->ScrollBox->SetHorzScrollPosition(side * zoom / 2);
  dialog->ScrollBox->SetVertScrollPosition(side * zoom / 2);
  Application->ProcessMessages();  // the window is exposed and laid out
  return dialog;
}

BenchFn DrawAndRepaint(int side, int zoom) {
  return [side, zoom](benchmark::State& state) {
    auto dialog = OpenView(side, zoom);
    TPaintBox& view = *dialog->PaintBox;
    view.Repaint();
    const long long pixelsBefore = view.PaintedPixels();
    const long long paintsBefore = view.PaintCount();
    for (auto _ : state) {
      dialog->Draw();
      view.Repaint();
    }
    const long long paints = view.PaintCount() - paintsBefore;
    state.counters["paints"] = static_cast<double>(paints);
    const double perRepaint =
        paints ? static_cast<double>(view.PaintedPixels() - pixelsBefore) / paints : 0;
    state.counters["view_w"] = dialog->ScrollBox->ClientWidth();
    state.counters["view_h"] = dialog->ScrollBox->ClientHeight();
    state.counters["painted_px"] = perRepaint;
    if (paints < static_cast<long long>(state.iterations()))
      state.SkipWithError("the view was not repainted at every step");
    else if (perRepaint > 1.05 * kViewWidth * kViewHeight)
      state.SkipWithError("a repaint rendered more than the visible view");
  };
}

[[maybe_unused]] const bool kRegistered = [] {
  const std::size_t viewBytes = std::size_t{kViewWidth} * kViewHeight * 4;
  for (int zoom : {1, 5})
    RegisterPair("EditorDrawView8192vs1024/zoom" + std::to_string(zoom), zoom == 1 ? 1.3 : 1.5,
                 viewBytes, DrawAndRepaint(8192, zoom), DrawAndRepaint(1024, zoom));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
