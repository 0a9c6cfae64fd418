// Choosing a tool and its options: the tool table (pointer, option page and
// the steps each tool takes when chosen), leaving an option page, and the
// option buttons that copy their values into the fields the drawing reads.
#include "editor/dlg_pictor.h"
#include "host/toolkit/screen.h"

namespace pictor {
namespace {

// What a tool does when chosen, beyond its pointer and page.
enum class ChooseStep {
  None,
  Marquee,
  Lasso,
  Zoom,
  Eraser,
  Brush,
  Text,
  Line,
  Curve,
  Rectangle,
  Polygon
};

struct ToolEntry {
  TSpeedButton* Ui::dlgPictor::*button;
  int cursor;
  TTabSheet* Ui::dlgPictor::*page;
  ChooseStep step;
};

// In tool-number order. Every tool but the eraser and the brush (which show
// their tip instead) has the pointer -(101 + tool number); the ids without a
// registered pointer show the default arrow.
constexpr ToolEntry kTools[] = {
    {&Ui::dlgPictor::sbMarquee, -101, &Ui::dlgPictor::tsMarquee, ChooseStep::Marquee},
    {&Ui::dlgPictor::sbLasso, -102, &Ui::dlgPictor::tsLasso, ChooseStep::Lasso},
    {&Ui::dlgPictor::sbZoom, -103, &Ui::dlgPictor::tsZoom, ChooseStep::Zoom},
    {&Ui::dlgPictor::sbEraser, crArrow, &Ui::dlgPictor::tsEraser, ChooseStep::Eraser},
    {&Ui::dlgPictor::sbPen, -105, &Ui::dlgPictor::tsPen, ChooseStep::None},
    {&Ui::dlgPictor::sbBrush, crArrow, &Ui::dlgPictor::tsBrush, ChooseStep::Brush},
    {&Ui::dlgPictor::sbSpray, -107, &Ui::dlgPictor::tsSpray, ChooseStep::None},
    {&Ui::dlgPictor::sbText, -108, &Ui::dlgPictor::tsText, ChooseStep::Text},
    {&Ui::dlgPictor::sbFill, -109, &Ui::dlgPictor::tsFill, ChooseStep::None},
    {&Ui::dlgPictor::sbGetPixelColor, -110, &Ui::dlgPictor::tsGetPixelColor, ChooseStep::None},
    {&Ui::dlgPictor::sbLine, -111, &Ui::dlgPictor::tsLine, ChooseStep::Line},
    {&Ui::dlgPictor::sbCurve, -112, &Ui::dlgPictor::tsLine, ChooseStep::Curve},
    {&Ui::dlgPictor::sbRectangle, -113, &Ui::dlgPictor::tsRectangle, ChooseStep::Rectangle},
    {&Ui::dlgPictor::sbPolygon, -114, &Ui::dlgPictor::tsRectangle, ChooseStep::Polygon},
    {&Ui::dlgPictor::sbRoundRectangle, -115, &Ui::dlgPictor::tsRectangle, ChooseStep::Rectangle},
    {&Ui::dlgPictor::sbEllipse, -116, &Ui::dlgPictor::tsRectangle, ChooseStep::Rectangle},
};

}  // namespace

void TdlgPictor::WireToolEvents() {
  auto notify = [this](void (TdlgPictor::*handler)(TObject*)) {
    return [this, handler](TObject* Sender) { (this->*handler)(Sender); };
  };
  for (TSpeedButton* size : {sbEraser1, sbEraser2, sbEraser3, sbEraser4})
    size->OnClick = notify(&TdlgPictor::sbEraserClick);
  for (TSpeedButton* size : {sbBrush1, sbBrush2, sbBrush3, sbBrush4, sbBrush5, sbBrush6})
    size->OnClick = notify(&TdlgPictor::sbBrushClick);
  for (TSpeedButton* width : {sbLine1, sbLine2, sbLine3})
    width->OnClick = notify(&TdlgPictor::sbLineClick);
  for (TSpeedButton* style : {sbRectangle1, sbRectangle2, sbRectangle3})
    style->OnClick = notify(&TdlgPictor::sbRectangleClick);

  PaintBox->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                 int Y) { PaintBoxMouseDown(Sender, Button, Shift, X, Y); };
  PaintBox->OnMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) {
    PaintBoxMouseMove(Sender, Shift, X, Y);
  };
  PaintBox->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                               int Y) { PaintBoxMouseUp(Sender, Button, Shift, X, Y); };
  PaintBox->OnDblClick = notify(&TdlgPictor::PaintBoxDblClick);
}

