// Qt's mouse and key events in the toolkit's terms. Internal to the toolkit.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>

#include "host/toolkit/events.h"

namespace pictor {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// False for buttons other than left, right and middle.
bool MouseButtonOf(Qt::MouseButton qt, TMouseButton& button);
// The virtual key code of a key (0 when it has none).
Word VirtualKeyOf(const QKeyEvent& event);
// The 8-bit character a key types (Ctrl+letter gives its control code);
// 0 when it types none or one beyond 255.
char KeyCharOf(const QKeyEvent& event);

// The control that holds the pointer from a press to the release of the
// last button (Qt's implicit grab), for GetCapture.
class TControl;
void NotePointerPress(TControl* control);
void NotePointerRelease(TControl* control, Qt::MouseButtons stillHeld);

}  // namespace pictor
