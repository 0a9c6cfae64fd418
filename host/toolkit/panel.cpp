#include "host/toolkit/panel.h"

#include <QPainter>

#include "host/graphics/bitmap.h"

namespace pictor {
namespace {

QColor ToQColor(TColor c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

// One bevel just inside r; r shrinks by its width.
void DrawBevel(QPainter& p, QRect& r, int bevel) {
  if (bevel == bvNone) return;
  const QColor light = ToQColor(clBtnHighlight);
  const QColor dark = ToQColor(clBtnShadow);
  const QColor topLeft = bevel == bvRaised ? light : dark;
  const QColor bottomRight = bevel == bvRaised ? dark : light;
  p.setPen(topLeft);
  p.drawLine(r.left(), r.top(), r.right(), r.top());
  p.drawLine(r.left(), r.top(), r.left(), r.bottom());
  p.setPen(bottomRight);
  p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  r.adjust(1, 1, -1, -1);
}

}  // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent), TControl(this) {
  TrackMouse();
  SetColor(clBtnFace);
  SetBevelOuter(bvRaised);
}

TPanel::~TPanel() = default;

void TPanel::SetBevelOuter(int value) {
  bevelOuter_ = value;
  const int m = (bevelOuter_ != bvNone) + (bevelInner_ != bvNone);
  setContentsMargins(m, m, m, m);
  update();
}

void TPanel::SetBevelInner(int value) {
  bevelInner_ = value;
  SetBevelOuter(bevelOuter_);
}

void TPanel::SetCaption(const std::string& caption) {
  caption_ = caption;
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  if (paintsOnCanvas_) return PaintSurface();
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  QRect r = rect();
  DrawBevel(p, r, bevelOuter_);
  DrawBevel(p, r, bevelInner_);
  if (!caption_.empty()) {
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, Qt::AlignCenter, ToQString(caption_));
  }
}

void TPanel::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TPanel::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TPanel::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }
void TPanel::mouseDoubleClickEvent(QMouseEvent* event) { HandleMouseDoubleClick(event); }

}  // namespace pictor
