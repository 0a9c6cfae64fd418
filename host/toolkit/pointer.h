// The pointer: capture by a control and the position in screen pixels.
#pragma once

#include "host/graphics/geometry.h"

namespace pictor {

class TControl;

// All pointer events go to the control until ReleaseCapture. A press on a
// control captures the pointer by itself until the release.
void SetCapture(TControl* control);
void ReleaseCapture();
// The control that holds the capture (set by SetCapture, or pressed while a
// button is held), or nullptr.
TControl* GetCapture();

TPoint GetCursorPos();
void SetCursorPos(int X, int Y);

// A short warning sound.
void MessageBeep(int type);

}  // namespace pictor
