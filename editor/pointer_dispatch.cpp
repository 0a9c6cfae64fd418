// The paint box's pointer handlers: paint-box pixels become image pixels
// (division by the zoom, truncated toward zero), and each press, drag step,
// release and double click runs the branch of the tool whose button is down.
#include <cstdlib>
#include <string>

#include "editor/dlg_pictor.h"
#include "host/toolkit/pointer.h"
#include "host/toolkit/screen.h"

namespace pictor {

TPoint TdlgPictor::ImagePoint(int X, int Y) const { return Point(X / FZoom, Y / FZoom); }

bool TdlgPictor::InRectangle(int X, int Y, int X1, int Y1, int X2, int Y2) {
  return ((X1 <= X && X <= X2) || (X2 <= X && X <= X1)) &&
         ((Y1 <= Y && Y <= Y2) || (Y2 <= Y && Y <= Y1));
}

void TdlgPictor::PaintBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X,
                                   int Y) {
  // Moves and the release reach the paint box wherever the pointer goes.
  if (GetCapture() != PaintBox) SetCapture(PaintBox);
  const TPoint P = ImagePoint(X, Y);
  FLastPoint = P;
  if (sbZoom->Down())
    ToggleZoom();
  else if (sbEraser->Down())
    StampTip(Button, P, FBackColor, FForeColor);
  else if (sbBrush->Down())
    StampTip(Button, P, FForeColor, FBackColor);
  else if (sbPen->Down())
    PenPress(Button, P);
  else if (sbSpray->Down())
    SprayPress(Button, P);
  else if (sbGetPixelColor->Down())
    PickColorPress(Button, P);
  else if (sbFill->Down())
    FillPress(Button, P);
  else if (sbLine->Down())
    LineStep(Sender, Button, P);
  else if (sbPolygon->Down())
    PolygonStep(Sender, Button, P);
  else if (sbCurve->Down())
    CurveStep(Sender, Button, P);
  else if (sbRectangle->Down() || sbRoundRectangle->Down() || sbEllipse->Down())
    FigureStep(Sender, Button, P);
  // The marquee, lasso and text branches come with their tools.
}

// Stroke continuity: a held freehand stroke advances at most one image pixel
// per axis per event, and the screen pointer is pulled back to that pixel.
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
  const bool held = Shift.Contains(ssLeft) || Shift.Contains(ssRight);
  const bool tip = sbEraser->Down() || sbBrush->Down();
  if (held && (tip || sbPen->Down())) PullStroke(X, Y);
  FMouseOverImage = true;
  const TPoint P = ImagePoint(X, Y);
  FStatusBar->SetSimpleText(std::to_string(P.X) + "," + std::to_string(P.Y));

  const bool selection = sbMarquee->Down() || sbLasso->Down();
  const bool drags = selection || tip || sbPen->Down() || sbSpray->Down() || sbLine->Down() ||
                     sbCurve->Down() || sbRectangle->Down() || sbRoundRectangle->Down() ||
                     sbEllipse->Down() || sbPolygon->Down();
  if (drags) {
    if (selection && !held) {
      // Over the selection a press moves it.
      FMoving = FSelected &&
                InRectangle(P.X, P.Y, FSelRect.Left, FSelRect.Top, FSelRect.Right, FSelRect.Bottom);
      PaintBox->SetCursor(FMoving ? crSizeAll : (sbLasso->Down() ? -102 : -101));
    }
    if (tip) {
      // The tip preview, centred on the pointer.
      const int w = FShape->Width() * FZoom;
      const int h = FShape->Height() * FZoom;
      FShapeRect = Rect(X - w / 2, Y - h / 2, X - w / 2 + w, Y - h / 2 + h);
      Draw();
    }
    if (Shift.Contains(ssLeft)) PaintBoxMouseDown(nullptr, mbLeft, Shift, X, Y);
    if (Shift.Contains(ssRight)) PaintBoxMouseDown(nullptr, mbRight, Shift, X, Y);
  }
  FLastPoint = P;
  if (sbGetPixelColor->Down()) ShowPixelColor(P);
}

void TdlgPictor::PaintBoxMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y) {
  ReleaseCapture();
  const TPoint P = ImagePoint(X, Y);
  if (sbLine->Down() || sbRectangle->Down() || sbRoundRectangle->Down() || sbEllipse->Down()) {
    CommitShape();
    Draw();
  }
  // The marquee and lasso release steps come with their tools.
  if (sbCurve->Down()) CurveRelease(P);
  if (sbPolygon->Down()) PolygonRelease(P);
  if (!(sbMarquee->Down() || sbLasso->Down() || sbZoom->Down() || sbGetPixelColor->Down() ||
        sbText->Down()))
    AddToHistory();
}

void TdlgPictor::PaintBoxDblClick(TObject*) {
  if (sbPolygon->Down()) PolygonDoubleClick();
}

}  // namespace pictor
