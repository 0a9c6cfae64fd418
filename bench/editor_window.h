// The editor window as the editor's benchmarks drive it: shown on a picture
// with a tool chosen, its view 1280 x 800, and each timed step followed by
// the repaint of that view.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "editor/dlg_pictor.h"

namespace pictor::bench {

inline constexpr int kViewWidth = 1280;
inline constexpr int kViewHeight = 800;

// A shown editor window on a copy of the picture with the tool chosen, its
// scroll box kViewWidth x kViewHeight, scrolled to the image's middle.
std::unique_ptr<TdlgPictor> ToolWindow(TBitmap& picture, TSpeedButton* Ui::dlgPictor::*tool);

// Times step(i) (i = 1, 2, ...) once per iteration, each followed by the
// repaint of the view, and fails the run unless each one repainted the view,
// and no more than the view.
void TimeSteps(benchmark::State& state, TdlgPictor& window, const std::function<void(int)>& step);

}  // namespace pictor::bench
