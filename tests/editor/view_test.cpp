// The view: sizes at each zoom, what the paint box shows (read back from the
// view), the preview and the tip overlay, and the zoom buttons and tool.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include "editor/dlg_pictor.h"
#include "tests/editor/dlg_pictor_access.h"
#include "tests/support/pattern_bitmap.h"

namespace pictor {
namespace {

using testing::PatternColor;
using testing::PatternBitmap;

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto frame = PatternBitmap(pf24bit, 6, 4);
    dialog.SetFrame(frame.get());
    dialog.Show();
  }
  void PressZoom(TSpeedButton* button) {
    button->SetDown(true);
    button->Click();
  }
  // Every image pixel is a zoom x zoom block of its colour in the view.
  void ExpectViewShowsImage(int zoom) {
    for (int y = 0; y < 4 * zoom; ++y)
      for (int x = 0; x < 6 * zoom; ++x)
        ASSERT_EQ(dialog.PaintBox->ViewPixel(x, y), a.Bitmap().Canvas()->Pixels(x / zoom, y / zoom))
            << "zoom " << zoom << " at " << x << "," << y;
  }

  bool ViewShowsImage(int zoom) {
    const auto view = dialog.PaintBox->ViewImage(Rect(0, 0, 6 * zoom, 4 * zoom));
    for (int y = 0; y < 4 * zoom; ++y)
      for (int x = 0; x < 6 * zoom; ++x)
        if (view->Canvas()->Pixels(x, y) != a.Bitmap().Canvas()->Pixels(x / zoom, y / zoom))
          return false;
    return true;
  }

  TdlgPictor dialog;
  TdlgPictorAccess a{dialog};
};

TEST_F(ViewTest, EachZoomButtonSizesTheViewAndShowsBlocksOfPixels) {
  struct Case {
    TSpeedButton* button;
    int zoom;
  } cases[] = {{dialog.sbZoom2, 5}, {dialog.sbZoom3, 9}, {dialog.sbZoom1, 1}};
  for (const Case& c : cases) {
    PressZoom(c.button);
    EXPECT_EQ(a.Zoom(), c.zoom);
    EXPECT_EQ(dialog.pnlImage->ClientWidth(), 6 * c.zoom);
    EXPECT_EQ(dialog.pnlImage->ClientHeight(), 4 * c.zoom);
    EXPECT_EQ(dialog.PaintBox->Width(), 6 * c.zoom);
    EXPECT_EQ(dialog.PaintBox->Height(), 4 * c.zoom);
    ExpectViewShowsImage(c.zoom);
  }
  // The glyph button sets no factor: the zoom stays.
  PressZoom(dialog.sbZoom2);
  PressZoom(dialog.sbZoom4);
  EXPECT_EQ(a.Zoom(), 5);
  EXPECT_FALSE(a.Modified());
}

TEST_F(ViewTest, TheStartingImageIs500SquareAtZoomFiveAndAnEmptyImageHasNoView) {
  TdlgPictor fresh;
  fresh.sbZoom2->SetDown(true);
  fresh.sbZoom2->Click();
  EXPECT_EQ(fresh.PaintBox->Width(), 500);
  EXPECT_EQ(fresh.pnlImage->ClientHeight(), 500);

  TBitmap empty;
  dialog.SetFrame(&empty);
  EXPECT_EQ(dialog.PaintBox->Width(), 0);
  EXPECT_EQ(dialog.PaintBox->Height(), 0);
  EXPECT_EQ(dialog.pnlImage->ClientWidth(), 0);
}

