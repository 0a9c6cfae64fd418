// The frame of a form: sizeable, or a fixed dialog frame with only the close box.
#include "host/toolkit/form.h"

namespace pictor {

void TForm::SetBorderStyle(int value) {
  borderStyle_ = value == bsDialog ? bsDialog : bsSizeable;
  if (borderStyle_ == bsDialog) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
  } else {
    setWindowFlags(Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

}  // namespace pictor
