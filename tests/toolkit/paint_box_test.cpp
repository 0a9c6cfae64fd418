// Paint box: pointer events in client pixels with capture, the double click
// sequence, and what the view shows after stretches and overlays.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/graphics/handle_table.h"
#include "host/toolkit/form.h"
#include "host/toolkit/paint_box.h"
#include "host/toolkit/panel.h"
#include "host/toolkit/pointer.h"
#include "host/toolkit/scroll_box.h"
#include "host/toolkit/test_hooks.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

std::string Buttons(TShiftState s) {
  std::string r;
  if (s.Contains(ssLeft)) r += "L";
  if (s.Contains(ssRight)) r += "R";
  if (s.Contains(ssDouble)) r += "2";
  if (s.Contains(ssShift)) r += "S";
  return r;
}

struct View {
  TForm form;
  TPaintBox* box = new TPaintBox(&form);
  std::vector<std::string> log;
  View() {
    form.resize(300, 300);
    box->setGeometry(50, 50, 100, 100);
    box->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
      EXPECT_EQ(s, box);
      log.push_back("down " + std::to_string(int(b)) + " " + Buttons(sh) + " " + std::to_string(x) +
                    "," + std::to_string(y));
    };
    box->OnMouseMove = [this](TObject*, TShiftState sh, int x, int y) {
      log.push_back("move " + Buttons(sh) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    box->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
      log.push_back("up " + std::to_string(int(b)) + " " + Buttons(sh) + " " + std::to_string(x) +
                    "," + std::to_string(y));
    };
    box->OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
    box->OnClick = [this](TObject*) { log.push_back("click"); };
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  QWindow* window() { return form.windowHandle(); }
  // Puts the pointer at p (window pixels) and forgets what that reported.
  void PointAt(QPoint p) {
    QTest::mouseMove(window(), p);
    log.clear();
  }
};

TEST(PaintBoxTest, PointerEventsComeInClientPixelsAndStayCapturedUntilRelease) {
  View v;
  v.PointAt(QPoint(60, 70));
  QTest::mousePress(v.window(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 70));
  EXPECT_EQ(GetCapture(), v.box);
  QTest::mouseMove(v.window(), QPoint(10, 250));
  QTest::mouseRelease(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 250));
  EXPECT_EQ(GetCapture(), nullptr);
  QTest::mouseMove(v.window(), QPoint(20, 260));  // not over the box any more
  const std::vector<std::string> expected = {"down 0 LS 10,20", "move L -40,200", "up 0  -40,200"};
  EXPECT_EQ(v.log, expected);
}

TEST(PaintBoxTest, AReleaseInsideClicks) {
  View v;
  v.PointAt(QPoint(55, 55));
  QTest::mousePress(v.window(), Qt::RightButton, Qt::NoModifier, QPoint(55, 55));
  QTest::mouseRelease(v.window(), Qt::RightButton, Qt::NoModifier, QPoint(55, 55));
  // Only the left button clicks.
  EXPECT_EQ(v.log, (std::vector<std::string>{"down 1 R 5,5", "up 1  5,5"}));
  v.PointAt(QPoint(56, 57));
  QTest::mousePress(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(56, 57));
  QTest::mouseRelease(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(56, 57));
  EXPECT_EQ(v.log, (std::vector<std::string>{"down 0 L 6,7", "click", "up 0  6,7"}));
}

TEST(PaintBoxTest, ADoubleClickArrivesAsPressReleaseDoubleClickPressRelease) {
  View v;
  v.PointAt(QPoint(80, 90));
  QTest::mouseDClick(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 90));
  const std::vector<std::string> expected = {"down 0 L 30,40",  "click", "up 0  30,40", "dblclick",
                                             "down 0 L2 30,40", "click", "up 0  30,40"};
  EXPECT_EQ(v.log, expected);
}

