#include "host/toolkit/pointer.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "host/toolkit/control.h"
#include "host/toolkit/input.h"

namespace pictor {

void SetCapture(TControl* control) {
  if (!control) return;
  control->Widget()->grabMouse();
}

void ReleaseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

namespace {

// The widget pressed last while a button is held.
QPointer<QWidget>& PressedWidget() {
  static QPointer<QWidget> widget;
  return widget;
}

}  // namespace

void NotePointerPress(TControl* control) { PressedWidget() = control->Widget(); }

void NotePointerRelease(TControl* control, Qt::MouseButtons stillHeld) {
  if (stillHeld == Qt::NoButton && PressedWidget() == control->Widget()) PressedWidget() = nullptr;
}

TControl* GetCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) return ControlOf(grabber);
  if (QWidget* pressed = PressedWidget(); pressed && QApplication::mouseButtons() != Qt::NoButton)
    return ControlOf(pressed);
  return nullptr;
}

TPoint GetCursorPos() {
  const QPoint p = QCursor::pos();
  return TPoint{p.x(), p.y()};
}

void SetCursorPos(int X, int Y) { QCursor::setPos(X, Y); }

void MessageBeep(int) { QApplication::beep(); }

}  // namespace pictor
