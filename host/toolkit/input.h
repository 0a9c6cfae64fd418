// Qt's mouse and key events in the toolkit's terms. Internal to the toolkit.
#pragma once

#include <string>

#include <QKeyEvent>
#include <QMouseEvent>

#include "host/toolkit/events.h"

namespace pictor {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// False for buttons other than left, right and middle.
bool MouseButtonOf(Qt::MouseButton qt, TMouseButton& button);
// The virtual key code of a key (0 when it has none).
Word VirtualKeyOf(const QKeyEvent& event);
// The characters a key types: the control code of Backspace, Tab, Enter,
// Escape and Ctrl+letter, otherwise the characters of its text; none when it
// types nothing.
std::u32string KeyCharsOf(const QKeyEvent& event);
// The characters of a text, without NUL, DEL and unpaired surrogates.
std::u32string CharsOf(const QString& text);

// The control that holds the pointer from a press to the release of the
// last button (Qt's implicit grab), for GetCapture.
class TControl;
void NotePointerPress(TControl* control);
void NotePointerRelease(TControl* control, Qt::MouseButtons stillHeld);

}  // namespace pictor
