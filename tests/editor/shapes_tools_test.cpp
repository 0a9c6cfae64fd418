// The shape tools through the paint box's handlers: the rubber band on the
// preview, the commit at release, corners in either order, the fill styles
// with both buttons, and the gestures of the curve and the polygon.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/pattern_bitmap.h"
#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

class ShapesTest : public ToolsTest {
 protected:
  void SetUp() override {
    ToolsTest::SetUp();
    a.ForeColor() = clRed;
    a.BackColor() = clBlue;
  }
  // Clicks at image pixels (zoom 1).
  void Click(TPoint p, TMouseButton button = mbLeft) {
    Press(p.X, p.Y, button);
    Release(p.X, p.Y, button);
  }
  // A white 40 x 30 bitmap to draw the expected figure on.
  static std::unique_ptr<TBitmap> Expected() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(40, 30);
    return bitmap;
  }
  bool SameAs(TBitmap& expected) {
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        if (Pixel(x, y) != expected.Canvas()->Pixels(x, y)) return false;
    return true;
  }
};

TEST_F(ShapesTest, ALineLeavesOutItsEndPixelAndIsCommittedAtRelease) {
  Choose(dialog.sbLine);
  Press(2, 2);
  Move(9, 2);
  Move(6, 2);
  // The rubber band lives on the preview only.
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(a.Shape().Canvas()->Pixels(8, 2), clWhite);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(5, 2), clRed);
  Release(6, 2);
  EXPECT_EQ(Painted(), (std::vector<TPoint>{{2, 2}, {3, 2}, {4, 2}, {5, 2}}));
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_TRUE(a.Modified());

  // Wider lines have round ends that cover their end points.
  Choose(dialog.sbLine3);
  Drag(10, 20, 30, 20, mbRight);
  EXPECT_EQ(Pixel(30, 20), clBlue);
  EXPECT_EQ(Pixel(20, 21), clBlue);
}

TEST_F(ShapesTest, AClickWithTheLineToolLeavesNoDotAtAnyWidth) {
  Choose(dialog.sbLine);
  for (TSpeedButton* width : {dialog.sbLine1, dialog.sbLine2, dialog.sbLine3}) {
    Choose(width);
    Click(Point(10, 10));
    Drag(20, 10, 20, 10, mbRight);
    EXPECT_TRUE(Painted().empty()) << t.PenWidth();
  }
}

TEST_F(ShapesTest, ARectangleIsTheSameDraggedEitherWay) {
  for (TPixelFormat format : {pf24bit, pf4bit}) {
    Open(40, 30, format);
    Choose(dialog.sbRectangle);
    Choose(dialog.sbRectangle2);
    Press(5, 5);
    Move(30, 25);  // a larger rubber band first: the preview starts afresh each step
    Move(15, 12);
    Release(15, 12);
    auto forward = std::make_unique<TBitmap>();
    forward->Assign(&a.Bitmap());
    Open(40, 30, format);
    Choose(dialog.sbRectangle);
    Drag(15, 12, 5, 5);
    EXPECT_TRUE(SameAs(*forward));
    EXPECT_EQ(Pixel(5, 5), clRed);
    EXPECT_EQ(Pixel(14, 11), clRed);
    EXPECT_EQ(Pixel(15, 12), clWhite);
    EXPECT_EQ(Pixel(10, 8), clBlue);
    EXPECT_EQ(Pixel(20, 20), clWhite);
    EXPECT_EQ(a.Bitmap().PixelFormat(), format);
  }
}

