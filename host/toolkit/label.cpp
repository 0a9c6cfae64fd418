#include "host/toolkit/label.h"

namespace pictor {

TLabel::TLabel(QWidget* parent) : QLabel(parent), TControl(this) {}
TLabel::~TLabel() = default;

std::string TLabel::Caption() const { return FromQString(text()); }
void TLabel::SetCaption(const std::string& caption) { setText(ToQString(caption)); }

void TLabel::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TLabel::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TLabel::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }

}  // namespace pictor
