// Character heights (ascent plus descent, in pixels) for sizing controls to
// their text.
#pragma once

namespace pictor {

class TControl;

// Of the control's own font.
int TextHeight(const TControl& control);
// Of the screen's default font.
int DefaultTextHeight();

}  // namespace pictor
