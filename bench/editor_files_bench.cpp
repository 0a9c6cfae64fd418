// The file commands through the editor window's handlers, with the dialogs
// answered by script: a new 10000 x 10000 24-bit image against a memset of
// its bytes (and the first history snapshot it takes, against a memcpy),
// loading a 4096 x 4096 24-bit bitmap file against TBitmap::LoadFromFile of
// the same file alone, and the attributes changing a 4096 x 4096 24-bit
// image to 256 colours against a memcpy of the image.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "attributes/image_attributes_dialog.h"
#include "attributes/standard_palettes.h"
#include "bench/bench_images.h"
#include "bench/bench_pairs.h"
#include "editor/dlg_pictor.h"
#include "editor/history_list.h"
#include "host/toolkit/test_hooks.h"

namespace pictor::bench {
namespace {

constexpr int kNewSide = 10000;
constexpr std::size_t kNewBytes = ImageBytes(kNewSide, 24);
constexpr std::size_t kPhotoBytes = ImageBytes(kSize, 24);
constexpr int kRow24Bits = 3;
constexpr int kRow256Colors = 2;

// The next attributes dialog takes this size and colour row and OK.
void AnswerAttributes(int side, int row) {
  test_hooks::ScriptModal([=](TForm& form) {
    auto& dialog = dynamic_cast<TdlgImageAttributes&>(form);
    dialog.seWidth->SetValue(side);
    dialog.seHeight->SetValue(side);
    dialog.gbColors->SetItemIndex(row);
    dialog.btOK->Click();
  });
}

void NewImage(benchmark::State& state) {
  TdlgPictor dialog;
  // Two News before the timing. A New makes its image while the old one is
  // held, so from then on the two take turns with the memory the library
  // keeps for the next image; the first two get new memory from the kernel,
  // which may first have to make huge pages (up to a second here). A timing
  // that began with them chose one or two iterations a run and kept that
  // wait in its figures.
  for (int i = 0; i < 2; ++i) {
    AnswerAttributes(kNewSide, kRow24Bits);
    dialog.btNewClick(nullptr);
  }
  for (auto _ : state) {
    AnswerAttributes(kNewSide, kRow24Bits);
    dialog.btNewClick(nullptr);
  }
  TBitmap* document = dialog.GetFrame();
  if (document->Width() != kNewSide || document->PixelFormat() != pf24bit ||
      !SampledPixelsAre(*document, clWhite, 997))
    state.SkipWithError("no blank 24-bit image of the size");
}

// The first snapshot of the history: the whole image copied into blocks.
void FirstSnapshot(benchmark::State& state) {
  std::unique_ptr<TBitmap> blank = SolidBitmap(pf24bit, kNewSide, clWhite);
  for (auto _ : state) {
    THistoryList history;
    history.Add(*blank);
    benchmark::DoNotOptimize(history.MemoryUsed());
  }
}

// The shared photo as a bitmap file, written once for the process.
const std::string& PhotoFile() {
  // Kept to the end: the file goes at exit.
  static const std::string* const name = [] {
    auto* file = new std::string("/tmp/pictor-bench-photo-" + std::to_string(getpid()) + ".bmp");
    SharedPhoto().SaveToFile(*file);
    std::atexit([] { std::remove(PhotoFile().c_str()); });
    return file;
  }();
  return *name;
}

void LoadThroughEditor(benchmark::State& state) {
  TdlgPictor dialog;
  const std::string& file = PhotoFile();
  for (auto _ : state) {
    test_hooks::ScriptFileDialog(file);
    dialog.btLoadClick(nullptr);
  }
  if (!SampledPixelsEqual(*dialog.GetFrame(), SharedPhoto(), 61))
    state.SkipWithError("the loaded picture differs");
}

void LoadFromFileAlone(benchmark::State& state) {
  const std::string& file = PhotoFile();
  for (auto _ : state) {
    TBitmap bitmap;
    bitmap.LoadFromFile(file);
    benchmark::DoNotOptimize(bitmap.Image().pixels.data());
  }
}

void AttributesTo256Colors(benchmark::State& state) {
  // The photo as the editor holds a 24-bit document: with the web palette.
  TBitmap photo;
  photo.Assign(&SharedPhoto());
  photo.SetPalette(WebPalette());
  TdlgPictor dialog;
  for (auto _ : state) {
    state.PauseTiming();
    dialog.SetFrame(&photo);
    AnswerAttributes(kSize, kRow256Colors);
    state.ResumeTiming();
    dialog.btAttributesClick(nullptr);
  }
  TBitmap* document = dialog.GetFrame();
  if (document->PixelFormat() != pf8bit || !SampledWebCopyMatches(SharedPhoto(), *document, 61))
    state.SkipWithError("the image is not the photo in the web palette");
}

[[maybe_unused]] const bool kRegistered = [] {
  RegisterPair("EditorNew10000", 2.0, kNewBytes, NewImage, MemsetReference(kNewBytes));
  RegisterPair("EditorNewFirstSnapshot10000", 2.0, kNewBytes, FirstSnapshot,
               MemcpyReference(kNewBytes));
  RegisterPair("EditorLoadBmp4096", 1.5, kPhotoBytes, LoadThroughEditor, LoadFromFileAlone);
  RegisterPair("EditorAttributes24To256Colors4096", 25.0, kPhotoBytes, AttributesTo256Colors,
               MemcpyReference(kPhotoBytes));
  return true;
}();

}  // namespace
}  // namespace pictor::bench
