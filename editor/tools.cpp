// Choosing a tool and its options: the steps each tool takes when chosen,
// leaving an option page, and the option buttons that copy their values into
// the fields the drawing reads.
#include "editor/dlg_pictor.h"
#include "editor/tool_options.h"
#include "editor/tool_table.h"

namespace pictor {

const TTool& TdlgPictor::CurrentTool() const {
  const TTool* tool = DownOption(*this, ToolTable());
  return tool ? *tool : kNoTool;
}

void TdlgPictor::sbClick(TObject* Sender) {
  // A pasted picture that still floats is placed first.
  if (!FPasteBitmap->Empty()) tsHide(tsMarquee);
  for (const TTool& tool : ToolTable()) {
    if (Sender != this->*tool.button) continue;
    PaintBox->SetCursor(tool.cursor);
    // Leaving a page runs its tsHide.
    pcShapes->SetActivePage(this->*tool.page);
    ChooseTool(tool);
    break;
  }
  Draw();
}

// What a tool does when chosen, beyond its pointer and page.
void TdlgPictor::ChooseTool(const TTool& tool) {
  switch (tool.family) {
    case TToolFamily::Selection:
      ForgetSelection();
      break;
    case TToolFamily::Zoom:
      ShowZoomFactor();
      break;
    case TToolFamily::Text:
      ResetText();
      break;
    default:
      break;
  }
  if (tool.Has(TToolFlag::CollectsPoints)) FPointCount = 0;
  ApplyToolOptions(tool);
}

void TdlgPictor::ApplyToolOptions(const TTool& tool) {
  switch (tool.options) {
    case TToolOptions::None:
      break;
    case TToolOptions::Tip:
      LoadTip();
      break;
    case TToolOptions::PenWidth:
      SetPenWidth();
      break;
    case TToolOptions::FigureStyle:
      SetRectangleStyle();
      break;
  }
}

void TdlgPictor::tsHide(TObject* Sender) {
  if (Sender == tsMarquee || Sender == tsLasso) {
    if (FSelected) {
      DropSelection(mbLeft, Sender == tsLasso ? TToolShape::Freeform : TToolShape::Rectangle);
      FModified = true;
    }
    ForgetSelection();
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
  ApplyToolOptions(CurrentTool());
}

// The tip of the eraser or the brush, in the colour the left button paints.
void TdlgPictor::LoadTip() {
  SetShape();
  FShapeColor = CurrentTool().Has(TToolFlag::SwapsColours) ? FBackColor : FForeColor;
  SetColoredShape();
}

void TdlgPictor::sbEraserClick(TObject*) { LoadTip(); }

void TdlgPictor::sbBrushClick(TObject*) { LoadTip(); }

void TdlgPictor::sbLineClick(TObject*) { SetPenWidth(); }

void TdlgPictor::sbRectangleClick(TObject*) { SetRectangleStyle(); }

void TdlgPictor::SetPenWidth() {
  if (const TPenWidthOption* width = DownOption(*this, kPenWidths)) FPenWidth = width->width;
}

void TdlgPictor::SetRectangleStyle() {
  FPenWidth = kFigurePenWidth;
  const TFigureStyleOption* style = DownOption(*this, kFigureStyles);
  if (!style) style = &kDefaultFigureStyle;
  FBrushStyle = style->brushStyle;
  FTwoColorFill = style->twoColorFill;
}

}  // namespace pictor
