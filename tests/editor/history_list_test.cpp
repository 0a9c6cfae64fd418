#include "editor/history_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <tuple>

#include "attributes/standard_palettes.h"
#include "editor/history_budget.h"
#include "host/graphics/canvas.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

// A bitmap of the format whose pixels follow a pattern that depends on
// seed, on its standard palette, as the editor holds its images.
std::unique_ptr<TBitmap> Patterned(TPixelFormat format, int width, int height, int seed) {
  auto bitmap = testing::PatternBitmap(format, width, height, seed);
  ApplyStandardPalette(*bitmap);
  return bitmap;
}

void ExpectSameImage(TBitmap& a, TBitmap& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  ASSERT_EQ(a.PixelFormat(), b.PixelFormat());
  const unsigned n = GetPaletteEntries(a.Palette(), 0, 0, nullptr);
  ASSERT_EQ(n, GetPaletteEntries(b.Palette(), 0, 0, nullptr));
  std::vector<PALETTEENTRY> pa(n), pb(n);
  GetPaletteEntries(a.Palette(), 0, n, pa.data());
  GetPaletteEntries(b.Palette(), 0, n, pb.data());
  EXPECT_EQ(pa, pb);
  if (a.Empty()) return;
  EXPECT_EQ(0,
            std::memcmp(a.Image().pixels.data(), b.Image().pixels.data(), a.Image().pixels.size()));
}

TEST(HistoryList, RestoresEveryFormatExactlyIntoAnyBitmap) {
  for (TPixelFormat format :
       {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
    SCOPED_TRACE(PixelFormatName(format));
    auto original = Patterned(format, 37, 29, 0);
    THistoryList history;
    history.Add(*original);

    // Into the same bitmap after painting over it ...
    auto painted = Patterned(format, 37, 29, 0);
    painted->Canvas()->Brush.Color = clBlue;
    painted->Canvas()->FillRect(Rect(3, 3, 30, 20));
    history.Restore(0, *painted);
    ExpectSameImage(*painted, *original);

    // ... and into one of another size, format and palette.
    TBitmap other;
    other.SetPixelFormat(format == pf1bit ? pf24bit : pf1bit);
    other.SetSize(5, 90);
    history.Restore(0, other);
    ExpectSameImage(other, *original);
  }
}

TEST(HistoryList, RestoresThePaletteOfATrueColourImage) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(8, 8);
  THistoryList history;
  history.Add(bitmap);  // no palette
  bitmap.SetPalette(WebPalette());
  history.Add(bitmap);  // the web palette, same pixels

  history.Restore(0, bitmap);
  EXPECT_EQ(bitmap.Palette(), HPALETTE{});
  history.Restore(1, bitmap);
  EXPECT_EQ(GetPaletteEntries(bitmap.Palette(), 0, 0, nullptr), 216u);
}

TEST(HistoryList, AnEmptyImageRestoresAsEmpty) {
  TBitmap empty;
  THistoryList history;
  history.Add(empty);
  auto bitmap = Patterned(pf24bit, 10, 10, 1);
  history.Restore(0, *bitmap);
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(history.MemoryUsed(), 0u);
}

TEST(HistoryList, SmallChangesShareTheUnchangedBlocks) {
  auto bitmap = Patterned(pf24bit, 512, 512, 2);  // 1536-byte rows: 2 x 8 tiles
  const std::size_t image = bitmap->Image().pixels.size();
  THistoryList history;
  history.Add(*bitmap);
  for (int i = 0; i < 5; ++i) {
    // As the editor does: the bitmap now equals the newest entry.
    bitmap->ClearChanged();
    bitmap->Canvas()->SetPixels(i * 100, i * 100, clFuchsia);
    history.Add(*bitmap);
  }
  EXPECT_EQ(history.Count(), 6);
  // Packing only lowers the figure.
  EXPECT_LE(history.MemoryUsed(), image + 5 * TSnapshot::kBlockSize + 6 * 216 * 4);
  std::set<const TSnapshot::Block*> blocks;
  for (int i = 0; i < history.Count(); ++i)
    history.Entry(i).ForEachTile([&](const void*, const TSnapshot::Block& b) { blocks.insert(&b); });
  EXPECT_EQ(blocks.size(), 16u + 5u);

  // Every entry still restores its own image.
  for (int i = 5; i >= 0; --i) {
    history.Restore(i, *bitmap);
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(bitmap->Canvas()->Pixels(k * 100, k * 100) == clFuchsia, k < i) << i << " " << k;
  }
}

