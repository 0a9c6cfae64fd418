// The editor window as the editor benchmarks drive it: shown, its view
// 1280 x 800, and each timed step followed by the repaint of that view.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>

#include "editor/dlg_pictor.h"

namespace pictor::bench {

inline constexpr int kViewWidth = 1280;
inline constexpr int kViewHeight = 800;

// A shown editor window on a copy of the picture with the tool chosen, its
// scroll box kViewWidth x kViewHeight, scrolled to the image's middle.
std::unique_ptr<TdlgPictor> ToolWindow(TBitmap& picture, TSpeedButton* Ui::dlgPictor::*tool);

// Checks after the timed loop that each step repainted the view, and no
// more than the view; reports the pixels rendered per repaint.
void CheckRepaints(benchmark::State& state, TdlgPictor& window, long long paintsBefore,
                   long long pixelsBefore);

// Times the step once per iteration, each followed by the repaint.
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
  CheckRepaints(state, window, paintsBefore, pixelsBefore);
}

}  // namespace pictor::bench
