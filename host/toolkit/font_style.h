// The style of a control's own font: bold, italic, underline, strike-out.
#pragma once

#include "host/graphics/font.h"
#include "host/toolkit/control.h"

namespace pictor {

void SetFontStyle(TControl& control, TFontStyles style);

}  // namespace pictor
