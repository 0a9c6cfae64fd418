#include "host/toolkit/pointer.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "host/toolkit/control.h"

namespace pictor {

void SetCapture(TControl* control) {
  if (!control) return;
  control->Widget()->grabMouse();
}

void ReleaseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

TControl* GetCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) return ControlOf(grabber);
  return nullptr;
}

TPoint GetCursorPos() {
  const QPoint p = QCursor::pos();
  return TPoint{p.x(), p.y()};
}

void SetCursorPos(int X, int Y) { QCursor::setPos(X, Y); }

void MessageBeep(int) { QApplication::beep(); }

}  // namespace pictor