TEST(PaintBoxTest, CaptureCanBeTakenAndGivenBack) {
  View v;
  EXPECT_EQ(GetCapture(), nullptr);
  SetCapture(v.box);
  EXPECT_EQ(GetCapture(), v.box);
  v.PointAt(QPoint(5, 5));
  QTest::mouseMove(v.window(), QPoint(10, 20));
  ASSERT_FALSE(v.log.empty());
  EXPECT_EQ(v.log.back(), "move  -40,-30");
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(PaintBoxTest, AnExceptionOfAPointerHandlerIsShownAndEventsGoOn) {
  View v;
  v.box->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("press failed");
  };
  v.PointAt(QPoint(60, 60));
  QTest::mousePress(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
  QTest::mouseRelease(v.window(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
  EXPECT_EQ(v.log, (std::vector<std::string>{"click", "up 0  10,10"}));
  const auto messages = test_hooks::TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, "press failed");
}

TEST(PaintBoxTest, MovesWithoutAButtonReachOnMouseMove) {
  View v;
  QTest::mouseMove(v.window(), QPoint(51, 52));
  QTest::mouseMove(v.window(), QPoint(53, 54));
  ASSERT_FALSE(v.log.empty());
  EXPECT_EQ(v.log.back(), "move  3,4");
}

// A 4 x 3 picture of distinct colours in 4 bits.
void MakePicture(TBitmap& b) {
  b.SetPixelFormat(pf4bit);
  b.SetSize(4, 3);
  const TColor colours[] = {clBlack, clMaroon, clGreen,  clOlive, clNavy, clPurple,
                            clTeal,  clGray,   clSilver, clRed,   clLime, clBlue};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) b.Canvas()->SetPixels(x, y, colours[y * 4 + x]);
}

TEST(PaintBoxTest, AStretchAtZoomFiveShowsEveryPixelAsAFiveByFiveBlock) {
  TPaintBox box;
  box.resize(20, 15);
  TBitmap picture;
  MakePicture(picture);
  box.Canvas()->StretchDraw(TRect{0, 0, 20, 15}, &picture);
  const auto view = box.ViewImage(TRect{0, 0, 20, 15});
  ASSERT_EQ(view->Width(), 20);
  ASSERT_EQ(view->Height(), 15);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(view->Canvas()->Pixels(x, y), picture.Canvas()->Pixels(x / 5, y / 5))
          << x << "," << y;
  // The view follows the picture's current pixels.
  picture.Canvas()->SetPixels(0, 0, clWhite);
  EXPECT_EQ(box.ViewPixel(4, 4), clWhite);
}

TEST(PaintBoxTest, OverlaysDrawOverTheStretchAndXorOnesUndoThemselves) {
  TPaintBox box;
  box.resize(20, 15);
  TBitmap picture;
  MakePicture(picture);
  box.Canvas()->StretchDraw(TRect{0, 0, 20, 15}, &picture);
  const auto before = box.ViewImage(TRect{0, 0, 20, 15});

  box.Canvas()->DrawFocusRect(TRect{2, 2, 12, 10});
  const auto framed = box.ViewImage(TRect{0, 0, 20, 15});
  int inverted = 0;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) {
      const TColor a = before->Canvas()->Pixels(x, y), b = framed->Canvas()->Pixels(x, y);
      const bool onFrame =
          (x == 2 || x == 11 || y == 2 || y == 9) && x >= 2 && x <= 11 && y >= 2 && y <= 9;
      if (a != b) {
        EXPECT_TRUE(onFrame) << x << "," << y;
        EXPECT_EQ(b, a ^ 0xFFFFFF);
        ++inverted;
      }
    }
  EXPECT_GT(inverted, 10);
  EXPECT_LT(inverted, 36);  // dotted, not solid
  box.Canvas()->DrawFocusRect(TRect{2, 2, 12, 10});
  EXPECT_EQ(box.Canvas()->StepCount(), 1u);

  // A lasso outline shown inverted.
  const std::vector<TPoint> triangle = {{0, 0}, {19, 0}, {0, 14}};
  box.Canvas()->InvertPolygon(triangle, WINDING);
  EXPECT_EQ(box.ViewPixel(1, 1), picture.Canvas()->Pixels(0, 0) ^ 0xFFFFFF);
  EXPECT_EQ(box.ViewPixel(19, 14), picture.Canvas()->Pixels(3, 2));

  // A line with the pen, its end pixel left out.
  box.Canvas()->Pen.Color = clYellow;
  box.Canvas()->MoveTo(0, 12);
  box.Canvas()->LineTo(5, 12);
  EXPECT_EQ(box.ViewPixel(4, 12), clYellow);
  EXPECT_EQ(box.ViewPixel(5, 12), picture.Canvas()->Pixels(1, 2));
}

TEST(PaintBoxTest, ATransparentTipShowsOnlyItsOwnPixels) {
  TPaintBox box;
  box.resize(20, 15);
  TBitmap picture;
  MakePicture(picture);
  TBitmap tip;
  tip.SetSize(3, 3);
  tip.Canvas()->SetPixels(1, 1, clFuchsia);
  tip.SetTransparent(true);
  tip.SetTransparentColor(clWhite);
  box.Canvas()->StretchDraw(TRect{0, 0, 20, 15}, &picture);
  box.Canvas()->StretchDraw(TRect{5, 5, 8, 8}, &tip);
  EXPECT_EQ(box.Canvas()->StepCount(), 2u);
  EXPECT_EQ(box.ViewPixel(6, 6), clFuchsia);
  EXPECT_EQ(box.ViewPixel(5, 5), picture.Canvas()->Pixels(1, 1));
  // The next full stretch of the picture starts the list again.
  box.Canvas()->StretchDraw(TRect{0, 0, 20, 15}, &picture);
  EXPECT_EQ(box.Canvas()->StepCount(), 1u);
  EXPECT_EQ(box.ViewPixel(6, 6), picture.Canvas()->Pixels(1, 1));
}

