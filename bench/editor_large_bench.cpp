// Costs that follow the change, not the picture, through the editor window's
// own handlers with the view 1280 x 800: on a 12000 x 12000 24-bit photo
// beside the same on 1024 x 1024, for a figure or stroke of the same size,
// the rectangle's drag step, its press and release (with the history entry),
// the pen's release (with the history entry) and the release of a fill of a
// framed area; the fill of a whole 12000 x 12000 image beside a memset of it,
// with the history's memory after 19 such fills of an 8192 x 8192 image in
// alternating colours as a counter; and the opening of the editor on a
// 12000 x 12000 photo (EditPictureProperty until the window has painted)
// beside a memcpy of the image.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "bench/editor_window.h"
#include "editor/edit_picture_property.h"
#include "host/graphics/canvas.h"
#include "host/graphics/picture.h"
#include "host/toolkit/test_hooks.h"

namespace pictor::bench {
namespace {

constexpr int kLarge = 12000;
constexpr int kSmall = 1024;

// A window on a photo of the side with the tool chosen. The photos are made
// once per side: the large one takes a while.
std::unique_ptr<TdlgPictor> WindowOn(int side, TSpeedButton* Ui::dlgPictor::*tool) {
  static std::unique_ptr<TBitmap> large, small;
  std::unique_ptr<TBitmap>& photo = side == kLarge ? large : small;
  if (!photo) photo = PhotoBitmap(side);
  return ToolWindow(*photo, tool);
}

void Press(TdlgPictor& w, int x, int y, TMouseButton b = mbLeft) {
  w.PaintBoxMouseDown(w.PaintBox, b, {}, x, y);
}
void DragTo(TdlgPictor& w, int x, int y) { w.PaintBoxMouseMove(w.PaintBox, {ssLeft}, x, y); }
void Release(TdlgPictor& w, int x, int y, TMouseButton b = mbLeft) {
  w.PaintBoxMouseUp(w.PaintBox, b, {}, x, y);
}

BenchFn RectangleDragStep(int side) {
  return [side](benchmark::State& state) {
    auto window = WindowOn(side, &Ui::dlgPictor::sbRectangle);
    const int m = side / 2;
    Press(*window, m, m);
    TimeSteps(state, *window, [&](int i) { DragTo(*window, m + 200 + (i & 1), m + 150); });
    Release(*window, m, m);
  };
}

// Press, one drag step and the release of a 200 x 150 rectangle, recorded.
// The window's first figure, which makes its preview (a copy of the whole
// image into new memory, once per window), is drawn before the timing.
BenchFn RectanglePressRelease(int side) {
  return [side](benchmark::State& state) {
    auto window = WindowOn(side, &Ui::dlgPictor::sbRectangle);
    const int m = side / 2;
    Press(*window, m, m);
    Release(*window, m + 1, m + 1);
    TimeSteps(state, *window, [&](int i) {
      Press(*window, m + (i & 7), m);
      DragTo(*window, m + 200, m + 150);
      Release(*window, m + 200, m + 150);
    });
  };
}

// The release of a 300-pixel pen stroke, which records it.
BenchFn PenRelease(int side) {
  return [side](benchmark::State& state) {
    auto window = WindowOn(side, &Ui::dlgPictor::sbPen);
    const int m = side / 2;
    int i = 0;
    for (auto _ : state) {
      state.PauseTiming();
      const int y = m + (++i & 63);
      Press(*window, m, y);
      for (int x = m + 10; x <= m + 300; x += 10) DragTo(*window, x, y);
      state.ResumeTiming();
      Release(*window, m + 300, y);
    }
  };
}

// A 300 x 200 black frame is drawn first; each press and release fills its
// inside, by turns in the foreground and the background colour.
BenchFn FramedFillRelease(int side) {
  return [side](benchmark::State& state) {
    auto window = WindowOn(side, &Ui::dlgPictor::sbFill);
    TBitmap& document = *window->GetFrame();
    const int m = side / 2;
    TCanvas& canvas = *document.Canvas();
    canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.Rectangle(m, m, m + 300, m + 200);
    window->AddToHistory();
    // GetFrame made the marquee the current tool, as OK does.
    window->sbFill->SetDown(true);
    window->sbFill->Click();
    TimeSteps(state, *window, [&](int i) {
      const TMouseButton button = (i & 1) ? mbLeft : mbRight;
      Press(*window, m + 5, m + 5, button);
      Release(*window, m + 5, m + 5, button);
    });
  };
}

// Bytes the history holds after 19 fills of the whole 8192 x 8192 image in
// two colours by turns, beside the image's own bytes.
double HistoryAfterNineteenFills() {
  std::unique_ptr<TBitmap> solid = SolidBitmap(pf24bit, 8192, clWhite);
  THistoryList history(19);
  int current = -1;
  for (int i = 0; i < 19; ++i) {
    solid->Canvas()->Brush.Color = (i & 1) ? clNavy : clOlive;
    solid->Canvas()->FillRect(Rect(0, 0, 8192, 8192));
    current = history.Record(*solid, current);
    solid->ClearChanged();
  }
  history.PackAll();
  return static_cast<double>(history.MemoryUsed()) / static_cast<double>(solid->PixelBytes().size());
}

// Each press and release fills the whole white image, recorded.
void WholeFillRelease(benchmark::State& state) {
  std::unique_ptr<TBitmap> solid = SolidBitmap(pf24bit, kLarge, clWhite);
  auto window = ToolWindow(*solid, &Ui::dlgPictor::sbFill);
  solid.reset();
  TimeSteps(state, *window, [&](int i) {
    const TMouseButton button = (i & 1) ? mbLeft : mbRight;
    Press(*window, 7, 7, button);
    Release(*window, 7, 7, button);
  });
  state.counters["history19fills8192_vs_image"] = HistoryAfterNineteenFills();
}

// EditPictureProperty on a picture holding the photo, timed until the
// window shown has painted its view; its closing is not timed.
void OpenToFirstPaint(benchmark::State& state) {
  // Made once for all runs of the case, so that each run does not free and
  // ask again for 824 MiB around the opens it times. Left to the end of the
  // process on purpose.
  static TPicture& picture = *[] {
    auto* made = new TPicture;
    made->Bitmap()->Assign(PhotoBitmap(kLarge).get());
    return made;
  }();
  // One open before the timing: the first 412 MiB of huge pages a process
  // asks for after other work may wait for the kernel to make them (over a
  // second on this machine, once), which is not the open's own cost.
  test_hooks::ScriptModal([](TForm&) {});
  EditPictureProperty(&picture);
  for (auto _ : state) {
    test_hooks::ScriptModal([&](TForm& form) {
      dynamic_cast<TdlgPictor&>(form).PaintBox->Repaint();
      state.PauseTiming();
    });
    EditPictureProperty(&picture);
    state.ResumeTiming();
  }
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("EditorRectangleDragStep12000vs1024", 2.0, ImageBytes(kLarge, 24),
               RectangleDragStep(kLarge), RectangleDragStep(kSmall));
  RegisterPair("EditorRectanglePressRelease12000vs1024", 2.0, ImageBytes(kLarge, 24),
               RectanglePressRelease(kLarge), RectanglePressRelease(kSmall));
  RegisterPair("EditorPenRelease12000vs1024", 2.0, ImageBytes(kLarge, 24), PenRelease(kLarge),
               PenRelease(kSmall));
  RegisterPair("EditorFillRelease12000vs1024", 2.0, ImageBytes(kLarge, 24),
               FramedFillRelease(kLarge), FramedFillRelease(kSmall));
  RegisterPair("EditorOpen12000", 2.5, ImageBytes(kLarge, 24), OpenToFirstPaint,
               MemcpyReference(ImageBytes(kLarge, 24)));
  RegisterPair("EditorWholeFillRelease12000", 3.0, ImageBytes(kLarge, 24), WholeFillRelease,
               MemsetReference(ImageBytes(kLarge, 24)));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
