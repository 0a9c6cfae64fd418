#include "host/toolkit/font_style.h"

#include <QFont>

namespace pictor {

void SetFontStyle(TControl& control, TFontStyles style) {
  QFont font = control.Widget()->font();
  font.setBold(style.Contains(fsBold));
  font.setItalic(style.Contains(fsItalic));
  font.setUnderline(style.Contains(fsUnderline));
  font.setStrikeOut(style.Contains(fsStrikeOut));
  control.Widget()->setFont(font);
}

}  // namespace pictor
