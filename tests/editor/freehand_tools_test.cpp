// The freehand tools through the paint box's handlers: tips, colours by
// button, stroke continuity, spray, fill, the colour picker, the zoom tool
// and the status line.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/toolkit/pointer.h"
#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

using Offsets = std::vector<std::pair<int, int>>;

Offsets Square(int from, int to) {
  Offsets offsets;
  for (int dy = from; dy <= to; ++dy)
    for (int dx = from; dx <= to; ++dx) offsets.emplace_back(dx, dy);
  return offsets;
}

// The offsets of a round tip, given as rows: dy and the range of dx.
Offsets Rows(const std::vector<std::pair<int, std::pair<int, int>>>& rows) {
  Offsets offsets;
  for (const auto& [dy, span] : rows)
    for (int dx = span.first; dx <= span.second; ++dx) offsets.emplace_back(dx, dy);
  return offsets;
}

class FreehandTest : public ToolsTest {
 protected:
  void SetUp() override {
    ToolsTest::SetUp();
    a.ForeColor() = clRed;
    a.BackColor() = clBlue;
  }
  // The offsets from (20, 15) of the pixels that are not white.
  Offsets PaintedAround() {
    Offsets offsets;
    for (TPoint p : Painted()) offsets.emplace_back(p.X - 20, p.Y - 15);
    std::sort(offsets.begin(), offsets.end(), [](auto l, auto r) {
      return std::make_pair(l.second, l.first) < std::make_pair(r.second, r.first);
    });
    return offsets;
  }
};

TEST_F(FreehandTest, EveryEraserAndBrushSizeStampsItsTipAroundThePointer) {
  const Offsets brush2 = Rows({{-2, {-1, 0}}, {-1, {-2, 1}}, {0, {-2, 1}}, {1, {-1, 0}}});
  const Offsets brush3 = Rows({{-3, {-1, 1}},
                               {-2, {-2, 2}},
                               {-1, {-3, 3}},
                               {0, {-3, 3}},
                               {1, {-3, 3}},
                               {2, {-2, 2}},
                               {3, {-1, 1}}});
  const std::vector<std::pair<TSpeedButton*, Offsets>> tips = {
      {dialog.sbEraser1, Square(-1, 0)},  {dialog.sbEraser2, Square(-2, 1)},
      {dialog.sbEraser3, Square(-4, 3)},  {dialog.sbEraser4, Square(-6, 5)},
      {dialog.sbBrush1, Offsets{{0, 0}}}, {dialog.sbBrush2, brush2},
      {dialog.sbBrush3, brush3},          {dialog.sbBrush4, Square(-1, 0)},
      {dialog.sbBrush5, Square(-2, 1)},   {dialog.sbBrush6, Square(-4, 3)}};
  EXPECT_EQ(brush2.size(), 12u);
  EXPECT_EQ(brush3.size(), 37u);
  for (std::size_t i = 0; i < tips.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& [size, expected] = tips[i];
    Open();
    const bool eraser = size->GroupIndex() == dialog.sbEraser1->GroupIndex();
    Choose(eraser ? dialog.sbEraser : dialog.sbBrush);
    Choose(size);
    Press(20, 15);
    Release(20, 15);
    EXPECT_EQ(PaintedAround(), expected);
    // The eraser's left button paints the background colour, the brush's the foreground.
    EXPECT_EQ(Pixel(20 + expected[0].first, 15 + expected[0].second), eraser ? clBlue : clRed);
  }
}