TEST_F(ShapesTest, TheThreeStylesWithBothButtons) {
  struct Case {
    TSpeedButton* style;
    TMouseButton button;
    TColor outline, inside;
  };
  const TColor keep = -1;  // the picture stays
  for (const Case& c : {Case{dialog.sbRectangle1, mbLeft, clRed, keep},
                        Case{dialog.sbRectangle1, mbRight, clBlue, keep},
                        Case{dialog.sbRectangle2, mbLeft, clRed, clBlue},
                        Case{dialog.sbRectangle2, mbRight, clBlue, clRed},
                        Case{dialog.sbRectangle3, mbLeft, clRed, clRed},
                        Case{dialog.sbRectangle3, mbRight, clBlue, clBlue}}) {
    for (TSpeedButton* tool : {dialog.sbRectangle, dialog.sbPolygon}) {
      SetUp();
      a.Bitmap().Canvas()->SetPixels(10, 8, clLime);
      Choose(tool);
      Choose(c.style);
      if (tool == dialog.sbRectangle) {
        Drag(5, 5, 16, 12, c.button);
      } else {
        // The first edge is dragged; each click adds a vertex.
        Drag(5, 5, 15, 5, c.button);
        for (TPoint p : {Point(15, 11), Point(5, 11), Point(5, 5)}) Click(p, c.button);
      }
      EXPECT_EQ(Pixel(5, 5), c.outline);
      EXPECT_EQ(Pixel(15, 8), c.outline);
      EXPECT_EQ(Pixel(10, 8), c.inside == keep ? clLime : c.inside);
      EXPECT_EQ(Pixel(11, 9), c.inside == keep ? clWhite : c.inside);
      EXPECT_EQ(Pixel(17, 8), clWhite);
    }
  }
}

TEST_F(ShapesTest, EachFigureDrawsWithTheRightButtonAndTheMiddleButtonOnlyMarksAStep) {
  for (TSpeedButton* tool :
       {dialog.sbLine, dialog.sbRectangle, dialog.sbRoundRectangle, dialog.sbEllipse}) {
    SCOPED_TRACE(tool->Hint());
    SetUp();
    Choose(tool);
    Drag(4, 4, 36, 16, mbRight);
    EXPECT_FALSE(Painted().empty());
    EXPECT_EQ(Pixel(20, 20), clWhite);
    for (TPoint p : Painted()) EXPECT_EQ(Pixel(p.X, p.Y), clBlue);
    const std::size_t painted = Painted().size();
    // Moves with the middle button held are no drag steps: the press alone
    // makes a figure of one point, which draws nothing.
    a.Modified() = false;
    Drag(4, 20, 36, 28, mbMiddle);
    EXPECT_TRUE(a.Modified());
    EXPECT_EQ(Painted().size(), painted);
    EXPECT_EQ(a.HistoryIndex(), 2);
  }
}

TEST_F(ShapesTest, RoundRectangleCornersAreHalfTheFigureAndEllipsesAreInscribed) {
  Open(60, 40);
  Choose(dialog.sbRoundRectangle);
  Drag(5, 5, 45, 25);
  auto expected = std::make_unique<TBitmap>();
  expected->SetPixelFormat(pf24bit);
  expected->SetSize(60, 40);
  expected->Canvas()->Pen.Color = clRed;
  expected->Canvas()->Brush.Style = bsClear;
  expected->Canvas()->RoundRect(5, 5, 45, 25, 20, 10);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(Pixel(x, y), expected->Canvas()->Pixels(x, y));
  EXPECT_EQ(Pixel(5, 5), clWhite);

  Choose(dialog.sbEllipse);
  Drag(50, 30, 50, 30);  // corners that coincide draw nothing
  Drag(30, 30, 30, 38);
  EXPECT_EQ(Pixel(30, 30), clWhite);
  EXPECT_EQ(Pixel(50, 30), clWhite);
}

TEST_F(ShapesTest, TheCurveTakesThreeGesturesAndCommitsAtTheThird) {
  Choose(dialog.sbLine2);
  Choose(dialog.sbCurve);
  EXPECT_EQ(t.PenWidth(), 2);
  Drag(5, 20, 35, 20);  // end points
  Drag(10, 2, 12, 3);   // first control point
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(a.PointCount(), 2);
  Drag(30, 2, 28, 4);  // second control point
  EXPECT_EQ(a.PointCount(), 0);
  auto expected = Expected();
  expected->Canvas()->Pen.Color = clRed;
  expected->Canvas()->Pen.Width = 2;
  const TPoint curve[] = {{5, 20}, {12, 3}, {28, 4}, {35, 20}};
  expected->Canvas()->PolyBezier(curve);
  EXPECT_TRUE(SameAs(*expected));
  EXPECT_EQ(a.HistoryIndex(), 3);

  // Abandoned after two gestures: the image and both entries stay unchanged.
  Open();
  Choose(dialog.sbCurve);
  Drag(5, 20, 35, 20);
  Drag(10, 2, 12, 3);
  Choose(dialog.sbCurve);
  EXPECT_EQ(a.PointCount(), 0);
  EXPECT_TRUE(Painted().empty());
  dialog.Undo();
  EXPECT_TRUE(Painted().empty());
  dialog.Undo();
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(a.HistoryIndex(), 0);
}

