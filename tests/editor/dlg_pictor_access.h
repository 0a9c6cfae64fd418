// The window's private state, for its tests.
#pragma once

#include "editor/dlg_pictor.h"

namespace pictor {

struct TdlgPictorAccess {
  explicit TdlgPictorAccess(TdlgPictor& dialog) : d(dialog) {}
  TdlgPictor& d;

  TObject*& EditedObject() { return d.FEditedObject; }
  TBitmap& Bitmap() { return *d.FBitmap; }
  TBitmap& Shape() { return *d.FShape; }
  TBitmap& PasteBitmap() { return *d.FPasteBitmap; }
  int& Zoom() { return d.FZoom; }
  TColor& ForeColor() { return d.FForeColor; }
  TColor& BackColor() { return d.FBackColor; }
  TRect& ShapeRect() { return d.FShapeRect; }
  bool& MouseOverImage() { return d.FMouseOverImage; }
  bool& Selected() { return d.FSelected; }
  bool& Moving() { return d.FMoving; }
  int& PointCount() { return d.FPointCount; }
  int& HistoryIndex() { return d.FHistoryIndex; }
  const THistoryList& History() { return *d.FHistory; }
  std::string& Text() { return d.FText; }
  TPoint& TextPos() { return d.FTextPos; }
  TFont& TextFont() { return *d.FTextFont; }
  bool& Modified() { return d.FModified; }
  TStatusBar* StatusBar() { return d.FStatusBar; }
};

}  // namespace pictor