TEST(HistoryList, RestoreIsExactWhateverTheBitmapHoldsNow) {
  // Both entries share every block; a change made to the bitmap afterwards,
  // without an entry, is still undone by a restore.
  auto bitmap = Patterned(pf8bit, 300, 300, 3);
  auto expected = Patterned(pf8bit, 300, 300, 3);
  THistoryList history;
  history.Add(*bitmap);
  history.Add(*bitmap);
  bitmap->Canvas()->SetPixels(299, 299, clWhite);
  bitmap->Canvas()->SetPixels(0, 0, clRed);
  history.Restore(0, *bitmap);
  ExpectSameImage(*bitmap, *expected);
}

TEST(HistoryList, DeleteAndClearRemoveEntries) {
  auto a = Patterned(pf4bit, 20, 20, 0);
  auto b = Patterned(pf4bit, 20, 20, 1);
  auto c = Patterned(pf4bit, 20, 20, 2);
  THistoryList history;
  history.Add(*a);
  history.Add(*b);
  history.Add(*c);
  history.Delete(1);
  ASSERT_EQ(history.Count(), 2);
  TBitmap out;
  history.Restore(1, out);
  ExpectSameImage(out, *c);
  EXPECT_THROW(history.Delete(2), std::out_of_range);
  history.Clear();
  EXPECT_EQ(history.Count(), 0);
}

TEST(HistoryList, RecordDropsTheEntriesAfterTheCurrentOneAndKeepsTheFirstWhenFull) {
  THistoryList history(3);
  std::vector<std::unique_ptr<TBitmap>> states;
  for (int seed = 0; seed < 6; ++seed) states.push_back(Patterned(pf8bit, 6, 6, seed));
  EXPECT_EQ(history.Record(*states[0], -1), 0);
  EXPECT_EQ(history.Record(*states[1], 0), 1);
  EXPECT_EQ(history.Record(*states[2], 1), 2);
  // Full: the oldest but the first goes.
  EXPECT_EQ(history.Record(*states[3], 2), 2);
  TBitmap out;
  for (int i : {0, 1, 2}) {
    history.Restore(i, out);
    ExpectSameImage(out, *states[i == 0 ? 0 : i + 1]);
  }
  // Recorded after the first entry: the two after it go.
  EXPECT_EQ(history.Record(*states[4], 0), 1);
  EXPECT_EQ(history.Count(), 2);
  history.Restore(1, out);
  ExpectSameImage(out, *states[4]);
}

// Random noise over a quarter of the image, at a place that depends on step.
void NoiseQuarter(TBitmap& bitmap, int step, std::mt19937& random) {
  const int w = bitmap.Width() / 2, h = bitmap.Height() / 2;
  const int left = (step % 2) * w, top = (step / 2 % 2) * h;
  for (int y = top; y < top + h; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = left * 3; x < (left + w) * 3; ++x) row[x] = static_cast<std::uint8_t>(random());
  }
}

