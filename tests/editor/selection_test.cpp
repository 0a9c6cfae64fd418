// The marquee and the lasso on a striped picture: what a selection covers,
// what moving and dropping it puts into the image, Select all and Ctrl+A.
#include <gtest/gtest.h>

#include "host/graphics/handle_table.h"
#include "host/toolkit/clipboard.h"
#include "resources/cursor_resources.h"
#include "tests/editor/selection_test_support.h"

namespace pictor::edtest {
namespace {

using testing::PatternColor;

TEST_F(SelectionTest, AMarqueeOfEitherDirectionIsCopiedAndMovedInOrder) {
  for (const bool reverse : {false, true}) {
    SetUp();
    reverse ? Drag(20, 20, 10, 10) : Drag(10, 10, 20, 20);
    dialog.sbCopy->Click();
    TBitmap copied;
    Clipboard()->AssignTo(copied);
    ExpectPixels(copied, 11, 11, [](int x, int y) { return PatternColor(x + 10, y + 10); });
    Hover(20, 10);  // a corner lies on the selection
    EXPECT_TRUE(a.Moving());
    Drag(20, 10, 50, 25);
    Choose(dialog.sbPen);  // drops it
    ExpectPixels(a.Bitmap(), kWidth, kHeight, [](int x, int y) {
      if (In(x, y, 40, 25, 50, 35)) return PatternColor(x - 30, y - 15);
      return In(x, y, 10, 10, 20, 20) ? kBack : PatternColor(x, y);
    });
    EXPECT_EQ(a.HistoryIndex(), 1);
  }
}

TEST_F(SelectionTest, TheVacatedColourFollowsTheButtonAndAClickSelectsNothing) {
  Drag(10, 10, 19, 19);
  Hover(15, 15);
  Drag(15, 15, 45, 15);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(12, 12), kBack);
  // A right press elsewhere drops it with the foreground colour; a click
  // without movement leaves no selection.
  Drag(5, 35, 5, 35, mbRight);
  EXPECT_EQ(Pixel(12, 12), kFore);
  EXPECT_EQ(Pixel(42, 12), PatternColor(12, 12));
  EXPECT_FALSE(a.Selected());
  EXPECT_EQ(a.HistoryIndex(), 1);
  // A selection dropped unmoved changes no pixel and records one entry.
  TBitmap before;
  before.Assign(&a.Bitmap());
  Drag(30, 5, 35, 8);
  Choose(dialog.sbLasso);
  EXPECT_EQ(a.HistoryIndex(), 2);
  ExpectPixels(a.Bitmap(), kWidth, kHeight,
               [&](int x, int y) { return before.Canvas()->Pixels(x, y); });
  // Dragged past the image's corner and moved back: where its source lies
  // outside the image, the vacated colour shows.
  Choose(dialog.sbMarquee);
  Drag(50, 30, 70, 45);
  Hover(55, 35);
  Drag(55, 35, 50, 30);
  Choose(dialog.sbPen);
  ExpectPixels(a.Bitmap(), kWidth, kHeight, [&](int x, int y) {
    if (In(x, y, 45, 25, 54, 34)) return before.Canvas()->Pixels(x + 5, y + 5);
    return In(x, y, 50, 30, 59, 39) ? kBack : before.Canvas()->Pixels(x, y);
  });
}

TEST_F(SelectionTest, SelectAllMovesTheWholeImageAlsoPastTheLeftEdge) {
  dialog.sbSelectAll->Click();
  EXPECT_FALSE(a.Modified());
  Hover(30, 20);
  Press(30, 20);
  Move(20, 15);
  Move(-10, 10);  // the pointer left of the image: the image still follows
  EXPECT_EQ(a.Shape().Canvas()->Pixels(5, 5), PatternColor(45, 15));
  Release(-10, 10);
  Choose(dialog.sbPen);
  const auto moved = [](int x, int y) {
    return In(x, y, 0, 0, 19, 29) ? PatternColor(x + 40, y + 10) : kBack;
  };
  ExpectPixels(a.Bitmap(), kWidth, kHeight, moved);
  // The drop is one history entry: undo gives the picture back, redo the
  // move, and a stroke after them paints on the moved image alone.
  dialog.sbUndo->Click();
  ExpectPixels(a.Bitmap(), kWidth, kHeight, [](int x, int y) { return PatternColor(x, y); });
  dialog.sbRedo->Click();
  ExpectPixels(a.Bitmap(), kWidth, kHeight, moved);
  Drag(50, 35, 50, 35);
  ExpectPixels(a.Bitmap(), kWidth, kHeight,
               [&](int x, int y) { return x == 50 && y == 35 ? kFore : moved(x, y); });
}

TEST_F(SelectionTest, APressOffAMovedSelectionStartsANewOneAlsoWhereItWasMade) {
  Drag(10, 10, 19, 19);
  Hover(15, 15);
  Drag(15, 15, 45, 15);
  Hover(12, 12);
  EXPECT_FALSE(a.Moving());
  Drag(12, 12, 16, 14);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(Pixel(42, 12), PatternColor(12, 12));
  EXPECT_EQ(t.SelRect(), Rect(12, 12, 16, 14));
  // A press on the selection moves it even with no hover before it.
  Drag(14, 13, 14, 33);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(13, 33), kBack);
}

