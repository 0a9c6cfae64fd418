// The editor window's form description, instantiated through uic's header:
// every control of the window with its place, caption, hint, tag, group and
// first state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/toolkit/form.h"
#include "tests/support/qt_application.h"
#include "resources/resource_bytes.h"
#include "ui_dlg_pictor.h"

namespace pictor {
namespace {

class EditorForm : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    form = std::make_unique<TForm>();
    ui.setupUi(form.get());
  }
  std::unique_ptr<TForm> form;
  Ui::dlgPictor ui;
};

std::string Text(const QString& s) { return s.toStdString(); }

QRect Rect(int left, int top, int width, int height) { return QRect(left, top, width, height); }

TEST_F(EditorForm, WindowProperties) {
  EXPECT_EQ(form->objectName(), "dlgPictor");
  EXPECT_EQ(Text(form->windowTitle()), "Pictor");
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_EQ(form->HelpContext(), 901);
  EXPECT_EQ(form->width(), 451);  // client size of an outer 459 x 407 window
  EXPECT_EQ(form->height(), 380);
}

TEST_F(EditorForm, ToolButtonsInTwoColumnsOfOneGroupWithThePenDown) {
  const std::vector<std::pair<TSpeedButton*, std::string>> tools = {
      {ui.sbMarquee, "Marquee"},
      {ui.sbLasso, "Lasso"},
      {ui.sbZoom, "Zoom"},
      {ui.sbEraser, "Eraser"},
      {ui.sbPen, "Pen"},
      {ui.sbBrush, "Brush"},
      {ui.sbSpray, "Spray"},
      {ui.sbText, "Text"},
      {ui.sbFill, "Fill"},
      {ui.sbGetPixelColor, "Pixel color"},
      {ui.sbLine, "Line"},
      {ui.sbCurve, "Curve"},
      {ui.sbRectangle, "Rectangle"},
      {ui.sbPolygon, "Polygon"},
      {ui.sbRoundRectangle, "Round rectangle"},
      {ui.sbEllipse, "Ellipse"},
  };
  for (int n = 0; n < 16; ++n) {
    TSpeedButton* button = tools[n].first;
    SCOPED_TRACE(tools[n].second);
    EXPECT_EQ(button->parentWidget(), ui.pnlTools);
    EXPECT_EQ(button->Tag(), n);
    EXPECT_EQ(Text(button->toolTip()), tools[n].second);
    EXPECT_EQ(button->GroupIndex(), 1);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->geometry(), Rect(4 + 24 * (n % 2), 4 + 24 * (n / 2), 23, 22));
    EXPECT_EQ(button->Down(), button == ui.sbPen);
    EXPECT_FALSE(button->Glyph().Empty());
  }
}

TEST_F(EditorForm, OptionPagesInTheirOrderWithoutTabs) {
  EXPECT_EQ(ui.pcShapes->parentWidget(), ui.pnlTools);
  EXPECT_EQ(ui.pcShapes->geometry(), Rect(4, 200, 49, 129));
  const std::vector<TTabSheet*> pages = {
      ui.tsEmpty,     ui.tsGetPixelColor, ui.tsSpray, ui.tsZoom, ui.tsEraser, ui.tsBrush, ui.tsLine,
      ui.tsRectangle, ui.tsMarquee,       ui.tsLasso, ui.tsPen,  ui.tsText,   ui.tsFill};
  ASSERT_EQ(ui.pcShapes->PageCount(), 13);
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(ui.pcShapes->Pages(i), pages[i]) << i;
    EXPECT_FALSE(pages[i]->TabVisible()) << i;
  }
  EXPECT_EQ(ui.pcShapes->ActivePage(), ui.tsPen);  // the page of the tool that is down
  EXPECT_EQ(ui.pnlGetPixelColor->parentWidget(), ui.tsGetPixelColor);
  EXPECT_EQ(ui.pnlGetPixelColor->geometry(), Rect(8, 8, 25, 25));
  EXPECT_EQ(ui.pnlGetPixelColor->BevelOuter(), bvLowered);
}

struct Option {
  TSpeedButton* button;
  TTabSheet* page;
  int group;
  QRect place;
  bool down;
};