TEST(HistoryList, KeepsWithinItsBudgetAndEveryKeptEntryRestoresExactly) {
  // Noise does not pack: each change costs a quarter of the 3 MiB image, and
  // 7 MiB hold the first image and a few changes only.
  constexpr std::size_t kBudget = 7u << 20;
  THistoryList history(19, kBudget);
  std::mt19937 random(5);
  auto bitmap = Patterned(pf24bit, 1024, 1024, 4);
  std::vector<std::unique_ptr<TBitmap>> recorded;  // the image of each step
  int current = -1;
  for (int step = 0; step < 30; ++step) {
    if (step > 0) NoiseQuarter(*bitmap, step, random);
    current = history.Record(*bitmap, current);
    bitmap->ClearChanged();
    recorded.push_back(std::make_unique<TBitmap>());
    recorded.back()->Assign(bitmap.get());
    ASSERT_GE(history.Count(), std::min(step + 1, 3));
    history.PackAll();
    EXPECT_LE(history.MemoryUsed(), kBudget + 19 * 1024) << step;  // palettes aside
  }
  // The first, the one before the last and the last are kept; so are the
  // entries between, in order, each the image of its own step.
  const int count = history.Count();
  ASSERT_LT(count, 19);
  std::vector<int> steps{0};
  for (int i = 1; i < count; ++i) steps.push_back(30 - count + i);
  for (int i = count - 1; i >= 0; --i) {  // undo ...
    history.Restore(i, *bitmap, i + 1 < count ? i + 1 : -1);
    bitmap->ClearChanged();
    ExpectSameImage(*bitmap, *recorded[steps[i]]);
  }
  for (int i = 1; i < count; ++i) {  // ... and redo
    history.Restore(i, *bitmap, i - 1);
    bitmap->ClearChanged();
    ExpectSameImage(*bitmap, *recorded[steps[i]]);
  }
}

TEST(HistoryList, RandomFiguresUndoAndRedoExactlyAcrossTileEdges) {
  // Widths whose rows end inside a tile, heights that end inside a tile row;
  // figures that straddle tile edges or fill whole tiles; undo and redo write only the tiles that
  // differ from the entry shown, over whatever the bitmap changed since.
  std::mt19937 random(9);
  for (auto [format, width, height] : {std::tuple{pf24bit, 701, 150}, std::tuple{pf4bit, 2301, 70},
                                       std::tuple{pf1bit, 9000, 67}, std::tuple{pf8bit, 1030, 130}}) {
    SCOPED_TRACE(PixelFormatName(format));
    auto bitmap = Patterned(format, width, height, 6);
    THistoryList history(8);
    std::vector<std::unique_ptr<TBitmap>> images;  // the image of each entry
    int current = -1;
    const auto record = [&] {
      images.resize(static_cast<std::size_t>(current + 1));  // the redo entries go
      current = history.Record(*bitmap, current);
      bitmap->ClearChanged();
      if (images.size() == static_cast<std::size_t>(current + 1))
        images.erase(images.begin() + 1);  // the capacity took the second entry
      images.push_back(std::make_unique<TBitmap>());
      images.back()->Assign(bitmap.get());
    };
    record();
    for (int step = 0; step < 40; ++step) {
      const int x = static_cast<int>(random() % width), y = static_cast<int>(random() % height);
      TCanvas& canvas = *bitmap->Canvas();
      canvas.Brush.Color = static_cast<TColor>(random() & 0xFFFFFF);
      // Every fourth fill is large: whole tiles of one colour, kept as their pattern.
      const bool large = step % 4 == 0;
      canvas.FillRect(Rect(large ? x / 8 : x, large ? 0 : y,
                           x + 1 + static_cast<int>(random() % (large ? 9000 : 300)),
                           y + 1 + static_cast<int>(random() % (large ? 200 : 80))));
      if (random() % 3 == 0) {  // undo or redo, after a change left unrecorded
        const int to = static_cast<int>(random() % static_cast<unsigned>(history.Count()));
        history.Restore(to, *bitmap, current);
        bitmap->ClearChanged();
        current = to;
        ExpectSameImage(*bitmap, *images[static_cast<std::size_t>(to)]);
      } else {
        record();
      }
      ASSERT_EQ(history.Count(), static_cast<int>(images.size()));
    }
  }
}