TEST_F(FreehandTest, ButtonsChooseTheColourAndOtherButtonsOnlyMarkTheDocument) {
  struct Case {
    TSpeedButton* tool;
    TColor left, right;
  };
  for (const Case& c : {Case{dialog.sbEraser, clBlue, clRed}, Case{dialog.sbBrush, clRed, clBlue},
                        Case{dialog.sbPen, clRed, clBlue}, Case{dialog.sbSpray, clRed, clBlue},
                        Case{dialog.sbFill, clRed, clBlue}}) {
    SCOPED_TRACE(c.tool->Hint());
    for (TMouseButton button : {mbLeft, mbRight}) {
      Open();
      Choose(c.tool);
      Press(20, 15, button);
      Release(20, 15, button);
      EXPECT_FALSE(Painted().empty());
      for (TPoint p : Painted()) EXPECT_EQ(Pixel(p.X, p.Y), button == mbLeft ? c.left : c.right);
    }
    // The middle button: the pen and the spray paint nothing; the tips and
    // the fill use the colour they last used.
    a.Bitmap().Canvas()->SetPixels(30, 20, clWhite);
    a.Modified() = false;
    const std::size_t before = Painted().size();
    Press(30, 20, mbMiddle);
    Release(30, 20, mbMiddle);
    EXPECT_TRUE(a.Modified());
    if (c.tool == dialog.sbPen || c.tool == dialog.sbSpray)
      EXPECT_EQ(Painted().size(), before);
    else
      EXPECT_EQ(Pixel(30, 20), c.right);
    EXPECT_EQ(a.HistoryIndex(), 2);
  }
}

TEST_F(FreehandTest, AFastPenDragAdvancesOnePixelPerEventAndPullsThePointerBack) {
  for (int zoom : {1, 5}) {
    SCOPED_TRACE(zoom);
    Open();
    Choose(dialog.sbPen);
    Choose(zoom == 1 ? dialog.sbZoom1 : dialog.sbZoom2);
    const TPoint origin = dialog.PaintBox->ClientOrigin();
    Press(10 * zoom, 10 * zoom);
    for (int step = 1; step <= 10; ++step) {
      Move(20 * zoom + zoom - 1, 10 * zoom);
      // The last step finds no gap and leaves the pointer where it is.
      if (step < 10) {
        EXPECT_EQ(GetCursorPos(), Point(origin.X + (10 + step) * zoom, origin.Y + 10 * zoom));
      }
      EXPECT_EQ(Painted().size(), static_cast<std::size_t>(step + 1));
    }
    Release(20 * zoom, 10 * zoom);
    for (int x = 10; x <= 20; ++x) EXPECT_EQ(Pixel(x, 10), clRed);
    EXPECT_EQ(Painted().size(), 11u);

    // A diagonal jump first paints the diagonal neighbour.
    Press(10 * zoom, 20 * zoom);
    Move(30 * zoom, 25 * zoom);
    EXPECT_EQ(Pixel(11, 21), clRed);
    EXPECT_EQ(t.LastPoint(), Point(11, 21));
    Release(11 * zoom, 21 * zoom);
  }
}

TEST_F(FreehandTest, PositionsAreTruncatedTowardZeroAndPixelsOutsideAreDropped) {
  Choose(dialog.sbPen);
  Choose(dialog.sbZoom2);
  Press(4, 4);
  Move(-4, -1);
  Move(-5, 0);  // column -1
  Release(-5, 0);
  EXPECT_EQ(Painted(), (std::vector<TPoint>{Point(0, 0)}));
  EXPECT_EQ(t.LastPoint(), Point(-1, 0));
  // The pen pulled the stroke only to -1: it never skipped.
  Press(0, 0);
  Move(-400, -400);
  EXPECT_EQ(t.LastPoint(), Point(-1, -1));
  Release(-400, -400);
  EXPECT_EQ(Painted(), (std::vector<TPoint>{Point(0, 0)}));
}

TEST_F(FreehandTest, SprayDotsStayInsideTheirSquareAndReachAllOfIt) {
  struct Case {
    TSpeedButton* size;
    int r, dots;
  };
  for (const Case& c :
       {Case{dialog.sbSpray1, 2, 4}, Case{dialog.sbSpray2, 4, 12}, Case{dialog.sbSpray3, 6, 24}}) {
    c.size->SetDown(true);
    std::set<std::pair<int, int>> reached;
    for (int event = 0; event < 300; ++event) {
      Open();
      Choose(dialog.sbSpray);
      Press(20, 15);
      const std::vector<TPoint> dots = Painted();
      EXPECT_LE(dots.size(), static_cast<std::size_t>(c.dots));
      for (TPoint p : dots) {
        EXPECT_TRUE(p.X >= 20 - c.r && p.X < 20 + c.r && p.Y >= 15 - c.r && p.Y < 15 + c.r);
        reached.emplace(p.X, p.Y);
      }
      Release(20, 15);
    }
    EXPECT_EQ(reached.size(), static_cast<std::size_t>(4 * c.r * c.r)) << c.r;
  }
}