TEST_F(ShapesTest, APolygonClosesOnItsFirstVertexOrByADoubleClick) {
  Choose(dialog.sbRectangle3);
  Choose(dialog.sbPolygon);
  const TPoint A{5, 5}, B{30, 8}, C{20, 25};
  Drag(A.X, A.Y, B.X, B.Y);
  Click(C);
  Click(Point(6, 5));  // one pixel away from the first vertex: another vertex
  EXPECT_EQ(a.PointCount(), 3);
  EXPECT_TRUE(Painted().empty());
  dialog.Undo();  // cancels the figure only
  EXPECT_EQ(a.PointCount(), 0);
  EXPECT_EQ(a.HistoryIndex(), 3);

  Drag(A.X, A.Y, B.X, B.Y);
  Click(C);
  Click(A);
  auto expected = Expected();
  expected->Canvas()->Pen.Color = clRed;
  expected->Canvas()->Brush.Color = clRed;
  const TPoint triangle[] = {A, B, C};
  expected->Canvas()->Polygon(triangle);
  EXPECT_TRUE(SameAs(*expected));
  EXPECT_EQ(a.HistoryIndex(), 6);

  // A double click at C: press, release, double click, press, release.
  Open();
  Choose(dialog.sbPolygon);
  Drag(A.X, A.Y, B.X, B.Y);
  Click(C);
  dialog.PaintBoxDblClick(dialog.PaintBox);
  EXPECT_TRUE(SameAs(*expected));
  Press(C.X, C.Y);
  EXPECT_EQ(a.PointCount(), 1);  // a new polygon on C
  Release(C.X, C.Y);
  EXPECT_EQ(a.PointCount(), 0);
  EXPECT_TRUE(SameAs(*expected));
  EXPECT_EQ(a.HistoryIndex(), 4);
}

TEST_F(ShapesTest, APolygonOfAThousandVerticesClosesWithinItsPointList) {
  Open(100, 30);
  Choose(dialog.sbPolygon);
  auto vertex = [](int i) { return Point(1 + i % 98, 1 + i / 98 * 2); };
  Drag(vertex(0).X, vertex(0).Y, vertex(1).X, vertex(1).Y);
  for (int i = 2; i < 999; ++i) Click(vertex(i));
  EXPECT_EQ(a.PointCount(), 998);
  Click(Point(3, 28));  // the thousandth vertex
  EXPECT_EQ(a.PointCount(), 0);
  EXPECT_EQ(Pixel(3, 28), clRed);  // the last vertex belongs to the figure
  EXPECT_EQ(t.Points()[999], Point(3, 28));
}

TEST_F(ShapesTest, TheMiddleButtonDrawsInTheColoursOfTheLastStepAndHoveringChangesNothing) {
  Choose(dialog.sbRectangle2);
  Choose(dialog.sbPolygon);
  Drag(2, 2, 3, 2, mbRight);  // outline blue, fill red
  Click(Point(2, 2), mbRight);
  a.Modified() = false;
  Drag(5, 5, 25, 5, mbMiddle);
  EXPECT_TRUE(a.Modified());
  Click(Point(25, 25), mbMiddle);
  Click(Point(5, 25), mbMiddle);
  Click(Point(5, 5), mbMiddle);
  EXPECT_EQ(Pixel(15, 5), clBlue);
  EXPECT_EQ(Pixel(15, 15), clRed);

  Open();
  Choose(dialog.sbLine);
  Press(2, 28);
  Move(20, 28);
  auto preview = std::make_unique<TBitmap>();
  preview->Assign(&a.Shape());
  Move(30, 10, {});
  EXPECT_EQ(a.Shape().Canvas()->Pixels(10, 28), clRed);
  EXPECT_EQ(a.Shape().Canvas()->Pixels(25, 20), clWhite);
  for (int x = 0; x < 40; ++x)
    EXPECT_EQ(a.Shape().Canvas()->Pixels(x, 28), preview->Canvas()->Pixels(x, 28));
  Release(20, 28);
  EXPECT_EQ(Pixel(19, 28), clRed);
}

}  // namespace
}  // namespace pictor::edtest
