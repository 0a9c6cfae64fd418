// The text tool and the colour strip through the editor window's own
// handlers, with the view 1280 x 800: one typed character on a 4096 x 4096
// image (the preview made afresh from the image, the text drawn, the view
// drawn and repainted) against a memcpy of the image; a caret tick on an
// 8192 x 8192 image against the same on a 1024 x 1024 one, in a 1000 x 800
// view (the tick costs the view, not the image); and loading a 256-entry palette into the strip with
// its repaint, reported beside a memcpy of the view.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "bench/editor_window.h"
#include "editor/dlg_pictor.h"

namespace pictor::bench {
namespace {

// A text tool window on the photo, with a text place in the middle of the view.
std::unique_ptr<TdlgPictor> TypingWindow(TBitmap& photo, ViewSize view = {}) {
  auto window = ToolWindow(photo, &Ui::dlgPictor::sbText, view);
  const int middle = photo.Width() / 2 + 100;
  window->PaintBoxMouseDown(window->PaintBox, mbLeft, {}, middle, middle);
  window->PaintBoxMouseUp(window->PaintBox, mbLeft, {}, middle, middle);
  std::string start = "Text";
  for (char c : start) {
    std::string key(1, c);
    window->FormKeyPress(window.get(), key);
  }
  return window;
}

// A character and Backspace by turns, so the text keeps its length.
BenchFn TypedCharacter() {
  return [](benchmark::State& state) {
    auto window = TypingWindow(SharedPhoto());
    TimeSteps(state, *window, [&](int i) {
      std::string key = (i & 1) ? "W" : "\b";
      window->FormKeyPress(window.get(), key);
    });
  };
}

// The view is 1000 x 800, which both pictures fill, so that the two repaints
// draw as many pixels.
BenchFn CaretTick(int side) {
  return [side](benchmark::State& state) {
    std::unique_ptr<TBitmap> photo = PhotoBitmap(side);
    const ViewSize view{1000, kViewHeight};
    auto window = TypingWindow(*photo, view);
    TimeSteps(
        state, *window, [&](int) { window->tiTextTimer(window->tiText.get()); }, view);
  };
}

// The strip of a shown window, loaded again with the image's 256 entries.
BenchFn LoadStrip() {
  return [](benchmark::State& state) {
    std::unique_ptr<TBitmap> picture = PhotoBitmap(256);
    picture->SetPixelFormat(pf8bit);
    auto window = ToolWindow(*picture, &Ui::dlgPictor::sbPen);
    for (auto _ : state) window->SetColorPalette();
    int index = 0, red = 0, green = 0, blue = 0;
    if (!window->KPalette->GetEntryAt(30, 0, index, red, green, blue) ||
        !window->KPalette->TailExits())
      state.SkipWithError("the strip does not show the image's palette");
  };
}

[[maybe_unused]] const bool kRegistered = [] {
  const std::size_t viewBytes = std::size_t{kViewWidth} * kViewHeight * 4;
  const std::size_t imageBytes = ImageBytes(kSize, 24);
  RegisterPair("EditorTypedCharacter4096", 2.0, imageBytes, TypedCharacter(),
               MemcpyReference(imageBytes));
  RegisterPair("EditorCaretTick8192vs1024", 1.5, std::size_t{1000} * kViewHeight * 4,
               CaretTick(8192), CaretTick(1024));
  RegisterPair("EditorLoadPaletteStrip256", 0, viewBytes, LoadStrip(),
               MemcpyReference(viewBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
