// Copy and Paste in the editor: what a copy holds, where a paste floats and
// what its drop commits, and a clipboard that cannot be read.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "host/graphics/errors.h"
#include "host/toolkit/clipboard.h"
#include "tests/editor/selection_test_support.h"

namespace pictor::edtest {
namespace {

using testing::PatternBitmap;
using testing::PatternColor;
using ClipboardCopyPasteTest = SelectionTest;

TEST_F(ClipboardCopyPasteTest, CopyKeepsThePaletteAndTakesWhatTheSelectionShows) {
  std::unique_ptr<TBitmap> picture = PatternBitmap(pf4bit, kWidth, kHeight);
  dialog.SetFrame(picture.get());
  Drag(20, 20, 10, 10);
  dialog.sbCopy->Click();
  TBitmap copied;
  Clipboard()->AssignTo(copied);
  EXPECT_EQ(copied.PixelFormat(), pf4bit);
  EXPECT_EQ(testing::PaletteSize(copied), testing::PaletteSize(*picture));
  const auto lifted = [](int x, int y) { return PatternColor(x + 10, y + 10); };
  ExpectPixels(copied, 11, 11, lifted);
  // Moved, the selection still holds the pixels it lifted.
  Hover(15, 15);
  Drag(15, 15, 45, 15);
  dialog.sbCopy->Click();
  Clipboard()->AssignTo(copied);
  ExpectPixels(copied, 11, 11, lifted);
}

TEST_F(ClipboardCopyPasteTest, APasteFloatsAtTheTopLeftUntilItIsDropped) {
  Open(100, 100);
  Clipboard()->Assign(*PatternBitmap(pf24bit, 40, 30));
  Choose(dialog.sbPen);
  dialog.sbPaste->Click();
  EXPECT_EQ(dialog.pcShapes->ActivePage(), dialog.tsMarquee);
  EXPECT_EQ(t.SelRect(), Rect(0, 0, 39, 29));
  EXPECT_EQ(a.Shape().Canvas()->Pixels(5, 5), PatternColor(5, 5));
  EXPECT_EQ(Pixel(5, 5), clWhite);
  dialog.sbCopy->Click();  // a floating paste copies as it is
  TBitmap copied;
  Clipboard()->AssignTo(copied);
  ExpectPixels(copied, 40, 30, [](int x, int y) { return PatternColor(x, y); });

  dialog.sbPaste->Click();  // the first paste is committed, the second floats
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(Pixel(5, 5), PatternColor(5, 5));
  EXPECT_FALSE(a.PasteBitmap().Empty());
  dialog.SelectAll();  // commits it too, and lifts the whole image
  EXPECT_EQ(a.HistoryIndex(), 2);
  EXPECT_TRUE(a.PasteBitmap().Empty());
  Hover(50, 50);
  Drag(50, 50, 60, 50);
  Choose(dialog.sbPen);
  ExpectPixels(a.Bitmap(), 100, 100, [](int x, int y) {
    if (x < 10) return kBack;
    return In(x, y, 10, 0, 49, 29) ? PatternColor(x - 10, y) : clWhite;
  });

  // Larger than the image: only its top-left part reaches it.
  Clipboard()->Assign(*PatternBitmap(pf24bit, 300, 200, 1));
  dialog.sbPaste->Click();
  Choose(dialog.sbPen);
  ExpectPixels(a.Bitmap(), 100, 100, [](int x, int y) { return PatternColor(x, y, 1); });
}

TEST_F(ClipboardCopyPasteTest, APasteWithNothingReadableChangesNothing) {
  Drag(10, 10, 19, 19);
  Hover(15, 15);
  Drag(15, 15, 45, 15);
  Clipboard()->Clear();
  dialog.sbPaste->Click();
  auto* metafile = new QMimeData;
  metafile->setData("image/x-emf", QByteArray("not a bitmap"));
  QGuiApplication::clipboard()->setMimeData(metafile);
  EXPECT_THROW(dialog.btPasteClick(nullptr), EInvalidGraphic);
  EXPECT_TRUE(a.Selected());
  EXPECT_EQ(t.SelRect(), Rect(40, 10, 49, 19));
  EXPECT_TRUE(a.PasteBitmap().Empty());
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(42, 12), PatternColor(12, 12));
  // The selection goes on as it was.
  Choose(dialog.sbPen);
  EXPECT_EQ(Pixel(42, 12), PatternColor(12, 12));
  EXPECT_EQ(Pixel(12, 12), kBack);
}

}  // namespace
}  // namespace pictor::edtest
