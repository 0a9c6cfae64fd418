// The lasso: an outline drawn with the pointer (FPoints, at most
// kLassoPointLimit points) selects the area inside it. While drawn, and until
// moved, the area shows inverted; a move fills the area where it was drawn
// (FLassoOrigin, alternate rule) with the vacated colour and copies the
// pixels inside the moved outline (winding rule) from the lift rectangle, the
// outline's bounding box in the working bitmap.
#include <algorithm>
#include <span>

#include "editor/dlg_pictor.h"
#include "editor/selection_rect.h"
#include "editor/tool_table.h"
#include "host/graphics/handle_table.h"
#include "host/toolkit/screen.h"
#include "resources/cursor_resources.h"

namespace pictor {
namespace {

// A region handle deleted when it goes out of scope.
class TScopedRegion {
 public:
  explicit TScopedRegion(HRGN handle) : handle_(handle) {}
  ~TScopedRegion() { DeleteObject(handle_); }
  TScopedRegion(const TScopedRegion&) = delete;
  TScopedRegion& operator=(const TScopedRegion&) = delete;
  HRGN get() const { return handle_; }

 private:
  HRGN handle_;
};

// The canvas clipped to a region until it goes out of scope.
class TScopedClip {
 public:
  TScopedClip(TCanvas* canvas, HRGN region) : canvas_(canvas) { SelectClipRgn(canvas, region); }
  ~TScopedClip() { SelectClipRgn(canvas_, HRGN{}); }
  TScopedClip(const TScopedClip&) = delete;
  TScopedClip& operator=(const TScopedClip&) = delete;

 private:
  TCanvas* canvas_;
};

}  // namespace

void TdlgPictor::LassoPress(TMouseButton Button, TPoint P) {
  if (FMoving) {
    // Nothing is drawn until the pointer moves.
    FShapeRect = Rect(0, 0, FBitmap->Width() * FZoom, FBitmap->Height() * FZoom);
    PaintBox->SetCursor(crSizeAll);
    FDragStart = P;
  } else {
    if (FSelected) {
      DropSelection(Button, TToolShape::Freeform);
      FModified = true;
    }
    FPointCount = 0;
    ExtendLasso(Button, P);
  }
  FinishStep();
}

void TdlgPictor::LassoDragStep(TMouseButton Button, TPoint P) {
  if (FMoving)
    MoveLasso(Button, P);
  else
    ExtendLasso(Button, P);
  FinishStep();
}

void TdlgPictor::LassoRelease(TMouseButton Button, TPoint P) {
  if (FMoving) {
    // Drawn once more at the release's own place, where the outline now lies.
    MoveLasso(Button, P);
    const int dx = P.X - FDragStart.X;
    const int dy = P.Y - FDragStart.Y;
    FSelRect = ShiftedRect(FSelRect, dx, dy);
    for (int i = 0; i < FPointCount; ++i) FPoints[i] = Point(FPoints[i].X + dx, FPoints[i].Y + dy);
    FDragStart = P;
  } else if (P != FDragStart) {
    ExtendLasso(Button, P);
  }
  FSelected = true;
  FMoving = false;
  PaintBox->SetCursor(crLasso);
  Draw();
}

// The outline gains P and shows its area inverted.
void TdlgPictor::ExtendLasso(TMouseButton Button, TPoint P) {
  AppendLassoPoint(P);
  SetLassoRectangle();
  ResetPreview();
  FDragStart = P;
  DrawSelectionLasso(Button, P.X, P.Y);
}

// A point equal to the last one adds nothing to the outline and is left out;
// past the limit points are ignored.
void TdlgPictor::AppendLassoPoint(TPoint P) {
  if (FPointCount > 0 && FPoints[FPointCount - 1] == P) return;
  if (FPointCount >= kLassoPointLimit) return;
  FPoints[FPointCount] = FLassoOrigin[FPointCount] = P;
  ++FPointCount;
}

// The selection drawn moved by P - FDragStart. Before the pointer has left
// the press point, a selection still shown inverted stays so.
void TdlgPictor::MoveLasso(TMouseButton Button, TPoint P) {
  if (P != FDragStart || !FLassoInverted) DrawSelectionLasso(Button, P.X, P.Y);
}

void TdlgPictor::SetLassoRectangle() {
  const int count = std::max(FPointCount, 1);
  TPoint low = FPoints[0];
  TPoint high = FPoints[0];
  for (int i = 1; i < count; ++i) {
    low = Point(std::min(low.X, FPoints[i].X), std::min(low.Y, FPoints[i].Y));
    high = Point(std::max(high.X, FPoints[i].X), std::max(high.Y, FPoints[i].Y));
  }
  FSelRect = CornerRect(low, high);
  FStartPoint = low;
  FEndPoint = high;
}

void TdlgPictor::DrawSelectionLasso(TMouseButton Button, int X, int Y) {
  if (X == kNoNewPosition) {
    // The inverted area is only shown, never committed.
    if (FLassoInverted) ResetPreview();
    FLassoInverted = false;
    return;
  }
  const int dx = X - FDragStart.X;
  const int dy = Y - FDragStart.Y;
  TScopedRegion region(CreatePolygonRgn(FPoints.data(), FPointCount, WINDING));
  OffsetRgn(region.get(), dx, dy);
  TCanvas* canvas = FShape->Canvas();
  if (!FMoving) {
    FLassoInverted = true;
    InvertRgn(canvas, region.get());
    return;
  }
  ResetPreview();
  const TPen pen = canvas->Pen;
  const TBrush brush = canvas->Brush;
  canvas->Pen = TPen{clBlack, 1, psClear, pmCopy};
  canvas->Brush = TBrush{VacatedColor(Button), bsSolid};
  canvas->Polygon(std::span<const TPoint>(FLassoOrigin.data(), FPointCount));
  canvas->Pen = pen;
  canvas->Brush = brush;
  FSourceRect = CornerRect(FStartPoint, FEndPoint);
  FDestRect = ShiftedRect(FSelRect, dx, dy);
  {
    TScopedClip clip(canvas, region.get());
    canvas->CopyRect(PixelRect(FDestRect), FBitmap->Canvas(), PixelRect(FSourceRect));
  }
  FLassoInverted = false;
}

}  // namespace pictor