TEST(PaintBoxTest, UncoveredPartsShowTheBackgroundColour) {
  TPanel panel;
  panel.SetColor(clWhite);
  auto* box = new TPaintBox(&panel);
  box->resize(10, 10);
  TBitmap picture;
  MakePicture(picture);
  box->Canvas()->StretchDraw(TRect{0, 0, 4, 3}, &picture);
  EXPECT_EQ(box->ViewPixel(2, 1), picture.Canvas()->Pixels(2, 1));
  EXPECT_EQ(box->ViewPixel(8, 8), clWhite);
  box->Canvas()->Clear();
  EXPECT_EQ(box->ViewPixel(2, 1), clWhite);
}

TEST(PaintBoxTest, OnPaintRunsAtRepaintWithoutAskingForAnother) {
  TPaintBox box;
  box.resize(20, 15);
  TBitmap picture;
  MakePicture(picture);
  int paints = 0;
  box.OnPaint = [&](TObject* sender) {
    EXPECT_EQ(sender, &box);
    ++paints;
    box.Canvas()->StretchDraw(TRect{0, 0, 20, 15}, &picture);
  };
  EXPECT_EQ(box.ViewPixel(7, 7), picture.Canvas()->Pixels(1, 1));
  EXPECT_EQ(paints, 1);
}

TEST(PaintBoxTest, ALargeRepaintShowsExactlyWhatOneCanvasDrawingWould) {
  // Tall enough to be rendered in several bands of rows, the last one short.
  constexpr int kWidth = 700, kHeight = 301;
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) picture.Canvas()->SetPixels(x, y, RGB(x, y, x ^ y));
  TPaintBox box;
  box.resize(kWidth, kHeight);
  box.Canvas()->StretchDraw(TRect{0, 0, kWidth, kHeight}, &picture);
  box.Canvas()->Pen.Color = clRed;
  box.Canvas()->Pen.Width = 3;
  box.Canvas()->Brush.Style = bsClear;
  box.Canvas()->Ellipse(5, 7, kWidth - 9, kHeight - 4);
  TBitmap expected;
  expected.Assign(&picture);
  expected.Canvas()->Pen = box.Canvas()->Pen;
  expected.Canvas()->Brush = box.Canvas()->Brush;
  expected.Canvas()->Ellipse(5, 7, kWidth - 9, kHeight - 4);
  const auto view = box.ViewImage(TRect{0, 0, kWidth, kHeight});
  ASSERT_EQ(view->Height(), kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(view->Canvas()->Pixels(x, y), expected.Canvas()->Pixels(x, y)) << x << "," << y;
}

TEST(PaintBoxTest, ARepaintRendersOnlyTheVisiblePartOfAHugeView) {
  TForm form;
  form.resize(320, 240);
  auto* scroll = new TScrollBox(&form);
  scroll->setGeometry(0, 0, 320, 240);
  auto* panel = new TPanel(scroll->Content());
  panel->SetBevelOuter(bvNone);
  auto* box = new TPaintBox(panel);
  TBitmap picture;
  picture.SetSize(2000, 2000);
  panel->SetBounds(0, 0, 18000, 18000);
  box->SetBounds(0, 0, 18000, 18000);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  testing::Pump();
  const long long before = box->PaintedPixels();
  box->Canvas()->StretchDraw(TRect{0, 0, 18000, 18000}, &picture);
  testing::Pump();
  EXPECT_GT(box->PaintedPixels(), before);
  EXPECT_LE(box->PaintedPixels() - before, 320LL * 240);
  EXPECT_TRUE(scroll->HorzScrollBarVisible());
  EXPECT_TRUE(scroll->VertScrollBarVisible());
}

TEST(PaintBoxTest, AnUnchangedBitmapStretchedAgainIsNotRepaintedAndARefreshShowsOnlyItsPart) {
  View v;
  TBitmap picture;
  picture.SetSize(100, 100);
  TPaintBoxCanvas& c = *v.box->Canvas();
  c.StretchDraw(TRect{0, 0, 100, 100}, &picture);
  testing::Pump();
  const auto paintedAfter = [&](auto step) {
    const long long before = v.box->PaintedPixels();
    step();
    testing::Pump();
    return v.box->PaintedPixels() - before;
  };
  EXPECT_EQ(paintedAfter([&] { c.StretchDraw(TRect{0, 0, 100, 100}, &picture); }), 0);
  // A pixel changed and refreshed: its part only, and the view shows it.
  EXPECT_LE(paintedAfter([&] {
              picture.Canvas()->SetPixels(7, 8, clRed);
              c.Refresh(&picture, TRect{7, 8, 8, 9});
              c.StretchDraw(TRect{0, 0, 100, 100}, &picture);
            }),
            9);
  EXPECT_EQ(v.box->ViewPixel(7, 8), clRed);
  // Changed without a refresh, or made transparent: stretched again, it is
  // shown again whole.
  EXPECT_EQ(paintedAfter([&] {
              picture.Canvas()->SetPixels(9, 9, clRed);
              c.StretchDraw(TRect{0, 0, 100, 100}, &picture);
            }),
            100 * 100);
  EXPECT_EQ(paintedAfter([&] {
              picture.SetTransparent(true);
              c.StretchDraw(TRect{0, 0, 100, 100}, &picture);
            }),
            100 * 100);
}

}  // namespace
}  // namespace pictor
