#include "host/toolkit/focus.h"

#include <QWidget>

#include "host/toolkit/control.h"

namespace pictor {

bool TabStop(const TControl& control) {
  return (control.Widget()->focusPolicy() & Qt::TabFocus) != 0;
}

void SetTabStop(TControl& control, bool value) {
  control.Widget()->setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

bool CanFocus(const TControl& control) {
  const QWidget* widget = control.Widget();
  return widget->isEnabled() && widget->isVisible();
}

TKeyboardReturn::~TKeyboardReturn() {
  if (window_ && window_->isVisible()) window_->window()->activateWindow();
}

}  // namespace pictor
