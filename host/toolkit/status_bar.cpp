#include "host/toolkit/status_bar.h"

#include <QLabel>

namespace pictor {

TStatusBar::TStatusBar(QWidget* parent)
    : QStatusBar(parent), TControl(this), label_(new QLabel(this)) {
  setSizeGripEnabled(false);
  addWidget(label_, 1);
}

TStatusBar::~TStatusBar() = default;

std::string TStatusBar::SimpleText() const { return FromQString(label_->text()); }
void TStatusBar::SetSimpleText(const std::string& text) { label_->setText(ToQString(text)); }
QString TStatusBar::QSimpleText() const { return label_->text(); }
void TStatusBar::setSimpleText(const QString& text) { label_->setText(text); }

}  // namespace pictor
