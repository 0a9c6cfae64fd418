#include "host/toolkit/win_control.h"

#include <QKeyEvent>
#include <QPainter>

#include "host/toolkit/application.h"
#include "host/toolkit/bitmap_bridge.h"

namespace pictor {

TWinControl::TWinControl(QWidget* parent) : QWidget(parent), TControl(this) {}
TWinControl::~TWinControl() = default;

void TWinControl::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TWinControl::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TWinControl::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }
void TWinControl::mouseDoubleClickEvent(QMouseEvent* event) { HandleMouseDoubleClick(event); }

void TWinControl::keyPressEvent(QKeyEvent* event) {
  if (HandleKey(event)) return;
  QWidget::keyPressEvent(event);
}

void TWinControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  HandleFocusIn();
}

void TWinControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  HandleFocusOut();
}

void TWinControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RunGuarded([this] { Resize(); });
}

TCustomControl::TCustomControl(QWidget* parent) : TWinControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() { return surface_ ? surface_->Canvas() : nullptr; }

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomControl::paintEvent(QPaintEvent*) {
  surface_ = std::make_unique<TBitmap>();
  surface_->SetSize(width(), height());
  TCanvas& c = *surface_->Canvas();
  c.Brush = TBrush{Color(), bsSolid};
  c.FillRect(TRect{0, 0, width(), height()});
  c.Brush = TBrush{};
  RunGuarded([this] { Paint(); });
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(*surface_));
  surface_.reset();
}

}  // namespace pictor
