#include "editor/history_list.h"

#include <gtest/gtest.h>

#include <cstring>

#include "attributes/standard_palettes.h"
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
  auto bitmap = Patterned(pf24bit, 512, 512, 2);  // 768 KiB: 12 blocks
  const std::size_t image = bitmap->Image().pixels.size();
  THistoryList history;
  history.Add(*bitmap);
  for (int i = 0; i < 5; ++i) {
    bitmap->Canvas()->SetPixels(i * 100, i * 100, clFuchsia);
    history.Add(*bitmap);
  }
  EXPECT_EQ(history.Count(), 6);
  EXPECT_EQ(history.MemoryUsed(), image + 5 * TSnapshot::kBlockSize + 6 * 216 * 4);

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

}  // namespace
}  // namespace pictor