TEST_F(ViewTest, ThePreviewOfAPreviewToolReplacesTheImageUntilItIsEmptied) {
  dialog.sbLine->SetDown(true);
  a.Shape().Assign(&a.Bitmap());
  a.Shape().Canvas()->SetPixels(2, 1, clFuchsia);
  a.ShapeRect() = Rect(0, 0, 6, 4);
  dialog.Draw();
  EXPECT_EQ(dialog.PaintBox->ViewPixel(2, 1), clFuchsia);
  EXPECT_NE(a.Bitmap().Canvas()->Pixels(2, 1), clFuchsia);

  // With a tool that paints at once the preview copy is not shown.
  dialog.sbPen->SetDown(true);
  dialog.Draw();
  EXPECT_EQ(dialog.PaintBox->ViewPixel(2, 1), PatternColor(2, 1));

  dialog.sbLine->SetDown(true);
  a.Shape().Assign(nullptr);
  dialog.Draw();
  ExpectViewShowsImage(1);
}

TEST_F(ViewTest, TheTipShowsOverTheImageOnlyWhileThePointerIsOverIt) {
  dialog.sbEraser->SetDown(true);
  dialog.sbZoom2->SetDown(true);
  dialog.Zoom();
  // A 3 x 3 tip: black centre, white (transparent) around it.
  TBitmap& tip = a.Shape();
  tip.SetPixelFormat(pf24bit);
  tip.SetSize(3, 3);
  tip.Canvas()->SetPixels(1, 1, clBlack);
  tip.SetTransparentColor(clWhite);
  tip.SetTransparent(true);
  a.ShapeRect() = Rect(5, 5, 20, 20);  // image pixels 1..3, 1..3
  a.MouseOverImage() = true;
  dialog.Draw();
  EXPECT_EQ(dialog.PaintBox->ViewPixel(12, 12), clBlack);      // the tip's centre
  EXPECT_EQ(dialog.PaintBox->ViewPixel(6, 6), PatternColor(1, 1));  // white left out

  dialog.StatusBar1->SetSimpleText("X: 2 Y: 2");
  dialog.ScrollBoxMouseMove(dialog.pnlTools, {}, 3, 3);
  EXPECT_FALSE(a.MouseOverImage());
  EXPECT_EQ(dialog.StatusBar1->SimpleText(), "");
  EXPECT_EQ(dialog.PaintBox->ViewPixel(12, 12), PatternColor(2, 2));
  // A second move off the image changes nothing more.
  dialog.ScrollBoxMouseMove(dialog.ScrollBox, {}, 3, 3);
  EXPECT_FALSE(a.MouseOverImage());
}

TEST_F(ViewTest, LeavingThePaintBoxForAnyControlRemovesTheTipAndThePosition) {
  // At zoom 5 the image fills the view: the pointer leaves it straight onto
  // the tool panel's buttons or the colour strip, never over the scroll box.
  dialog.sbEraser->SetDown(true);
  dialog.sbEraser->Click();
  dialog.sbZoom2->SetDown(true);
  dialog.Zoom();
  dialog.PaintBoxMouseMove(dialog.PaintBox, {}, 12, 12);
  ASSERT_NE(dialog.StatusBar1->SimpleText(), "");
  ASSERT_FALSE(ViewShowsImage(5));  // the tip

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(dialog.PaintBox, &leave);
  EXPECT_FALSE(a.MouseOverImage());
  EXPECT_EQ(dialog.StatusBar1->SimpleText(), "");
  EXPECT_TRUE(ViewShowsImage(5));
}

TEST_F(ViewTest, TheZoomToolTogglesBetweenOneAndFiveAndReturnsFromNine) {
  const int expected[] = {5, 1, 5};
  for (int zoom : expected) {
    dialog.ToggleZoom();
    EXPECT_EQ(a.Zoom(), zoom);
    EXPECT_TRUE((zoom == 5 ? dialog.sbZoom2 : dialog.sbZoom1)->Down());
    EXPECT_EQ(dialog.PaintBox->Width(), 6 * zoom);
  }
  PressZoom(dialog.sbZoom3);
  dialog.ToggleZoom();
  EXPECT_EQ(a.Zoom(), 1);
  EXPECT_TRUE(dialog.sbZoom1->Down());
  EXPECT_FALSE(a.Modified());
}

}  // namespace
}  // namespace pictor
