// Choosing tools and options: pointers and pages of the tool table, the
// option values, and which page changes commit or drop pending work.
#include <gtest/gtest.h>

#include <vector>

#include "editor/tool_table.h"
#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"
#include "tests/editor/tools_test_support.h"

namespace pictor::edtest {
namespace {

using ToolSelectionTest = ToolsTest;

TEST_F(ToolSelectionTest, EachToolSetsItsPointerAndOptionPage) {
  struct Row {
    TSpeedButton* tool;
    int cursor;
    TTabSheet* page;
  };
  TdlgPictor& d = dialog;
  const std::vector<Row> table = {{d.sbMarquee, crMarquee, d.tsMarquee},
                                  {d.sbLasso, crLasso, d.tsLasso},
                                  {d.sbZoom, crZoom, d.tsZoom},
                                  {d.sbEraser, crArrow, d.tsEraser},
                                  {d.sbPen, crPen, d.tsPen},
                                  {d.sbBrush, crArrow, d.tsBrush},
                                  {d.sbSpray, crSpray, d.tsSpray},
                                  {d.sbText, crText, d.tsText},
                                  {d.sbFill, crFill, d.tsFill},
                                  {d.sbGetPixelColor, crGetPixelColor, d.tsGetPixelColor},
                                  {d.sbLine, crLine, d.tsLine},
                                  {d.sbCurve, crCurve, d.tsLine},
                                  {d.sbRectangle, crRectangle, d.tsRectangle},
                                  {d.sbPolygon, crPolygon, d.tsRectangle},
                                  {d.sbRoundRectangle, crRoundRectangle, d.tsRectangle},
                                  {d.sbEllipse, crEllipse, d.tsRectangle}};
  for (const Row& row : table) {
    Choose(row.tool);
    EXPECT_EQ(d.PaintBox->Cursor(), row.cursor) << row.tool->Hint();
    EXPECT_EQ(d.pcShapes->ActivePage(), row.page) << row.tool->Hint();
  }
}

TEST_F(ToolSelectionTest, EveryToolButtonOfTheFormHasOneRowInToolNumberOrder) {
  int tools = 0;
  for (const TSpeedButton* button : dialog.pnlTools->findChildren<TSpeedButton*>())
    tools += button->GroupIndex() == 1;
  std::vector<int> tags;
  for (const TTool& tool : ToolTable()) tags.push_back((dialog.*tool.button)->Tag());
  ASSERT_EQ(static_cast<int>(tags.size()), tools);
  for (int i = 0; i < tools; ++i) EXPECT_EQ(tags[static_cast<std::size_t>(i)], i);
}

TEST_F(ToolSelectionTest, OptionButtonsSetTheFieldsTheDrawingReads) {
  Choose(dialog.sbLine);
  EXPECT_EQ(t.PenWidth(), 1);
  Choose(dialog.sbLine3);
  EXPECT_EQ(t.PenWidth(), 4);
  Choose(dialog.sbLine2);
  EXPECT_EQ(t.PenWidth(), 2);

  Choose(dialog.sbEllipse);
  EXPECT_EQ(t.PenWidth(), 1);
  EXPECT_EQ(t.BrushStyle(), bsClear);
  EXPECT_TRUE(t.TwoColorFill());
  Choose(dialog.sbRectangle3);
  EXPECT_EQ(t.BrushStyle(), bsSolid);
  EXPECT_FALSE(t.TwoColorFill());
  Choose(dialog.sbRectangle2);
  EXPECT_EQ(t.BrushStyle(), bsSolid);
  EXPECT_TRUE(t.TwoColorFill());

  // The tip follows the tool and its size, in the colour of the tool.
  a.ForeColor() = clRed;
  a.BackColor() = clBlue;
  Choose(dialog.sbBrush);
  Choose(dialog.sbBrush3);
  EXPECT_EQ(a.Shape().Width(), 9);
  EXPECT_EQ(t.ShapeColor(), clRed);
  EXPECT_TRUE(a.Shape().Transparent());
  Choose(dialog.sbEraser);
  EXPECT_EQ(a.Shape().Width(), 16);
  EXPECT_EQ(t.ShapeColor(), clBlue);

  // Zoom presses the button of the current factor, the hidden one for 9.
  Choose(dialog.sbZoom3);
  Choose(dialog.sbPen);
  Choose(dialog.sbZoom);
  EXPECT_TRUE(dialog.sbZoom3->Down());
}

TEST_F(ToolSelectionTest, LeavingAPageDropsTheFigureButToolsOfOnePageKeepIt) {
  Choose(dialog.sbLine);
  Press(2, 2);
  Move(10, 2);
  Choose(dialog.sbCurve);  // same page: the preview stays
  EXPECT_FALSE(a.Shape().Empty());
  Choose(dialog.sbRectangle);  // another page: dropped, nothing committed
  EXPECT_TRUE(a.Shape().Empty());
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(a.HistoryIndex(), 0);

  // A colour pick empties the preview of a polygon under way but keeps its points.
  Choose(dialog.sbPolygon);
  Drag(2, 2, 10, 2);
  Press(10, 10);
  dialog.sbMakeClick();
  EXPECT_TRUE(a.Shape().Empty());
  EXPECT_EQ(a.PointCount(), 2);
  Choose(dialog.sbPolygon);  // chosen again: the figure is abandoned
  EXPECT_EQ(a.PointCount(), 0);
}

TEST_F(ToolSelectionTest, LeavingTheTextPageRecordsAStepAndAFloatingPasteIsPlaced) {
  Choose(dialog.sbText);
  a.Modified() = false;
  Choose(dialog.sbPen);
  EXPECT_TRUE(a.Modified());
  EXPECT_EQ(a.HistoryIndex(), 1);
  EXPECT_EQ(a.TextPos().X, -1);

  a.PasteBitmap().SetSize(4, 4);
  Choose(dialog.sbFill);
  EXPECT_TRUE(a.PasteBitmap().Empty());
  Choose(dialog.sbFill);  // the current tool again: no page is left
  EXPECT_EQ(a.HistoryIndex(), 1);
}

}  // namespace
}  // namespace pictor::edtest
