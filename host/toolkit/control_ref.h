// TControlRef: a reference to a control that reads nullptr once the control
// is destroyed, for a control that names another (a FocusControl).
#pragma once

#include <QPointer>
#include <QWidget>

#include "host/toolkit/control.h"

namespace pictor {

class TControlRef {
 public:
  TControlRef() = default;
  explicit TControlRef(TControl* control)
      : control_(control), widget_(control ? control->Widget() : nullptr) {}

  TControl* get() const { return widget_ ? control_ : nullptr; }

 private:
  TControl* control_ = nullptr;
  QPointer<QWidget> widget_;
};

}  // namespace pictor
