// Text that would bypass a control's KeyPress: characters beyond 8 bits
// (other scripts, text composed by an input method), which KeyPress's char
// cannot carry, and text dropped by drag and drop. A control that vets every
// character it takes (a number field) calls VetAllInput once: input methods
// are off, so composed characters arrive as key presses; a wide character
// reaches its KeyPress as '?', the way an 8-bit code page shows it, and is
// dropped when KeyPress sets the key to 0; drops are refused.
#pragma once

namespace pictor {

class TControl;

void VetAllInput(TControl& control);

}  // namespace pictor
