// The shape tools: line, curve, rectangle, polygon, round rectangle and
// ellipse. Each press and drag step resets the preview FShape to the working
// bitmap (preview.cpp) and draws the whole figure as it now stands onto it;
// the figure reaches the working bitmap when it is committed.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <span>

#include "editor/dlg_pictor.h"
#include "editor/tool_options.h"
#include "editor/tool_table.h"

namespace pictor {
void TdlgPictor::PreparePreview(TMouseButton Button, bool filled) {
  ResetPreview();
  // Another button keeps the colours the canvas had.
  TCanvas* canvas = FShape->Canvas();
  if (Button == mbLeft) {
    canvas->Pen.Color = FForeColor;
    if (filled) canvas->Brush.Color = FBackColor;
  } else if (Button == mbRight) {
    canvas->Pen.Color = FBackColor;
    if (filled) canvas->Brush.Color = FForeColor;
  }
}

// Pen and brush of rectangle, round rectangle, ellipse and polygon.
void TdlgPictor::SetFigureStyle() {
  TCanvas* canvas = FShape->Canvas();
  canvas->Pen.Width = kFigurePenWidth;
  canvas->Pen.Style = psSolid;
  if (!FTwoColorFill) canvas->Brush.Color = canvas->Pen.Color;
  canvas->Brush.Style = FBrushStyle;
}

void TdlgPictor::CommitShape() {
  // An empty preview holds no figure; copying it would empty the document.
  if (!FShape->Empty()) AssignShape();
}

void TdlgPictor::LineStep(TObject* Sender, TMouseButton Button, TPoint P) {
  if (Sender) FStartPoint = P;
  FEndPoint = P;
  PreparePreview(Button, false);
  TCanvas* canvas = FShape->Canvas();
  canvas->Pen.Width = FPenWidth;
  canvas->Pen.Style = psSolid;
  // A line without length draws nothing, whatever the width: a wide pen's
  // round end would otherwise leave a dot.
  if (FStartPoint != FEndPoint) {
    canvas->MoveTo(FStartPoint.X, FStartPoint.Y);
    canvas->LineTo(FEndPoint.X, FEndPoint.Y);
  }
  FinishStep();
}

void TdlgPictor::FigureStep(TObject* Sender, TMouseButton Button, TPoint P, const TTool& tool) {
  if (Sender) FStartPoint = P;
  FEndPoint = P;
  PreparePreview(Button, true);
  SetFigureStyle();
  TCanvas* canvas = FShape->Canvas();
  const TPoint a = FStartPoint;
  const TPoint b = FEndPoint;
  switch (tool.shape) {
    case TToolShape::Rectangle:
      canvas->Rectangle(a.X, a.Y, b.X, b.Y);
      break;
    case TToolShape::RoundRectangle:
      // The corner ellipse is half as wide and half as high as the figure.
      canvas->RoundRect(a.X, a.Y, b.X, b.Y, std::abs(b.X - a.X) / 2, std::abs(b.Y - a.Y) / 2);
      break;
    default:
      canvas->Ellipse(a.X, a.Y, b.X, b.Y);
      break;
  }
  FinishStep();
}

// The curve: entries 0 to 3 of FPoints are the start point, the two control
// points and the end point; FPointCount counts the gestures begun.
void TdlgPictor::CurveStep(TObject* Sender, TMouseButton Button, TPoint P) {
  if (FPointCount == 0) FPoints[0] = FPoints[1] = P;
  // A press of a second button during the last gesture starts no fourth one.
  if (Sender && FPointCount < 3) ++FPointCount;
  if (FPointCount == 1) FPoints[2] = FPoints[3] = P;
  if (FPointCount == 2 || FPointCount == 3) FPoints[FPointCount - 1] = P;
  PreparePreview(Button, false);
  TCanvas* canvas = FShape->Canvas();
  canvas->Pen.Width = FPenWidth;
  canvas->Pen.Style = psSolid;
  canvas->PolyBezier(std::span<const TPoint>(FPoints.data(), 4));
  FinishStep();
}

void TdlgPictor::CurveRelease(TPoint P) {
  if (FPointCount == 2 || FPointCount == 3) FPoints[FPointCount - 1] = P;
  if (FPointCount == 3) {
    if (!FShape->Empty()) {
      FShape->Canvas()->PolyBezier(std::span<const TPoint>(FPoints.data(), 4));
      AssignShape();
    }
    FPointCount = 0;
  }
  Draw();
}

// The polygon: FPoints holds the vertices, the entry at FPointCount follows
// the pointer; FStartPoint is the last fixed vertex.
void TdlgPictor::PolygonStep(TObject* Sender, TMouseButton Button, TPoint P) {
  if (FPointCount == 0) {
    FStartPoint = P;
    FPoints[0] = P;
  }
  FEndPoint = P;
  if (Sender && FPointCount < kLastPolygonIndex) ++FPointCount;
  FPoints[FPointCount] = P;
  PreparePreview(Button, true);
  SetFigureStyle();
  TCanvas* canvas = FShape->Canvas();
  canvas->Polyline(std::span<const TPoint>(FPoints.data(), FPointCount));
  canvas->MoveTo(FStartPoint.X, FStartPoint.Y);
  canvas->LineTo(FEndPoint.X, FEndPoint.Y);
  FinishStep();
}

void TdlgPictor::ClosePolygon(int count) {
  if (!FShape->Empty()) {
    FShape->Canvas()->Polygon(std::span<const TPoint>(FPoints.data(), count));
    AssignShape();
  }
  FPointCount = 0;
}

void TdlgPictor::PolygonRelease(TPoint P) {
  FPoints[FPointCount] = P;
  FStartPoint = P;
  if (P == FPoints[0])
    ClosePolygon(FPointCount);
  else if (FPointCount >= kLastPolygonIndex - 1)
    // The point list is full: the polygon closes through all its vertices.
    ClosePolygon(FPointCount + 1);
  Draw();
}

void TdlgPictor::PolygonDoubleClick() {
  FPointCount = std::min(FPointCount + 1, kLastPolygonIndex);
  FPoints[FPointCount] = FPoints[0];
  ClosePolygon(FPointCount);
  AddToHistory();
  Draw();
}

}  // namespace pictor