TEST_F(EditorForm, OptionButtonsWithTheirGroupsPlacesAndFirstButtonDown) {
  const std::vector<Option> options = {
      {ui.sbSpray1, ui.tsSpray, 107, Rect(8, 4, 23, 22), true},
      {ui.sbSpray2, ui.tsSpray, 107, Rect(8, 32, 23, 22), false},
      {ui.sbSpray3, ui.tsSpray, 107, Rect(8, 60, 23, 22), false},
      {ui.sbZoom1, ui.tsZoom, 103, Rect(8, 4, 23, 22), true},
      {ui.sbZoom2, ui.tsZoom, 103, Rect(8, 28, 23, 22), false},
      {ui.sbZoom3, ui.tsZoom, 103, Rect(8, 52, 23, 22), false},
      {ui.sbZoom4, ui.tsZoom, 103, Rect(8, 76, 23, 22), false},
      {ui.sbEraser1, ui.tsEraser, 104, Rect(8, 4, 23, 22), true},
      {ui.sbEraser2, ui.tsEraser, 104, Rect(8, 28, 23, 22), false},
      {ui.sbEraser3, ui.tsEraser, 104, Rect(8, 52, 23, 22), false},
      {ui.sbEraser4, ui.tsEraser, 104, Rect(8, 76, 23, 22), false},
      {ui.sbBrush1, ui.tsBrush, 106, Rect(0, 4, 20, 20), true},
      {ui.sbBrush2, ui.tsBrush, 106, Rect(0, 24, 20, 20), false},
      {ui.sbBrush3, ui.tsBrush, 106, Rect(0, 44, 20, 20), false},
      {ui.sbBrush4, ui.tsBrush, 106, Rect(20, 4, 20, 20), false},
      {ui.sbBrush5, ui.tsBrush, 106, Rect(20, 24, 20, 20), false},
      {ui.sbBrush6, ui.tsBrush, 106, Rect(20, 44, 20, 20), false},
      {ui.sbLine1, ui.tsLine, 111, Rect(2, 4, 38, 22), true},
      {ui.sbLine2, ui.tsLine, 111, Rect(2, 28, 38, 22), false},
      {ui.sbLine3, ui.tsLine, 111, Rect(2, 52, 38, 22), false},
      {ui.sbRectangle1, ui.tsRectangle, 113, Rect(2, 4, 38, 22), true},
      {ui.sbRectangle2, ui.tsRectangle, 113, Rect(2, 28, 38, 22), false},
      {ui.sbRectangle3, ui.tsRectangle, 113, Rect(2, 52, 38, 22), false},
      {ui.sbFont, ui.tsText, 108, Rect(8, 4, 23, 22), true},
  };
  for (const Option& o : options) {
    SCOPED_TRACE(Text(o.button->objectName()));
    EXPECT_EQ(o.button->parentWidget(), o.page);
    EXPECT_EQ(o.button->GroupIndex(), o.group);
    EXPECT_EQ(o.button->geometry(), o.place);
    EXPECT_EQ(o.button->Down(), o.down);
  }
  EXPECT_EQ(Text(ui.sbZoom1->text()), "1x");
  EXPECT_EQ(Text(ui.sbZoom2->text()), "5x");
  EXPECT_EQ(Text(ui.sbZoom3->text()), "9x");
  EXPECT_TRUE(ui.sbZoom3->isHidden());
  EXPECT_TRUE(ui.sbZoom4->isHidden());
  EXPECT_FALSE(ui.sbZoom4->Glyph().Empty());
  EXPECT_FALSE(ui.sbZoom1->isHidden());
  EXPECT_FALSE(ui.sbZoom2->isHidden());
}

// The tip of the eraser and brush is the glyph the button carries, so the
// button's glyph must hold the tip file's pixels exactly.
TEST_F(EditorForm, TipButtonsCarryTheTipGlyphs) {
  const std::vector<std::pair<TSpeedButton*, std::string>> tips = {
      {ui.sbEraser1, "eraser1"}, {ui.sbEraser2, "eraser2"}, {ui.sbEraser3, "eraser3"},
      {ui.sbEraser4, "eraser4"}, {ui.sbBrush1, "brush1"},   {ui.sbBrush2, "brush2"},
      {ui.sbBrush3, "brush3"},   {ui.sbBrush4, "brush4"},   {ui.sbBrush5, "brush5"},
      {ui.sbBrush6, "brush6"}};
  for (const auto& [button, name] : tips) {
    SCOPED_TRACE(name);
    TBitmap expected;
    LoadResourceBitmap(":/glyphs/" + name + ".bmp", expected);
    TBitmap glyph;
    glyph.Assign(&button->Glyph());
    ASSERT_EQ(glyph.Width(), expected.Width());
    ASSERT_EQ(glyph.Height(), expected.Height());
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x)
        ASSERT_EQ(glyph.Canvas()->Pixels(x, y), expected.Canvas()->Pixels(x, y)) << x << "," << y;
  }
}