void TdlgPictor::sbClick(TObject* Sender) {
  // A pasted picture that still floats is placed first.
  if (!FPasteBitmap->Empty()) tsHide(tsMarquee);
  for (const ToolEntry& tool : kTools) {
    if (Sender != this->*tool.button) continue;
    PaintBox->SetCursor(tool.cursor);
    // Leaving a page runs its tsHide.
    pcShapes->SetActivePage(this->*tool.page);
    RunChooseStep(static_cast<int>(tool.step));
    break;
  }
  Draw();
}

void TdlgPictor::RunChooseStep(int step) {
  switch (static_cast<ChooseStep>(step)) {
    case ChooseStep::None:
      break;
    case ChooseStep::Marquee:
      FSelected = false;
      FPasteBitmap->Assign(nullptr);
      break;
    case ChooseStep::Lasso:
      FSelected = false;
      FPasteBitmap->Assign(nullptr);
      FPointCount = 0;
      break;
    case ChooseStep::Zoom:
      if (FZoom == 1)
        sbZoom1->SetDown(true);
      else if (FZoom == 5)
        sbZoom2->SetDown(true);
      else if (FZoom == 9)
        sbZoom3->SetDown(true);
      break;
    case ChooseStep::Eraser:
      sbEraserClick(nullptr);
      break;
    case ChooseStep::Brush:
      sbBrushClick(nullptr);
      break;
    case ChooseStep::Text:
      FTextPos = Point(-1, -1);
      FText.clear();
      FCaretShown = false;
      break;
    case ChooseStep::Line:
      sbLineClick(nullptr);
      break;
    case ChooseStep::Curve:
      sbLineClick(nullptr);
      FPointCount = 0;
      break;
    case ChooseStep::Rectangle:
      sbRectangleClick(nullptr);
      break;
    case ChooseStep::Polygon:
      sbRectangleClick(nullptr);
      FPointCount = 0;
      break;
  }
}

void TdlgPictor::tsHide(TObject* Sender) {
  if (Sender == tsMarquee) {
    if (FSelected) {
      DrawSelection(mbLeft, -1, -1);
      if (!FShape->Empty()) {
        AssignShape();
        AddToHistory();
      }
      FModified = true;
    }
    FSelected = false;
    FPasteBitmap->Assign(nullptr);
  } else if (Sender == tsLasso) {
    if (FSelected) {
      DrawSelectionLasso(mbLeft, -1, -1);
      // An empty preview would empty the document.
      if (!FShape->Empty()) AssignShape();
      AddToHistory();
      FModified = true;
    }
    FSelected = false;
    FPasteBitmap->Assign(nullptr);
  } else if (Sender == tsText) {
    DrawText_(FBitmap.get());
    AddToHistory();
    FModified = true;
    FPasteBitmap->Assign(nullptr);
    FTextPos.X = -1;
  }
  FShape->Assign(nullptr);
  Draw();
}

void TdlgPictor::sbMakeClick() {
  tsHide(pcShapes->ActivePage());
  if (sbEraser->Down()) sbEraserClick(nullptr);
  if (sbBrush->Down()) sbBrushClick(nullptr);
  if (sbLine->Down() || sbCurve->Down()) SetPenWidth();
  if (sbRectangle->Down() || sbPolygon->Down() || sbRoundRectangle->Down() || sbEllipse->Down())
    SetRectangleStyle();
}

void TdlgPictor::sbEraserClick(TObject*) {
  SetShape();
  FShapeColor = FBackColor;
  SetColoredShape();
}

void TdlgPictor::sbBrushClick(TObject*) {
  SetShape();
  FShapeColor = FForeColor;
  SetColoredShape();
}

void TdlgPictor::sbLineClick(TObject*) { SetPenWidth(); }

void TdlgPictor::sbRectangleClick(TObject*) { SetRectangleStyle(); }

void TdlgPictor::SetPenWidth() {
  if (sbLine1->Down())
    FPenWidth = 1;
  else if (sbLine2->Down())
    FPenWidth = 2;
  else if (sbLine3->Down())
    FPenWidth = 4;
}

void TdlgPictor::SetRectangleStyle() {
  FPenWidth = 1;
  FTwoColorFill = true;
  FBrushStyle = bsSolid;
  if (sbRectangle1->Down()) FBrushStyle = bsClear;
  if (sbRectangle2->Down()) FBrushStyle = bsSolid;
  if (sbRectangle3->Down()) FTwoColorFill = false;
}

}  // namespace pictor
