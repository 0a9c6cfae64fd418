#include "bench/editor_window.h"

#include "host/toolkit/application.h"

namespace pictor::bench {

std::unique_ptr<TdlgPictor> ToolWindow(TBitmap& picture, TSpeedButton* Ui::dlgPictor::*tool,
                                       ViewSize view) {
  auto window = std::make_unique<TdlgPictor>();
  window->SetFrame(&picture);
  TSpeedButton* button = (*window).*tool;
  button->SetDown(true);
  button->Click();
  window->Show();
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int dw = view.width - window->ScrollBox->ClientWidth();
    const int dh = view.height - window->ScrollBox->ClientHeight();
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

void CheckRepaints(benchmark::State& state, TdlgPictor& window, long long paintsBefore,
                   long long pixelsBefore, ViewSize size) {
  TPaintBox& view = *window.PaintBox;
  const long long paints = view.PaintCount() - paintsBefore;
  const double perRepaint =
      paints ? static_cast<double>(view.PaintedPixels() - pixelsBefore) / paints : 0;
  state.counters["painted_px"] = perRepaint;
  if (window.ScrollBox->ClientWidth() != size.width ||
      window.ScrollBox->ClientHeight() != size.height)
    state.SkipWithError("the view is not of the case's size");
  else if (paints < static_cast<long long>(state.iterations()))
    state.SkipWithError("the view was not repainted at every step");
  else if (perRepaint > 1.05 * size.width * size.height)
    state.SkipWithError("a repaint rendered more than the visible view");
}

}  // namespace pictor::bench
