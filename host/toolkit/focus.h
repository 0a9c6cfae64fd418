// Keyboard focus of controls: whether a control takes the focus by Tab and by
// a press (TabStop), and whether it can take it now.
#pragma once

namespace pictor {

class TControl;

bool TabStop(const TControl& control);
void SetTabStop(TControl& control, bool value);
// Enabled and shown, with its window.
bool CanFocus(const TControl& control);

}  // namespace pictor
