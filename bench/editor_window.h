// The editor window as the editor benchmarks drive it: shown, its view
// 1280 x 800 unless a case names another size, and each timed step followed
// by the repaint of that view.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>

#include "editor/dlg_pictor.h"

namespace pictor::bench {

inline constexpr int kViewWidth = 1280;
inline constexpr int kViewHeight = 800;

struct ViewSize {
  int width = kViewWidth, height = kViewHeight;
};

// A shown editor window on a copy of the picture with the tool chosen, its
// scroll box of the view's size, scrolled to the image's middle.
std::unique_ptr<TdlgPictor> ToolWindow(TBitmap& picture, TSpeedButton* Ui::dlgPictor::*tool,
                                       ViewSize view = {});

// Checks after the timed loop that each step repainted the view, and no
// more than the view; reports the pixels rendered per repaint.
void CheckRepaints(benchmark::State& state, TdlgPictor& window, long long paintsBefore,
                   long long pixelsBefore, ViewSize size);

// Times the step once per iteration, each followed by the repaint.
template <typename Step>
void TimeSteps(benchmark::State& state, TdlgPictor& window, Step step, ViewSize size = {}) {
  TPaintBox& view = *window.PaintBox;
  const long long paintsBefore = view.PaintCount();
  const long long pixelsBefore = view.PaintedPixels();
  int i = 0;
  for (auto _ : state) {
    step(++i);
    view.Repaint();
  }
  CheckRepaints(state, window, paintsBefore, pixelsBefore, size);
}

}  // namespace pictor::bench
