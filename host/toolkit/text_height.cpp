#include "host/toolkit/text_height.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include "host/toolkit/control.h"

namespace pictor {

int TextHeight(const TControl& control) { return control.Widget()->fontMetrics().height(); }

int DefaultTextHeight() { return QFontMetrics(QApplication::font()).height(); }

}  // namespace pictor
