// Real Qt mouse events sent to the shown window reach the paint box's
// handlers: a pen stroke, a rectangle, a polygon closed by a double click, and
// a marquee and a lasso selection moved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

class ToolsWiringTest : public ToolsTest {
 protected:
  void SetUp() override {
    ToolsTest::SetUp();
    a.ForeColor() = clRed;
    a.BackColor() = clBlue;
    dialog.Show();
    QApplication::processEvents();
    ASSERT_NE(dialog.windowHandle(), nullptr);
  }
  void TearDown() override { dialog.Close(); }

  // A mouse event at a paint-box position, delivered to the window as the
  // platform delivers it; the events it queues are handled too.
  void Send(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held) {
    QWidget* box = dialog.PaintBox;
    const QPoint local = box->mapTo(box->window(), QPoint(x, y));
    const QPoint global = box->mapToGlobal(QPoint(x, y));
    QMouseEvent event(type, QPointF(local), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(dialog.windowHandle(), &event);
    QApplication::processEvents();
  }
  void Down(int x, int y) { Send(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton); }
  void DragTo(int x, int y) { Send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton); }
  void Up(int x, int y) { Send(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton); }
  void Hover(int x, int y) { Send(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton); }
};

TEST_F(ToolsWiringTest, APenStrokeOfRealEventsPaintsEveryPixelOnce) {
  Choose(dialog.sbPen);
  QApplication::processEvents();
  const long long paintedBefore = dialog.PaintBox->PaintedPixels();
  Down(5, 5);
  for (int x = 6; x <= 12; ++x) DragTo(x, 5);
  DragTo(30, 5);  // a jump: pulled back to the next pixel
  // Each step shows its own pixel again, not the whole view.
  EXPECT_LE(dialog.PaintBox->PaintedPixels() - paintedBefore, 9 * 4);
  Up(30, 5);
  std::vector<TPoint> expected;
  for (int x = 5; x <= 13; ++x) expected.push_back(Point(x, 5));
  EXPECT_EQ(Painted(), expected);
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(a.StatusBar()->SimpleText(), "13,5");
  // The view shows the stroke.
  EXPECT_EQ(dialog.PaintBox->ViewPixel(9, 5), clRed);
}

TEST_F(ToolsWiringTest, ARectangleAndAPolygonOfRealEvents) {
  Choose(dialog.sbRectangle);
  Down(20, 20);
  DragTo(25, 25);
  DragTo(10, 12);
  EXPECT_TRUE(Painted().empty());  // still the rubber band
  Up(10, 12);
  EXPECT_EQ(Pixel(10, 12), clRed);
  EXPECT_EQ(Pixel(19, 19), clRed);
  EXPECT_EQ(Pixel(20, 20), clWhite);
  EXPECT_EQ(Pixel(15, 16), clWhite);
  EXPECT_EQ(a.HistoryIndex(), 1);

  Open();
  dialog.Show();
  Choose(dialog.sbPolygon);
  Down(2, 2);
  DragTo(30, 2);
  Up(30, 2);
  Down(30, 20);
  Up(30, 20);
  Send(QEvent::MouseButtonDblClick, 30, 20, Qt::LeftButton, Qt::LeftButton);
  Up(30, 20);
  EXPECT_EQ(a.PointCount(), 0);
  EXPECT_EQ(Pixel(2, 2), clRed);
  EXPECT_EQ(Pixel(30, 11), clRed);
  EXPECT_EQ(Pixel(16, 11), clRed);
  EXPECT_EQ(a.HistoryIndex(), 4);
}

TEST_F(ToolsWiringTest, AMarqueeAndALassoOfRealEventsAreMoved) {
  a.Bitmap().Canvas()->Brush.Color = clBlack;
  a.Bitmap().Canvas()->FillRect(Rect(5, 5, 10, 10));
  Choose(dialog.sbMarquee);
  Hover(4, 4);
  Down(4, 4);
  DragTo(10, 10);
  Up(10, 10);
  Hover(7, 7);
  Down(7, 7);
  DragTo(17, 7);
  DragTo(27, 7);
  Up(27, 7);
  EXPECT_EQ(dialog.PaintBox->ViewPixel(26, 6), clBlack);
  EXPECT_EQ(dialog.PaintBox->ViewPixel(6, 6), clBlue);
  Choose(dialog.sbLasso);  // drops it
  EXPECT_EQ(Pixel(25, 5), clBlack);
  EXPECT_EQ(Pixel(5, 5), clBlue);

  Hover(2, 20);
  Down(2, 20);
  DragTo(12, 20);
  DragTo(12, 28);
  DragTo(2, 28);
  Up(2, 28);
  EXPECT_EQ(dialog.PaintBox->ViewPixel(5, 24), clBlack);  // white shown inverted
  Hover(5, 24);
  Down(5, 24);
  DragTo(25, 24);
  Up(25, 24);
  EXPECT_EQ(dialog.PaintBox->ViewPixel(5, 24), clBlue);
  EXPECT_EQ(dialog.PaintBox->ViewPixel(25, 24), clWhite);
  EXPECT_EQ(Pixel(5, 24), clWhite);  // not yet dropped
}

}  // namespace
}  // namespace pictor::edtest