TEST(HistoryList, TheFirstEntryCopiesNothingYetKeepsItsImageThroughEveryWrite) {
  // The first entry reads the bitmap's pixels in place; each way of writing
  // them must leave the entry its image, restored into the bitmap itself or
  // into another, and the write's own result must stand.
  using Write = std::function<void(TBitmap&)>;
  TBitmap other;
  other.Assign(Patterned(pf24bit, 300, 150, 5).get());
  const std::vector<std::pair<const char*, Write>> writes = {
      {"canvas", [](TBitmap& b) { b.Canvas()->FillRect(Rect(250, 100, 260, 140)); }},
      {"flood fill",
       [](TBitmap& b) { b.Canvas()->FloodFill(1, 1, b.Canvas()->Pixels(1, 1), fsSurface); }},
      {"text", [](TBitmap& b) { b.Canvas()->TextOut(200, 120, "Wg"); }},
      {"scan line", [](TBitmap& b) { b.ScanLine(140)[700] ^= 0xFF; }},
      {"pixel bytes", [](TBitmap& b) { b.PixelBytes()[5] ^= 0xFF; }},
      {"assign", [&](TBitmap& b) { b.Assign(&other); }},
      {"resize", [](TBitmap& b) { b.SetSize(200, 300); }},
      {"format", [](TBitmap& b) { b.SetPixelFormat(pf8bit); }},
      {"swap refused", [&](TBitmap& b) { EXPECT_FALSE(b.SwapPixels(other, Rect(0, 0, 1, 1))); }},
  };
  for (const auto& [name, write] : writes) {
    SCOPED_TRACE(name);
    auto bitmap = Patterned(pf24bit, 300, 150, 2);
    bitmap->Canvas()->Brush.Color = clRed;
    auto before = Patterned(pf24bit, 300, 150, 2);
    THistoryList history;
    history.Record(*bitmap, -1);
    EXPECT_LE(history.MemoryUsed(), 1024u);  // the palette alone
    write(*bitmap);
    TBitmap written;
    written.Assign(bitmap.get());
    TBitmap elsewhere;
    history.Restore(0, elsewhere);
    ExpectSameImage(elsewhere, *before);
    history.Restore(0, *bitmap);
    ExpectSameImage(*bitmap, *before);
    if (std::string(name) != "swap refused") {
      EXPECT_FALSE(written.Width() == before->Width() && written.Height() == before->Height() &&
                   written.PixelFormat() == before->PixelFormat() &&
                   std::memcmp(written.Image().pixels.data(), before->Image().pixels.data(),
                               written.Image().pixels.size()) == 0);
    }
  }
  // A bitmap that goes before the history leaves the entry its copy.
  auto bitmap = Patterned(pf4bit, 301, 70, 3);
  auto before = Patterned(pf4bit, 301, 70, 3);
  THistoryList history;
  history.Record(*bitmap, -1);
  bitmap.reset();
  TBitmap elsewhere;
  history.Restore(0, elsewhere);
  ExpectSameImage(elsewhere, *before);
}

TEST(HistoryList, UniformChangesPackToAFractionOfTheImage) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(1024, 1024);
  THistoryList history;
  int current = -1;
  for (int i = 0; i < 19; ++i) {
    bitmap.Canvas()->Brush.Color = i % 2 ? clNavy : clYellow;
    bitmap.Canvas()->FillRect(Rect(0, 0, 1024, 1024));
    current = history.Record(bitmap, current);
    bitmap.ClearChanged();
  }
  history.PackAll();
  EXPECT_LT(history.MemoryUsed(), bitmap.PixelBytes().size() / 20);
  history.Restore(4, bitmap, 18);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1023, 1023), clYellow);
}

TEST(HistoryBudget, ReadsWholeMiBAndFallsBackToAQuarterOfTheMemory) {
  EXPECT_EQ(ParseHistoryBudget("64"), std::size_t{64} << 20);
  for (const char* bad : {"", "0", "-5", "12x", " 7", "99999999999999999999"})
    EXPECT_EQ(ParseHistoryBudget(bad), std::nullopt) << bad;
  EXPECT_GT(DefaultHistoryBudget(), 0u);
  EXPECT_LE(DefaultHistoryBudget(), std::size_t{2} << 30);
  ::setenv(kHistoryBudgetVariable, "3", 1);
  EXPECT_EQ(HistoryBudget(), std::size_t{3} << 20);
  ::setenv(kHistoryBudgetVariable, "lots", 1);
  EXPECT_EQ(HistoryBudget(), DefaultHistoryBudget());
  ::unsetenv(kHistoryBudgetVariable);
}

}  // namespace
}  // namespace pictor
