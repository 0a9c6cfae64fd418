#include "host/toolkit/scroll_box.h"

#include <algorithm>

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>

namespace pictor {

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent), TControl(this) {
  setWidgetResizable(false);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setAutoFillBackground(true);
  auto* content = new QWidget;
  content->setObjectName("scrollBoxContent");
  content->setAutoFillBackground(false);
  setWidget(content);
  Watch(content);
  TrackMouse();
  SetColor(clBtnFace);
}

TScrollBox::~TScrollBox() = default;

QWidget* TScrollBox::Content() {
  Watch(widget());
  return widget();
}

int TScrollBox::HorzScrollPosition() const { return horizontalScrollBar()->value(); }
int TScrollBox::VertScrollPosition() const { return verticalScrollBar()->value(); }
void TScrollBox::SetHorzScrollPosition(int value) { horizontalScrollBar()->setValue(value); }
void TScrollBox::SetVertScrollPosition(int value) { verticalScrollBar()->setValue(value); }
bool TScrollBox::HorzScrollBarVisible() const {
  return horizontalScrollBar()->maximum() > horizontalScrollBar()->minimum();
}
bool TScrollBox::VertScrollBarVisible() const {
  return verticalScrollBar()->maximum() > verticalScrollBar()->minimum();
}

void TScrollBox::Watch(QWidget* content) {
  if (!content || content == watched_) return;
  watched_ = content;
  // Moves over the content around the children pass on to the scroll box;
  // without tracking Qt would drop them there.
  content->setMouseTracking(true);
  content->installEventFilter(this);
  for (QObject* child : content->children())
    if (child->isWidgetType()) child->installEventFilter(this);
}

void TScrollBox::UpdateRange() {
  QWidget* content = widget();
  if (!content || updating_) return;
  Watch(content);
  updating_ = true;
  // The content is as large as the viewport, or larger to hold every child.
  int w = 0, h = 0;
  for (QObject* child : content->children()) {
    auto* cw = qobject_cast<QWidget*>(child);
    if (!cw || cw->isHidden()) continue;
    w = std::max(w, cw->x() + cw->width());
    h = std::max(h, cw->y() + cw->height());
  }
  // Whether a scroll bar shows depends on the other: decide with the full
  // viewport, then with the space the bars leave.
  const QSize full = maximumViewportSize();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  bool needH = w > full.width();
  bool needV = h > full.height();
  if (needH && !needV) needV = h > full.height() - bar;
  if (needV && !needH) needH = w > full.width() - bar;
  const int vw = full.width() - (needV ? bar : 0);
  const int vh = full.height() - (needH ? bar : 0);
  const QSize size(std::max(w, vw), std::max(h, vh));
  if (content->pos() != QPoint(0, 0) && !needH && !needV) content->move(0, 0);
  if (content->size() != size) content->resize(size);
  updating_ = false;
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ChildAdded:
      if (watched == watched_) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) child->installEventFilter(this);
      }
      UpdateRange();
      break;
    case QEvent::ChildRemoved:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
      if (watched != watched_) UpdateRange();
      break;
    case QEvent::Resize:
      if (watched != watched_) UpdateRange();
      break;
    default:
      break;
  }
  return QScrollArea::eventFilter(watched, event);
}

bool TScrollBox::viewportEvent(QEvent* event) {
  // A new content widget (setWidget, as a form description does) is watched at once.
  if (event->type() == QEvent::ChildAdded && widget() && widget() != watched_) UpdateRange();
  return QScrollArea::viewportEvent(event);
}

void TScrollBox::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  UpdateRange();
}

void TScrollBox::mousePressEvent(QMouseEvent* event) { HandleMousePress(event); }
void TScrollBox::mouseMoveEvent(QMouseEvent* event) { HandleMouseMove(event); }
void TScrollBox::mouseReleaseEvent(QMouseEvent* event) { HandleMouseRelease(event, true); }

}  // namespace pictor
