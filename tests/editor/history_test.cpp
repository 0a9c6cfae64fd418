// The window's undo and redo history: the cap of 19 with the first entry
// kept, the paths through undo and redo, the text and figure branches, and a
// history started on an empty image.
#include <gtest/gtest.h>

#include "editor/dlg_pictor.h"
#include "tests/editor/dlg_pictor_access.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TBitmap start;
    start.SetPixelFormat(pf8bit);
    start.SetSize(40, 3);
    dialog.SetFrame(&start);
    dialog.sbPen->SetDown(true);
  }
  // Change k blackens pixel (k, 0), so the state after change k has k black pixels.
  void Change(int k) {
    a.Bitmap().Canvas()->SetPixels(k, 0, clBlack);
    dialog.AddToHistory();
  }
  int State() {
    int black = 0;
    for (int x = 0; x < a.Bitmap().Width(); ++x)
      black += a.Bitmap().Canvas()->Pixels(x, 0) == clBlack;
    return black;
  }

  TdlgPictor dialog;
  TdlgPictorAccess a{dialog};
};

TEST_F(HistoryTest, TwentyFiveChangesKeepTheStartAndTheLastEighteen) {
  for (int k = 1; k <= 25; ++k) Change(k);
  EXPECT_EQ(a.History().Count(), 19);
  EXPECT_EQ(a.HistoryIndex(), 18);
  EXPECT_TRUE(dialog.sbUndo->Enabled());
  EXPECT_FALSE(dialog.sbRedo->Enabled());

  for (int expected = 24; expected >= 8; --expected) {
    dialog.sbUndo->Click();
    ASSERT_EQ(State(), expected);
  }
  dialog.Undo();  // from the state after change 8 straight to the start
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_FALSE(dialog.sbUndo->Enabled());
  EXPECT_TRUE(dialog.sbRedo->Enabled());
  dialog.Undo();
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(a.HistoryIndex(), 0);

  dialog.sbRedo->Click();
  EXPECT_EQ(State(), 8);
  for (int k = 0; k < 30; ++k) dialog.Redo();
  EXPECT_EQ(State(), 25);
  EXPECT_EQ(a.HistoryIndex(), 18);
  EXPECT_FALSE(dialog.sbRedo->Enabled());
}

TEST_F(HistoryTest, AChangeAfterUndoDropsTheRedoEntries) {
  for (int k = 1; k <= 4; ++k) Change(k);
  dialog.Undo();
  dialog.Undo();
  EXPECT_EQ(State(), 2);
  EXPECT_TRUE(dialog.CanRedo());
  a.Bitmap().Canvas()->SetPixels(39, 2, clBlack);
  dialog.AddToHistory();
  EXPECT_EQ(a.History().Count(), 4);
  EXPECT_EQ(a.HistoryIndex(), 3);
  EXPECT_FALSE(dialog.sbRedo->Enabled());
  dialog.Redo();
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(39, 2), clBlack);
  dialog.Undo();
  EXPECT_EQ(State(), 2);
  EXPECT_NE(a.Bitmap().Canvas()->Pixels(39, 2), clBlack);
}

TEST_F(HistoryTest, UndoAndRedoLeaveTheModifiedFlag) {
  Change(1);
  for (bool modified : {true, false}) {
    a.Modified() = modified;
    dialog.Undo();
    EXPECT_EQ(a.Modified(), modified);
    dialog.Redo();
    EXPECT_EQ(a.Modified(), modified);
  }
}

TEST_F(HistoryTest, UndoRestoresSizeFormatAndPalette) {
  auto other = testing::PatternBitmap(pf4bit, 9, 9);
  a.Bitmap().Assign(other.get());
  dialog.AddToHistory();
  dialog.Undo();
  EXPECT_EQ(a.Bitmap().Width(), 40);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pf8bit);
  EXPECT_EQ(testing::PaletteSize(a.Bitmap()), 256u);
  dialog.Redo();
  EXPECT_EQ(a.Bitmap().Width(), 9);
  EXPECT_EQ(a.Bitmap().PixelFormat(), pf4bit);
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(1, 0), clBlack);
  EXPECT_EQ(dialog.PaintBox->Width(), 9);  // the view follows
}

TEST_F(HistoryTest, WithAPreviewToolTheUndoneImageBecomesThePreview) {
  Change(1);
  dialog.sbMarquee->SetDown(true);
  dialog.sbZoom2->SetDown(true);
  dialog.Zoom();
  a.Text() = "abc";
  a.TextPos() = Point(3, 1);
  dialog.Undo();
  EXPECT_EQ(a.Shape().Width(), 40);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(a.ShapeRect(), Rect(0, 0, 200, 15));
  EXPECT_EQ(a.Text(), "");
  EXPECT_EQ(a.TextPos().X, -1);

  // Redo keeps the typed text and its position.
  a.Text() = "de";
  a.TextPos() = Point(3, 1);
  dialog.Redo();
  EXPECT_EQ(a.Shape().Canvas()->Pixels(1, 0), clBlack);
  EXPECT_EQ(a.Text(), "de");
  EXPECT_EQ(a.TextPos(), Point(3, 1));
}

TEST_F(HistoryTest, UndoWhileTypingRemovesOnlyTheText) {
  Change(1);
  dialog.sbText->SetDown(true);
  a.Text() = "typed";
  a.TextPos() = Point(2, 2);
  dialog.Undo();
  EXPECT_EQ(a.Text(), "");
  EXPECT_EQ(a.TextPos().X, -1);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(State(), 1);
  EXPECT_TRUE(dialog.sbUndo->Enabled());
  // A second Undo steps back in the image history.
  dialog.Undo();
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_EQ(State(), 0);
}

TEST_F(HistoryTest, UndoOfAnUnfinishedCurveOrPolygonCancelsTheFigureOnly) {
  Change(1);
  for (TSpeedButton* tool : {dialog.sbCurve, dialog.sbPolygon}) {
    tool->SetDown(true);
    a.PointCount() = 2;
    a.Shape().Assign(nullptr);
    dialog.Undo();
    EXPECT_EQ(a.PointCount(), 0);
    EXPECT_EQ(a.Shape().Width(), 40);  // the preview starts again from the image
    EXPECT_EQ(a.HistoryIndex(), 1);
    EXPECT_EQ(State(), 1);
  }
}

TEST_F(HistoryTest, AHistoryStartedOnAnEmptyImageBeginsWithTheFirstChange) {
  TBitmap empty;
  dialog.SetFrame(&empty);
  dialog.sbPen->SetDown(true);
  EXPECT_EQ(a.History().Count(), 0);
  EXPECT_EQ(a.HistoryIndex(), -1);
  EXPECT_FALSE(dialog.sbUndo->Enabled());
  EXPECT_FALSE(dialog.sbRedo->Enabled());
  dialog.Undo();
  dialog.Redo();
  EXPECT_EQ(a.HistoryIndex(), -1);

  a.Bitmap().SetSize(4, 4);
  dialog.AddToHistory();
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_FALSE(dialog.sbUndo->Enabled());
  a.Bitmap().Canvas()->SetPixels(0, 0, clBlack);
  dialog.AddToHistory();
  EXPECT_TRUE(dialog.sbUndo->Enabled());
  dialog.Undo();
  EXPECT_EQ(a.Bitmap().Canvas()->Pixels(0, 0), clWhite);
}

}  // namespace
}  // namespace pictor