TEST_F(SelectionTest, SelectAllAndCtrlASwitchToTheMarqueeAndLoseNothing) {
  Choose(dialog.sbLasso);
  Lasso({{10, 10}, {30, 10}, {10, 30}});
  Hover(12, 12);
  Drag(12, 12, 42, 12);
  dialog.SelectAllByKey();
  EXPECT_EQ(dialog.pcShapes->ActivePage(), dialog.tsMarquee);
  EXPECT_EQ(dialog.PaintBox->Cursor(), crMarquee);
  EXPECT_EQ(a.HistoryIndex(), 1);  // the lasso's page committed it
  TBitmap before;
  before.Assign(&a.Bitmap());
  // The lift rectangle is the whole image: a drag moves all of it.
  Hover(5, 5);
  Drag(5, 5, 15, 5);
  a.Modified() = false;
  dialog.SelectAllByKey();  // the moved image is dropped: one entry
  EXPECT_EQ(a.HistoryIndex(), 2);
  EXPECT_FALSE(a.Modified());
  ExpectPixels(a.Bitmap(), kWidth, kHeight, [&](int x, int y) {
    return x < 10 ? kBack : before.Canvas()->Pixels(x - 10, y);
  });
  dialog.SelectAllByKey();  // in place: nothing to drop
  EXPECT_EQ(a.HistoryIndex(), 2);
  dialog.SelectAll();
  EXPECT_EQ(a.HistoryIndex(), 3);
}

TEST_F(SelectionTest, ALassoShowsItsAreaInvertedAndKeeps1000Points) {
  Choose(dialog.sbLasso);
  std::vector<TPoint> zigzag;
  for (int i = 0; i < 1200; ++i) zigzag.push_back(Point(i % 50, i / 50));
  Lasso(zigzag);
  EXPECT_EQ(a.PointCount(), 1000);
  EXPECT_EQ(t.Points()[999], Point(49, 19));
  Choose(dialog.sbLasso);  // chosen again: the outline is abandoned
  // Drawn to a point left of the image, the area stays shown inverted.
  Lasso({{30, 5}, {30, 35}, {-10, 5}});
  EXPECT_TRUE(t.LassoInverted());
  EXPECT_EQ(a.Shape().Canvas()->Pixels(20, 15), PatternColor(20, 15) ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(20, 15), PatternColor(20, 15));
  Choose(dialog.sbPen);  // dropped unmoved: no pixel changes
  EXPECT_EQ(a.HistoryIndex(), 1);
  ExpectPixels(a.Bitmap(), kWidth, kHeight, [](int x, int y) { return PatternColor(x, y); });
}

TEST_F(SelectionTest, AMovedLassoDroppedBySelectAllKeepsItsShape) {
  Choose(dialog.sbLasso);
  const TPoint outline[] = {{10, 10}, {30, 10}, {10, 30}};
  Lasso({outline[0], outline[1], outline[2]});
  Hover(12, 12);
  Drag(12, 12, 42, 12);
  dialog.SelectAll();
  const HRGN area = CreatePolygonRgn(outline, 3, WINDING);
  ExpectPixels(a.Bitmap(), kWidth, kHeight, [&](int x, int y) {
    if (PtInRegion(area, x - 30, y)) return PatternColor(x - 30, y);
    return PtInRegion(area, x, y) ? kBack : PatternColor(x, y);
  });
  DeleteObject(area);
  // Copy takes nothing from a lasso.
  Clipboard()->Clear();
  Choose(dialog.sbLasso);
  Lasso({outline[0], outline[1], outline[2]});
  dialog.sbCopy->Click();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_PICTURE));
}

}  // namespace
}  // namespace pictor::edtest