TEST_F(FreehandTest, FillReplacesTheFourConnectedAreaOnPaletteAndTrueColourImages) {
  for (TPixelFormat format : {pf4bit, pf8bit, pf24bit}) {
    Open(20, 20, format);
    TCanvas* canvas = a.Bitmap().Canvas();
    // A box from (2, 2) to (9, 9), and a diagonal wall the fill must not cross.
    canvas->Brush.Style = bsClear;
    canvas->Pen.Color = clBlack;
    canvas->Rectangle(2, 2, 10, 10);
    for (int i = 0; i < 20; ++i) canvas->SetPixels(19 - i, i, clBlack);
    Choose(dialog.sbFill);
    Press(5, 5);
    Release(5, 5);
    EXPECT_EQ(Pixel(3, 3), clRed);
    EXPECT_EQ(Pixel(8, 8), clRed);
    EXPECT_EQ(Pixel(2, 2), clBlack);
    EXPECT_EQ(Pixel(1, 1), clWhite);
    Press(1, 1, mbRight);
    Release(1, 1, mbRight);
    EXPECT_EQ(Pixel(12, 1), clBlue);
    EXPECT_EQ(Pixel(19, 19), clWhite);  // beyond the diagonal
    EXPECT_EQ(Pixel(5, 5), clRed);

    // A click on the fill colour changes nothing but still records a step.
    const int index = a.HistoryIndex();
    Press(5, 5);
    Release(5, 5);
    EXPECT_EQ(a.HistoryIndex(), index + 1);
    EXPECT_EQ(Pixel(5, 5), clRed);
  }
}

TEST_F(FreehandTest, ThePixelColourToolTakesAColourWithoutChangingTheDocument) {
  a.Bitmap().Canvas()->SetPixels(3, 4, clLime);
  Choose(dialog.sbGetPixelColor);
  a.Modified() = false;
  Move(3, 4, {});
  EXPECT_EQ(dialog.pnlGetPixelColor->Color(), clLime);
  Move(-30, 4, {});  // outside: the swatch keeps its colour
  EXPECT_EQ(dialog.pnlGetPixelColor->Color(), clLime);
  Press(3, 4, mbRight);
  Release(3, 4, mbRight);
  EXPECT_EQ(a.BackColor(), clLime);
  EXPECT_EQ(dialog.pnlBColor->Color(), clLime);
  EXPECT_EQ(a.ForeColor(), clRed);
  Press(0, 0);
  Release(0, 0);
  EXPECT_EQ(a.ForeColor(), clWhite);
  EXPECT_EQ(dialog.pnlFColor->Color(), clWhite);
  EXPECT_FALSE(a.Modified());
  EXPECT_EQ(a.HistoryIndex(), 0);
}

TEST_F(FreehandTest, TheZoomToolTogglesWithAnyButtonAndTheStatusLineShowsImagePixels) {
  Choose(dialog.sbZoom);
  for (TMouseButton button : {mbMiddle, mbRight, mbLeft}) {
    const int before = a.Zoom();
    Press(3, 3, button);
    Release(3, 3, button);
    EXPECT_EQ(a.Zoom(), before == 1 ? 5 : 1);
    EXPECT_TRUE((a.Zoom() == 5 ? dialog.sbZoom2 : dialog.sbZoom1)->Down());
    Move(a.Zoom() - 1, a.Zoom() - 1, {});
    EXPECT_EQ(a.StatusBar()->SimpleText(), "0,0");
  }
  EXPECT_EQ(a.HistoryIndex(), 0);
  EXPECT_FALSE(a.Modified());
  Choose(dialog.sbZoom3);
  Move(8 + 9 * 12, 8 + 9 * 34, {});
  EXPECT_EQ(a.StatusBar()->SimpleText(), "12,34");
}

}  // namespace
}  // namespace pictor::edtest