TEST_F(EditorForm, CommandButtonsBesideTheCanvas) {
  struct Button {
    TButton* button;
    int top;
    std::string caption;
    int modalResult;
    bool isDefault;
    bool isCancel;
  };
  const std::vector<Button> buttons = {
      {ui.btOK, 12, "OK", mrOk, true, false},
      {ui.btCancel, 40, "Cancel", mrCancel, false, true},
      {ui.btClear, 68, "&Clear", 5, false, true},
      {ui.btLoadFile, 96, "&File...", 6, false, false},
      {ui.btHelp, 124, "&Help", mrNone, false, false},
  };
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.caption);
    EXPECT_EQ(b.button->parentWidget(), ui.pnlButtons_);
    EXPECT_EQ(b.button->geometry(), Rect(6, b.top, 75, 25));
    EXPECT_EQ(Text(b.button->text()), b.caption);
    EXPECT_EQ(b.button->ModalResult(), b.modalResult);
    EXPECT_EQ(b.button->Default(), b.isDefault);
    EXPECT_EQ(b.button->Cancel(), b.isCancel);
  }
  EXPECT_EQ(Text(ui.btLoadFile->toolTip()), "Load picture without editing");

  const std::vector<std::tuple<TSpeedButton*, int, std::string>> commands = {
      {ui.sbNew, 164, "New image"},
      {ui.sbLoad, 164, "Load"},
      {ui.sbSave, 164, "Save"},
      {ui.sbSelectAll, 188, "Select all"},
      {ui.sbCopy, 188, "Copy to clipboard"},
      {ui.sbPaste, 188, "Paste from clipboard"},
      {ui.sbUndo, 212, "Undo"},
      {ui.sbRedo, 212, "Redo"},
      {ui.sbAttributes, 236, "Image attributes"},
      {ui.sbAbout, 236, "About Pictor"},
  };
  for (const auto& [button, top, hint] : commands) {
    SCOPED_TRACE(hint);
    EXPECT_EQ(button->parentWidget(), ui.pnlButtons_);
    EXPECT_EQ(button->y(), top);
    EXPECT_EQ(button->size(), QSize(23, 22));
    EXPECT_GE(button->x(), 6);
    EXPECT_LE(button->x() + button->width(), 81);
    EXPECT_EQ(Text(button->toolTip()), hint);
    EXPECT_EQ(button->GroupIndex(), 0);
    EXPECT_FALSE(button->Glyph().Empty());
  }
}

TEST_F(EditorForm, ViewAndColourSquares) {
  EXPECT_EQ(ui.ScrollBox->Align(), alClient);
  EXPECT_EQ(ui.ScrollBox->Color(), clAppWorkSpace);
  EXPECT_EQ(ui.pnlImage->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(ui.pnlImage->BevelOuter(), bvNone);
  EXPECT_EQ(ui.pnlImage->BevelInner(), bvNone);
  EXPECT_EQ(ui.pnlImage->Color(), clWhite);
  EXPECT_EQ(ui.PaintBox->parentWidget(), ui.pnlImage);
  EXPECT_EQ(ui.PaintBox->geometry().topLeft(), QPoint(0, 0));

  EXPECT_EQ(ui.pnlFBColors->parentWidget(), ui.pnlPalette);
  EXPECT_EQ(ui.pnlFBColors->Align(), alLeft);
  EXPECT_EQ(ui.pnlFBColors->BevelOuter(), bvNone);
  EXPECT_EQ(ui.pnlFColor->geometry(), Rect(12, 2, 21, 21));
  EXPECT_EQ(ui.pnlBColor->geometry(), Rect(24, 11, 21, 21));
  EXPECT_EQ(ui.pnlFColor->Color(), clBlack);
  EXPECT_EQ(ui.pnlBColor->Color(), clWhite);
  EXPECT_EQ(ui.pnlFColor->BevelInner(), bvLowered);
  EXPECT_EQ(ui.pnlBColor->BevelInner(), bvLowered);
  EXPECT_EQ(Text(ui.pnlFColor->toolTip()), "Foreground color");
  EXPECT_EQ(Text(ui.pnlBColor->toolTip()), "Background color");
  // The foreground square lies over the background square.
  auto children = ui.pnlFBColors->children();
  EXPECT_GT(children.indexOf(ui.pnlFColor), children.indexOf(ui.pnlBColor));

  EXPECT_EQ(ui.KPalette->parentWidget(), ui.pnlPalette);
  EXPECT_EQ(ui.KPalette->Align(), alClient);
  EXPECT_EQ(ui.KPalette->BevelOuter(), bvNone);
}

// At the window's first size the aligned regions fall where the form
// description puts them: tools left, buttons right, palette and status bar at
// the bottom.
TEST_F(EditorForm, RegionsAtTheFirstSize) {
  form->show();
  form->resize(451, 380);
  QApplication::processEvents();
  EXPECT_EQ(ui.StatusBar1->geometry(), Rect(0, 361, 451, 19));
  EXPECT_EQ(ui.pnlPalette->geometry(), Rect(0, 325, 451, 36));
  EXPECT_EQ(ui.pnlTools->geometry(), Rect(0, 0, 57, 325));
  EXPECT_EQ(ui.pnlButtons_->geometry(), Rect(365, 0, 86, 325));
  EXPECT_EQ(ui.ScrollBox->geometry(), Rect(57, 0, 308, 325));
  EXPECT_EQ(ui.KPalette->geometry(), Rect(58, 1, 392, 34));
  form->hide();
}

}  // namespace
}  // namespace pictor
