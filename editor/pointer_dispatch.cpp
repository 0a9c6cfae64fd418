// The paint box's pointer handlers: paint-box pixels become image pixels,
// and each press, drag step, release and double click runs the branch of the
// current tool's family.
#include <cstdlib>
#include <string>

#include "editor/dlg_pictor.h"
#include "editor/tool_table.h"
#include "host/toolkit/pointer.h"
#include "host/toolkit/screen.h"

namespace pictor {

bool TdlgPictor::InRectangle(int X, int Y, int X1, int Y1, int X2, int Y2) {
  return ((X1 <= X && X <= X2) || (X2 <= X && X <= X1)) &&
         ((Y1 <= Y && Y <= Y2) || (Y2 <= Y && Y <= Y1));
}

// A press (Sender is the paint box) or a drag step (Sender is nullptr).
void TdlgPictor::PaintBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X,
                                   int Y) {
  // Moves and the release reach the paint box wherever the pointer goes.
  if (GetCapture() != PaintBox) SetCapture(PaintBox);
  const TPoint P = ImagePoint(X, Y);
  FLastPoint = P;
  const TTool& tool = CurrentTool();
  switch (tool.family) {
    case TToolFamily::None:
      break;
    case TToolFamily::Selection:
      SelectionStep(Sender, Button, P);
      break;
    case TToolFamily::Freehand:
      FreehandPress(tool, Button, P);
      break;
    case TToolFamily::Fill:
      FillPress(Button, P);
      break;
    case TToolFamily::Picker:
      PickColorPress(Button, P);
      break;
    case TToolFamily::Zoom:
      ToggleZoom();
      break;
    case TToolFamily::Text:
      TextClick(Button, P);
      break;
    case TToolFamily::Line:
      LineStep(Sender, Button, P);
      break;
    case TToolFamily::Figure:
      FigureStep(Sender, Button, P, tool);
      break;
    case TToolFamily::Curve:
      CurveStep(Sender, Button, P);
      break;
    case TToolFamily::Polygon:
      PolygonStep(Sender, Button, P);
      break;
  }
}

// Stroke continuity: a held stroke advances at most one image pixel per axis
// per event, and the screen pointer is pulled back to that pixel.
void TdlgPictor::PullStroke(int& X, int& Y) {
  TPoint Q = ImagePoint(X, Y);
  const TPoint L = FLastPoint;
  if (std::abs(Q.X - L.X) <= 1 && std::abs(Q.Y - L.Y) <= 1) return;
  Q.X = Q.X < L.X ? L.X - 1 : (Q.X > L.X ? L.X + 1 : Q.X);
  Q.Y = Q.Y < L.Y ? L.Y - 1 : (Q.Y > L.Y ? L.Y + 1 : Q.Y);
  X = Q.X * FZoom;
  Y = Q.Y * FZoom;
  const TPoint origin = PaintBox->ClientOrigin();
  SetCursorPos(origin.X + X, origin.Y + Y);
}

void TdlgPictor::PaintBoxMouseMove(TObject*, TShiftState Shift, int X, int Y) {
  const TTool& tool = CurrentTool();
  const bool held = Shift.Contains(ssLeft) || Shift.Contains(ssRight);
  if (held && tool.Has(TToolFlag::ConnectedStroke)) PullStroke(X, Y);
  FMouseOverImage = true;
  const TPoint P = ImagePoint(X, Y);
  FStatusBar->SetSimpleText(std::to_string(P.X) + "," + std::to_string(P.Y));

  if (tool.Has(TToolFlag::DragSteps)) {
    if (tool.family == TToolFamily::Selection && !held) SelectionHover(P, tool);
    if (tool.shape == TToolShape::Tip) ShowTipAt(X, Y);
    if (Shift.Contains(ssLeft)) PaintBoxMouseDown(nullptr, mbLeft, Shift, X, Y);
    if (Shift.Contains(ssRight)) PaintBoxMouseDown(nullptr, mbRight, Shift, X, Y);
  }
  FLastPoint = P;
  if (tool.family == TToolFamily::Picker) ShowPixelColor(P);
}

void TdlgPictor::PaintBoxMouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  ReleaseCapture();
  const TPoint P = ImagePoint(X, Y);
  const TTool& tool = CurrentTool();
  switch (tool.family) {
    case TToolFamily::Line:
    case TToolFamily::Figure:
      CommitShape();
      Draw();
      break;
    case TToolFamily::Selection:
      SelectionRelease(Button, P);
      break;
    case TToolFamily::Curve:
      CurveRelease(P);
      break;
    case TToolFamily::Polygon:
      PolygonRelease(P);
      break;
    default:
      break;
  }
  if (tool.Has(TToolFlag::RecordsRelease)) AddToHistory();
}

void TdlgPictor::PaintBoxDblClick(TObject*) {
  if (CurrentTool().family == TToolFamily::Polygon) PolygonDoubleClick();
}

}  // namespace pictor
