// Keyboard focus of controls: whether a control takes the focus by Tab and by
// a press (TabStop), and whether it can take it now.
#pragma once

#include <QPointer>
#include <QWidget>

namespace pictor {

class TControl;

bool TabStop(const TControl& control);
void SetTabStop(TControl& control, bool value);
// Enabled and shown, with its window.
bool CanFocus(const TControl& control);

// A box (message, file, font or a modal form) opened over a window: when the
// box goes, the window is made active again, so that its keys and shortcuts
// reach it as before (the desktop may leave the keyboard elsewhere).
class TKeyboardReturn {
 public:
  explicit TKeyboardReturn(QWidget* window) : window_(window) {}
  ~TKeyboardReturn();
  TKeyboardReturn(const TKeyboardReturn&) = delete;
  TKeyboardReturn& operator=(const TKeyboardReturn&) = delete;

 private:
  QPointer<QWidget> window_;
};

}  // namespace pictor
